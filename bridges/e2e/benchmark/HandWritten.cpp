// The hand-written side of the Java-to-COM benchmarks: JNI natives that do
// what the generated ones do with no runtime library in between (read the
// object's pointer with a cached field ID, make the same call, convert the
// same way), a hand-written event sink that calls the same Java method as
// the generated one, a loop that fires events into either sink, and the
// registration of the server for the benchmark's process. Only the natives
// that measure the check after a runtime call call the runtime.
#include <windows.h>
#include <ole2.h>

#include <jni.h>

#include <cstring>

// The bridge runtime's check, which the generated natives make after each
// runtime call.
extern "C" bool brivelCheckFatalError(JNIEnv* env);

// The ledger's ITally as the server declares it. (Outside the anonymous
// namespace: a class there whose methods are all pure would let the compiler
// conclude that no object of it can exist, and replace the call.)
struct ITally : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Count(void*, void*) = 0;
    virtual HRESULT STDMETHODCALLTYPE Widen(void*, void*) = 0;
    virtual HRESULT STDMETHODCALLTYPE Spread(SAFEARRAY*, SAFEARRAY**, SAFEARRAY**, SAFEARRAY**) = 0;
    virtual HRESULT STDMETHODCALLTYPE Gather(SAFEARRAY*, SAFEARRAY*, SAFEARRAY**, SAFEARRAY**) = 0;
    virtual HRESULT STDMETHODCALLTYPE Ranges(LONG, SAFEARRAY**) = 0;
    virtual HRESULT STDMETHODCALLTYPE Fit(SAFEARRAY*, LONG*) = 0;
    virtual HRESULT STDMETHODCALLTYPE Peek(LONG* total) = 0;
};

namespace {
jfieldID g_comPtr = nullptr;

template <typename T>
T* ComPointer(JNIEnv* env, jobject object) {
    if (!g_comPtr) g_comPtr = env->GetFieldID(env->FindClass("brivel/TavoObject"), "__TavoComPtr", "I");
    return reinterpret_cast<T*>(static_cast<intptr_t>(env->GetIntField(object, g_comPtr)));
}

// What a hand-written sink does beyond the call, to measure the steps that
// the generated sink's text makes for every event: the method looked up
// (GetObjectClass, GetMethodID), and besides that the pending exception
// taken with ExceptionOccurred before the final ExceptionCheck.
enum SinkSteps : jint { kCallOnly = 0, kMethodLookup = 1, kAsGenerated = 2 };

// A sink of DLedgerEvents written by hand: Changed(what, why) calls the
// listener's Changed(int, String), with the method looked up once, or with
// the generated sink's steps (above).
class HandSink : public IDispatch {
public:
    HandSink(JNIEnv* env, jobject listener, SinkSteps steps) : listener_(env->NewGlobalRef(listener)), steps_(steps) {
        env->GetJavaVM(&vm_);
        jclass cls = env->GetObjectClass(listener);
        changed_ = env->GetMethodID(cls, "Changed", "(ILjava/lang/String;)V");
        env->DeleteLocalRef(cls);
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs_; }  // lives as long as the benchmark
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        if (id != 1) return S_OK;
        if (!p || p->cArgs != 2 || V_VT(&p->rgvarg[1]) != VT_I4 || V_VT(&p->rgvarg[0]) != VT_BSTR)
            return DISP_E_BADPARAMCOUNT;
        JNIEnv* env = nullptr;
        if (vm_->GetEnv(reinterpret_cast<void**>(&env), JNI_VERSION_1_6) != JNI_OK) return E_UNEXPECTED;
        BSTR why = V_BSTR(&p->rgvarg[0]);
        jstring text = why ? env->NewString(reinterpret_cast<const jchar*>(why), SysStringLen(why)) : nullptr;
        jmethodID changed = changed_;
        if (steps_ != kCallOnly) {
            jclass cls = env->GetObjectClass(listener_);
            changed = env->GetMethodID(cls, "Changed", "(ILjava/lang/String;)V");
            env->DeleteLocalRef(cls);
        }
        env->CallVoidMethod(listener_, changed, V_I4(&p->rgvarg[1]), text);
        if (text) env->DeleteLocalRef(text);
        if (steps_ == kAsGenerated) {
            jthrowable thrown = env->ExceptionOccurred();
            if (thrown) env->DeleteLocalRef(thrown);
        }
        // A listener that threw must not leave its exception pending in a
        // thread that goes on into COM.
        if (env->ExceptionCheck()) env->ExceptionClear();
        return S_OK;
    }

private:
    JavaVM* vm_ = nullptr;
    jobject listener_;
    jmethodID changed_;
    SinkSteps steps_;
    ULONG refs_ = 1;
};
}  // namespace

extern "C" JNIEXPORT void JNICALL Java_e2e_bench_CallBenchmark_registerServer(JNIEnv* env, jclass, jstring path) {
    const char* library = env->GetStringUTFChars(path, nullptr);
    HKEY key;
    if (RegCreateKeyA(HKEY_CLASSES_ROOT, "CLSID\\{7E2E0000-0000-4000-8000-000000000050}\\InprocServer32", &key) ==
        ERROR_SUCCESS) {
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(library),
                       static_cast<DWORD>(strlen(library) + 1));
        RegCloseKey(key);
    }
    env->ReleaseStringUTFChars(path, library);
}

// ILedger.getTotal: Invoke of the Total property.
extern "C" JNIEXPORT jint JNICALL Java_e2e_bench_CallBenchmark_directTotal(JNIEnv* env, jclass, jobject ledger) {
    IDispatch* dispatch = ComPointer<IDispatch>(env, ledger);
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    VARIANT result;
    VariantInit(&result);
    if (FAILED(dispatch->Invoke(2, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                                nullptr)))
        return -1;
    return V_I4(&result);
}

// ILedger.Describe(label, amount): Invoke with a string and an integer, a
// string back.
extern "C" JNIEXPORT jstring JNICALL Java_e2e_bench_CallBenchmark_directDescribe(JNIEnv* env, jclass, jobject ledger,
                                                                                 jstring label, jint amount) {
    IDispatch* dispatch = ComPointer<IDispatch>(env, ledger);
    VARIANT args[2];
    V_VT(&args[1]) = VT_BSTR;
    const jchar* chars = env->GetStringChars(label, nullptr);
    V_BSTR(&args[1]) = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(chars), env->GetStringLength(label));
    env->ReleaseStringChars(label, chars);
    V_VT(&args[0]) = VT_I4;
    V_I4(&args[0]) = amount;
    DISPPARAMS params = {args, nullptr, 2, 0};
    VARIANT result;
    VariantInit(&result);
    HRESULT hr = dispatch->Invoke(23, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, nullptr,
                                  nullptr);
    SysFreeString(V_BSTR(&args[1]));
    if (FAILED(hr) || V_VT(&result) != VT_BSTR) return nullptr;
    jstring text = env->NewString(reinterpret_cast<const jchar*>(V_BSTR(&result)), SysStringLen(V_BSTR(&result)));
    VariantClear(&result);
    return text;
}

// The same, followed by the runtime's check that a generated native makes
// after each runtime call (brivelCheckFatalError): what that step costs.
extern "C" JNIEXPORT jint JNICALL Java_e2e_bench_CallBenchmark_directTotalChecked(JNIEnv* env, jclass cls,
                                                                                  jobject ledger) {
    jint total = Java_e2e_bench_CallBenchmark_directTotal(env, cls, ledger);
    return brivelCheckFatalError(env) ? 0 : total;
}

// ITally.Peek through the virtual table.
extern "C" JNIEXPORT jint JNICALL Java_e2e_bench_CallBenchmark_directPeek(JNIEnv* env, jclass, jobject tally) {
    LONG total = 0;
    if (FAILED(ComPointer<ITally>(env, tally)->Peek(&total))) return -1;
    return total;
}

// The same with brivelCheckFatalError's check, as for the late-bound call.
extern "C" JNIEXPORT jint JNICALL Java_e2e_bench_CallBenchmark_directPeekChecked(JNIEnv* env, jclass cls,
                                                                                 jobject tally) {
    jint total = Java_e2e_bench_CallBenchmark_directPeek(env, cls, tally);
    return brivelCheckFatalError(env) ? 0 : total;
}

// A hand-written sink for the listener, as an int the way a listener holds
// its generated one.
extern "C" JNIEXPORT jint JNICALL Java_e2e_bench_CallBenchmark_handSink(JNIEnv* env, jclass, jobject listener,
                                                                        jint steps) {
    auto* sink = new HandSink(env, listener, static_cast<SinkSteps>(steps));
    return static_cast<jint>(reinterpret_cast<intptr_t>(static_cast<IDispatch*>(sink)));
}

// Fires Changed(what, why) `count` times into a sink, as a source does.
extern "C" JNIEXPORT void JNICALL Java_e2e_bench_CallBenchmark_fireChanged(JNIEnv*, jclass, jint sink, jint count) {
    IDispatch* dispatch = reinterpret_cast<IDispatch*>(static_cast<intptr_t>(sink));
    BSTR why = SysAllocString(L"benchmark");
    for (jint i = 0; i < count; ++i) {
        VARIANT args[2];
        V_VT(&args[1]) = VT_I4;
        V_I4(&args[1]) = i;
        V_VT(&args[0]) = VT_BSTR;
        V_BSTR(&args[0]) = why;
        DISPPARAMS params = {args, nullptr, 2, 0};
        dispatch->Invoke(1, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    }
    SysFreeString(why);
}

// The generated sink a listener made for itself at its construction.
extern "C" JNIEXPORT jint JNICALL Java_e2e_bench_CallBenchmark_generatedSink(JNIEnv* env, jclass, jobject listener) {
    jfieldID sink = env->GetFieldID(env->FindClass("brivel/TavoEventListener"), "__TavoEventSink", "I");
    return env->GetIntField(listener, sink);
}
