// The bridge runtime: start-up, threads, the cached Java IDs, exceptions,
// creation, IDispatch calls and the virtual-table invoker.
#include "RuntimeApi.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {
const char kModeVariable[] = "__brivelThreadInitializationMode__";
const char kMtaMode[] = "__MTA__";
const char kStaMode[] = "__STA__";

JavaVM* g_vm = nullptr;
jfieldID g_comId = nullptr;
jfieldID g_eventId = nullptr;
jfieldID g_variantData = nullptr;
jmethodID g_comCtor = nullptr;
jmethodID g_variantCtor = nullptr;
jclass g_comClass = nullptr;
jclass g_variantClass = nullptr;
// kCached once every ID above is stored: the getters answer from it without
// asking the VM for the thread's environment (a bridge asks for the COM
// pointer's field ID on every call, and the IDs never change). The first
// caller to have found them all stores them (kStoring meanwhile); the others
// drop what they found.
enum IdsState { kNone, kStoring, kCached };
std::atomic<int> g_ids{kNone};

// Whether COM is ready on this thread: read by every event a generated sink
// delivers. On linux32 in the initial-exec model, read relative to the thread
// pointer without a call (a byte of the static TLS space that the C library
// keeps for libraries loaded later; the general model calls __tls_get_addr).
#ifdef _WIN32
thread_local bool t_comReady = false;
#else
__thread bool t_comReady __attribute__((tls_model("initial-exec"))) = false;
#endif

// Whether the runtime left a Java exception pending on this thread since
// brivelCheckFatalError last answered: read after every runtime call that a
// generated native makes, in the same model as t_comReady.
#ifdef _WIN32
thread_local bool t_raised = false;
#else
__thread bool t_raised __attribute__((tls_model("initial-exec"))) = false;
#endif

// Detaches a COM thread that the runtime attached when the thread ends: an
// attached thread must not end while the VM still counts it.
struct AttachedThread {
    bool attached = false;
    ~AttachedThread() {
        if (attached && g_vm) g_vm->DetachCurrentThread();
    }
};
thread_local AttachedThread t_attached;

void RememberVm(JNIEnv* env) {
    if (!g_vm && env) env->GetJavaVM(&g_vm);
}

// Looks the product's classes and members up, once they are all there: a
// missing one leaves the VM's error pending (NoClassDefFoundError or
// NoSuchFieldError, which names it) and every ID unset, and the next call
// looks again. Nothing found is kept on a failure, and no lock is held
// while the VM looks (its class loading may run Java code).
bool CacheIds(JNIEnv* env) {
    if (g_ids.load(std::memory_order_acquire) == kCached) return true;
    if (!env) return false;
    jclass com = env->FindClass("brivel/TavoObject");
    jclass variant = com ? env->FindClass("brivel/TavoVariant") : nullptr;
    jclass listener = variant ? env->FindClass("brivel/TavoEventListener") : nullptr;
    jfieldID comId = listener ? env->GetFieldID(com, "__TavoComPtr", "I") : nullptr;
    jmethodID comCtor = comId ? env->GetMethodID(com, "<init>", "()V") : nullptr;
    jfieldID variantData = comCtor ? env->GetFieldID(variant, "__TavoVariantData", "I") : nullptr;
    jmethodID variantCtor = variantData ? env->GetMethodID(variant, "<init>", "()V") : nullptr;
    jfieldID eventId = variantCtor ? env->GetFieldID(listener, "__TavoEventSink", "I") : nullptr;
    jclass comClass = eventId ? static_cast<jclass>(env->NewGlobalRef(com)) : nullptr;
    jclass variantClass = comClass ? static_cast<jclass>(env->NewGlobalRef(variant)) : nullptr;
    if (listener) env->DeleteLocalRef(listener);
    if (variant) env->DeleteLocalRef(variant);
    if (com) env->DeleteLocalRef(com);
    if (!variantClass) {
        if (comClass) env->DeleteGlobalRef(comClass);
        return false;
    }
    int state = kNone;
    if (g_ids.compare_exchange_strong(state, kStoring, std::memory_order_acquire)) {
        g_comId = comId;
        g_comCtor = comCtor;
        g_variantData = variantData;
        g_variantCtor = variantCtor;
        g_eventId = eventId;
        g_comClass = comClass;
        g_variantClass = variantClass;
        g_ids.store(kCached, std::memory_order_release);
        return true;
    }
    // Another thread stores the same IDs: its class references are kept.
    env->DeleteGlobalRef(variantClass);
    env->DeleteGlobalRef(comClass);
    while (g_ids.load(std::memory_order_acquire) != kCached) std::this_thread::yield();
    return true;
}

// The IDs, looked up first when this is the first use (in the calling
// thread's environment, attaching a COM thread that Java has not seen). On
// a failure the getters answer null with the VM's error pending and noted.
// (Out of line, so that the getters' own path is a load.)
__attribute__((noinline)) bool LookUpIds() {
    JNIEnv* env = brivel::rt::CurrentEnv();
    if (CacheIds(env)) return true;
    brivel::rt::NoteIfPending(env);
    return false;
}

inline bool EnsureIds() {
    return __builtin_expect(g_ids.load(std::memory_order_acquire) == kCached, 1) || LookUpIds();
}

bool WantsMta() {
    char mode[32];
    DWORD n = GetEnvironmentVariableA(kModeVariable, mode, sizeof mode);
    return n > 0 && n < sizeof mode && std::strcmp(mode, kMtaMode) == 0;
}
}  // namespace

namespace brivel::rt {
void NoteRaised() {
    t_raised = true;
}

bool NoteIfPending(JNIEnv* env) {
    if (!env || !env->ExceptionCheck()) return false;
    NoteRaised();
    return true;
}

void ThrowJava(JNIEnv* env, const char* className, const char* message) {
    if (!env) return;
    NoteRaised();  // the new exception, or the lookup's NoClassDefFoundError
    jclass cls = env->FindClass(className);
    if (!cls) return;
    env->ThrowNew(cls, message);
    env->DeleteLocalRef(cls);
}

void Throw(JNIEnv* env, jthrowable exception) {
    if (!env || !exception) return;
    NoteRaised();
    env->Throw(exception);
}

bool HaveIds(JNIEnv* env) {
    if (g_ids.load(std::memory_order_acquire) == kCached) return true;
    if (CacheIds(env)) return true;
    NoteIfPending(env);
    return false;
}

JNIEnv* CurrentEnv() {
    if (!g_vm) return nullptr;
    JNIEnv* env = nullptr;
    if (g_vm->GetEnv(reinterpret_cast<void**>(&env), JNI_VERSION_1_6) == JNI_OK) return env;
    // A COM thread that Java has never seen: attached as a daemon, so that it
    // never keeps the VM from ending.
    if (g_vm->AttachCurrentThreadAsDaemon(reinterpret_cast<void**>(&env), nullptr) != JNI_OK) return nullptr;
    t_attached.attached = true;
    return env;
}
}  // namespace brivel::rt

using brivel::rt::CurrentEnv;
using brivel::rt::ThrowJava;

// The value converters that this library links tell it here what they left
// pending.
extern "C" void brivelConverterLeftPending(JNIEnv* env) {
    brivel::rt::NoteIfPending(env);
}

extern "C" JNIEXPORT jint JNICALL JNI_OnLoad(JavaVM* vm, void*) {
    if (!g_vm) g_vm = vm;
    return JNI_VERSION_1_6;
}

BRIVEL_RT int brivelInitDLL18(int) {
    return 1;
}

// Prepares the calling thread once: COM in the apartment that the process
// chose (brivel.TavoMTA.initMTA chooses the multithreaded one; the first
// thread prepared without that choice fixes the single-threaded one).
BRIVEL_RT void brivelInitThread(JNIEnv* env) {
    RememberVm(env);
    if (t_comReady) return;
    brivel::rt::PendingNote note(env);
    bool mta = WantsMta();
    if (!mta) {
        char mode[32];
        if (GetEnvironmentVariableA(kModeVariable, mode, sizeof mode) == 0)
            SetEnvironmentVariableA(kModeVariable, kStaMode);
    }
    HRESULT hr = CoInitializeEx(nullptr, mta ? COINIT_MULTITHREADED : COINIT_APARTMENTTHREADED);
    // S_FALSE: already initialised in that apartment by the thread's owner;
    // RPC_E_CHANGED_MODE: the owner chose the other one, which COM keeps.
    t_comReady = SUCCEEDED(hr) || hr == RPC_E_CHANGED_MODE;
    if (env && brivel::rt::HaveIds(env)) {
        jmethodID set = env->GetStaticMethodID(g_comClass, "TavoSetModeMTA", "(Z)V");
        if (set) env->CallStaticVoidMethod(g_comClass, set, mta ? JNI_TRUE : JNI_FALSE);
        if (env->ExceptionCheck()) env->ExceptionClear();  // a failed lookup or call leaves nothing pending
    }
}

BRIVEL_RT void brivelInitEventThread(JNIEnv* env) {
    brivelInitThread(env);
}

BRIVEL_RT JNIEnv* brivelGetJniEnv() {
    return CurrentEnv();
}

BRIVEL_RT jfieldID brivelGetComId() {
    return EnsureIds() ? g_comId : nullptr;
}
BRIVEL_RT jfieldID brivelGetEventId() {
    return EnsureIds() ? g_eventId : nullptr;
}
BRIVEL_RT jmethodID brivelGetComCtorId() {
    return EnsureIds() ? g_comCtor : nullptr;
}
BRIVEL_RT jclass brivelGetComBaseClass() {
    return EnsureIds() ? g_comClass : nullptr;
}
BRIVEL_RT jfieldID brivelGetVariantData() {
    return EnsureIds() ? g_variantData : nullptr;
}
BRIVEL_RT jmethodID brivelGetVariantCtorId() {
    return EnsureIds() ? g_variantCtor : nullptr;
}
BRIVEL_RT jclass brivelGetComVariantClass() {
    return EnsureIds() ? g_variantClass : nullptr;
}

namespace {
__attribute__((noinline)) bool ConfirmRaised(JNIEnv* env) {
    t_raised = false;
    return env && env->ExceptionCheck();
}
}  // namespace

BRIVEL_RT bool brivelCheckFatalError(JNIEnv* env) {
    if (__builtin_expect(!t_raised, 1)) return false;
    return ConfirmRaised(env);
}

BRIVEL_RT void brivelThrowFatalError(JNIEnv* env) {
    if (!env) return;
    if (env->ExceptionCheck()) brivel::rt::NoteRaised();  // the pending one reports the failure
    else ThrowJava(env, "java/lang/Error", "Brivel runtime failure");
}

// The exception takes the EXCEPINFO's texts, which it frees: the bridges
// never free them themselves.
BRIVEL_RT void brivelThrowComExceptionObject(JNIEnv* env, HRESULT hr, EXCEPINFO* excepInfo) {
    std::string description;
    if (excepInfo) {
        if (excepInfo->pfnDeferredFillIn) {
            excepInfo->pfnDeferredFillIn(excepInfo);
            excepInfo->pfnDeferredFillIn = nullptr;
        }
        if (hr == DISP_E_EXCEPTION && excepInfo->scode != 0) hr = excepInfo->scode;
        BSTR text = excepInfo->bstrDescription;
        if (text) {
            UINT n = SysStringLen(text);
            int bytes = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(n), nullptr, 0, nullptr, nullptr);
            description.resize(bytes > 0 ? bytes : 0);
            if (bytes > 0) WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(n), &description[0], bytes, nullptr, nullptr);
        }
        SysFreeString(excepInfo->bstrSource);
        SysFreeString(excepInfo->bstrDescription);
        SysFreeString(excepInfo->bstrHelpFile);
        excepInfo->bstrSource = excepInfo->bstrDescription = excepInfo->bstrHelpFile = nullptr;
    }
    if (!env) return;
    brivel::rt::PendingNote note(env);  // the exception thrown, or one pending already
    if (env->ExceptionCheck()) return;
    if (description.empty()) {
        char text[64];
        std::snprintf(text, sizeof text, "COM error 0x%08lX", static_cast<unsigned long>(hr));
        description = text;
    }
    // The description is UTF-8; ThrowNew takes modified UTF-8, so it goes
    // through a Java string built from UTF-16 instead.
    // Its local references go before it returns: a pending exception keeps
    // its object alive by itself.
    jclass cls = env->FindClass("brivel/TavoException");
    if (!cls) return;
    jmethodID ctor = env->GetMethodID(cls, "<init>", "(Ljava/lang/String;)V");
    int wide = MultiByteToWideChar(CP_UTF8, 0, description.data(), static_cast<int>(description.size()), nullptr, 0);
    std::basic_string<jchar> chars(wide > 0 ? wide : 0, 0);
    if (wide > 0)
        MultiByteToWideChar(CP_UTF8, 0, description.data(), static_cast<int>(description.size()),
                            reinterpret_cast<LPWSTR>(&chars[0]), wide);
    jstring message = ctor ? env->NewString(chars.data(), static_cast<jsize>(chars.size())) : nullptr;
    jobject ex = message ? env->NewObject(cls, ctor, message) : nullptr;
    if (ex) {
        brivel::rt::Throw(env, static_cast<jthrowable>(ex));
        env->DeleteLocalRef(ex);
    }
    if (message) env->DeleteLocalRef(message);
    env->DeleteLocalRef(cls);
}

BRIVEL_RT HRESULT brivelCreateInstance(JNIEnv*, const CLSID* clsid, IUnknown** pUnk) {
    if (!clsid || !pUnk) return E_POINTER;
    *pUnk = nullptr;
    return CoCreateInstance(*clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                            reinterpret_cast<void**>(pUnk));
}

BRIVEL_RT HRESULT brivelGetActiveInstance(JNIEnv*, const CLSID* clsid, IUnknown** pUnk) {
    if (!clsid || !pUnk) return E_POINTER;
    *pUnk = nullptr;
    return GetActiveObject(*clsid, nullptr, pUnk);
}

// Creation as a server: the class's out-of-process server only.
BRIVEL_RT void* brivelMiscFunc4(void*, void* clsid, void* pUnk, void*) {
    IUnknown** out = static_cast<IUnknown**>(pUnk);
    if (!clsid || !out) return reinterpret_cast<void*>(static_cast<intptr_t>(E_POINTER));
    *out = nullptr;
    HRESULT hr = CoCreateInstance(*static_cast<const CLSID*>(clsid), nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                  reinterpret_cast<void**>(out));
    return reinterpret_cast<void*>(static_cast<intptr_t>(hr));
}

BRIVEL_RT HRESULT brivelQueryInterface(JNIEnv*, IUnknown* pUnk, const IID* pIid, void** result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    if (!pUnk || !pIid) return E_POINTER;
    return pUnk->QueryInterface(*pIid, result);
}

// Every late-bound call of a bridge comes through here. The null IID is the
// helper's own, on its stack: no global data to reach, so no position-
// independent address to compute on the way (i386).
BRIVEL_RT HRESULT brivelInvokeHelper(JNIEnv*, IDispatch* pDisp, DISPID dispid, DISPPARAMS* params, WORD wFlags,
                                     EXCEPINFO* excepInfo, unsigned int* argErr, VARIANT* ret) {
    if (!pDisp) return E_POINTER;
    const IID none = {};
    if (!params) {
        DISPPARAMS noArguments = {nullptr, nullptr, 0, 0};
        return pDisp->Invoke(dispid, none, LOCALE_USER_DEFAULT, wFlags, &noArguments, ret, excepInfo, argErr);
    }
    return pDisp->Invoke(dispid, none, LOCALE_USER_DEFAULT, wFlags, params, ret, excepInfo, argErr);
}

BRIVEL_RT HRESULT brivelVtableInvoker(JNIEnv*, _ThunkFunc thunkFunc, IUnknown* pUnk, ...) {
    if (!thunkFunc || !pUnk) return E_POINTER;
    va_list ap;
    va_start(ap, pUnk);
    HRESULT hr = thunkFunc(pUnk, ap);
    va_end(ap);
    return hr;
}

// Remote activation never leaves the platform's answer unreported: the
// HRESULT of the attempt is returned and nothing is stored.
BRIVEL_RT HRESULT brivelCreateInstanceRemote(JNIEnv* env, const CLSID* clsid, LPCWSTR remoteName, LPCWSTR remoteUser,
                                             LPCWSTR remotePwd, LPCWSTR remoteDomain, int count,
                                             jobjectArray objList, const IID** remoteIidList);

