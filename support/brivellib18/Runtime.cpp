// The bridge runtime: start-up, threads, the cached Java IDs, exceptions,
// creation, IDispatch calls and the virtual-table invoker.
#include "RuntimeApi.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>

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
// Set once every ID above is stored: the getters answer from it without
// asking the VM for the thread's environment (a bridge asks for the COM
// pointer's field ID on every call, and the IDs never change).
std::atomic<bool> g_idsCached{false};

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

// Looks the product classes up once; a missing class leaves its
// NoClassDefFoundError pending for the caller.
bool CacheIds(JNIEnv* env) {
    if (g_idsCached.load(std::memory_order_acquire)) return true;
    if (!env) return false;
    jclass com = env->FindClass("brivel/TavoObject");
    if (!com) return false;
    jclass variant = env->FindClass("brivel/TavoVariant");
    if (!variant) return false;
    jclass listener = env->FindClass("brivel/TavoEventListener");
    if (!listener) return false;
    g_comId = env->GetFieldID(com, "__TavoComPtr", "I");
    g_comCtor = env->GetMethodID(com, "<init>", "()V");
    g_variantData = env->GetFieldID(variant, "__TavoVariantData", "I");
    g_variantCtor = env->GetMethodID(variant, "<init>", "()V");
    g_eventId = env->GetFieldID(listener, "__TavoEventSink", "I");
    if (env->ExceptionCheck()) return false;
    g_comClass = static_cast<jclass>(env->NewGlobalRef(com));
    g_variantClass = static_cast<jclass>(env->NewGlobalRef(variant));
    env->DeleteLocalRef(com);
    env->DeleteLocalRef(variant);
    env->DeleteLocalRef(listener);
    g_idsCached.store(true, std::memory_order_release);
    return true;
}

// The IDs, looked up first when this is the first use (in the calling
// thread's environment, attaching a COM thread that Java has not seen).
inline void EnsureIds() {
    if (g_idsCached.load(std::memory_order_acquire)) return;
    JNIEnv* env = brivel::rt::CurrentEnv();
    if (!CacheIds(env)) brivel::rt::NoteIfPending(env);
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
    if (env && CacheIds(env)) {
        jmethodID set = env->GetStaticMethodID(g_comClass, "TavoSetModeMTA", "(Z)V");
        if (set) env->CallStaticVoidMethod(g_comClass, set, mta ? JNI_TRUE : JNI_FALSE);
        else env->ExceptionClear();
    }
}

BRIVEL_RT void brivelInitEventThread(JNIEnv* env) {
    brivelInitThread(env);
}

BRIVEL_RT JNIEnv* brivelGetJniEnv() {
    return CurrentEnv();
}

BRIVEL_RT jfieldID brivelGetComId() {
    EnsureIds();
    return g_comId;
}
BRIVEL_RT jfieldID brivelGetEventId() {
    EnsureIds();
    return g_eventId;
}
BRIVEL_RT jmethodID brivelGetComCtorId() {
    EnsureIds();
    return g_comCtor;
}
BRIVEL_RT jclass brivelGetComBaseClass() {
    EnsureIds();
    return g_comClass;
}
BRIVEL_RT jfieldID brivelGetVariantData() {
    EnsureIds();
    return g_variantData;
}
BRIVEL_RT jmethodID brivelGetVariantCtorId() {
    EnsureIds();
    return g_variantCtor;
}
BRIVEL_RT jclass brivelGetComVariantClass() {
    EnsureIds();
    return g_variantClass;
}

// True when the runtime left a Java exception pending on this thread (it
// does so exactly when it could not do its part) and it is still pending:
// the native must return at once. The thread's note answers; the VM is
// asked only when the note is set, and the note goes with the answer (an
// exception that Java code has since caught, or that a native cleared
// without asking here, leaves no stale answer behind).
BRIVEL_RT bool brivelCheckFatalError(JNIEnv* env) {
    if (!t_raised) return false;
    t_raised = false;
    return env && env->ExceptionCheck();
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

