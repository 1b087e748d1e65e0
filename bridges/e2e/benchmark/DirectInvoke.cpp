// The hand-written side of the benchmark: one JNI native that calls the
// object's Invoke itself, with no runtime library in between, and the
// registration of the server for the benchmark's process.
#include <windows.h>
#include <ole2.h>

#include <jni.h>

extern "C" JNIEXPORT void JNICALL Java_e2e_bench_InvokeBenchmark_registerServer(JNIEnv* env, jclass, jstring path) {
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

static jfieldID g_comPtr = nullptr;

extern "C" JNIEXPORT jint JNICALL Java_e2e_bench_InvokeBenchmark_directTotal(JNIEnv* env, jclass, jobject ledger) {
    if (!g_comPtr) g_comPtr = env->GetFieldID(env->FindClass("brivel/TavoObject"), "__TavoComPtr", "I");
    IDispatch* dispatch = reinterpret_cast<IDispatch*>(static_cast<intptr_t>(env->GetIntField(ledger, g_comPtr)));
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    VARIANT result;
    VariantInit(&result);
    if (FAILED(dispatch->Invoke(2, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                                nullptr)))
        return -1;
    return V_I4(&result);
}
