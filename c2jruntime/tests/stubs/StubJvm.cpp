// A stand-in VM library. It records the creation options it was given (one
// per line, then "end") in the file named by BRIVEL_STUB_JVM_LOG. Normally
// it then fails, as a broken or foreign Java runtime would. With
// BRIVEL_STUB_JVM_FAKE=1 it creates a fake VM instead, whose FindClass finds
// nothing and raises nothing (no real VM does that, but the interface allows
// it); any other function of the fake environment is absent, and calling it
// crashes the test. With BRIVEL_STUB_JVM_FAKE=host (win32) the VM is the one
// the host program hands out through its export BrivelHostJavaVm (a test's
// own JNI environment).

// This library is the VM: jni.h then declares its entry points exported, not imported.
#define _JNI_IMPLEMENTATION_
#include <jni.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#ifdef _WIN32
#include <windows.h>
#endif

namespace {
// The process environment as it is now (the C library's copy of it is made
// at start-up and misses later changes on Windows).
std::string Environment(const char* name) {
#ifdef _WIN32
    char value[1024];
    DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n && n < sizeof value ? std::string(value, n) : std::string();
#else
    const char* value = std::getenv(name);
    return value ? value : "";
#endif
}

JNIInvokeInterface_ g_invoke;
JNINativeInterface_ g_native;
JavaVM g_vm;
JNIEnv g_env;

jint JNICALL GiveEnv(JavaVM*, void** env, void*) {
    *env = &g_env;
    return JNI_OK;
}
jint JNICALL Done(JavaVM*) { return JNI_OK; }
jint JNICALL GetEnv(JavaVM*, void** env, jint) {
    *env = &g_env;
    return JNI_OK;
}
jclass JNICALL FindNothing(JNIEnv*, const char*) { return nullptr; }
jclass JNICALL DefineNothing(JNIEnv*, const char*, jobject, const jbyte*, jsize) { return nullptr; }
jthrowable JNICALL NoException(JNIEnv*) { return nullptr; }
jboolean JNICALL NoExceptionCheck(JNIEnv*) { return JNI_FALSE; }
void JNICALL ClearNothing(JNIEnv*) {}
void JNICALL DeleteNothing(JNIEnv*, jobject) {}

void MakeFakeVm() {
    g_invoke.DestroyJavaVM = Done;
    g_invoke.AttachCurrentThread = GiveEnv;
    g_invoke.DetachCurrentThread = Done;
    g_invoke.GetEnv = GetEnv;
    g_invoke.AttachCurrentThreadAsDaemon = GiveEnv;
    g_native.FindClass = FindNothing;
    g_native.DefineClass = DefineNothing;
    g_native.ExceptionOccurred = NoException;
    g_native.ExceptionCheck = NoExceptionCheck;
    g_native.ExceptionClear = ClearNothing;
    g_native.DeleteLocalRef = DeleteNothing;
    g_vm.functions = &g_invoke;
    g_env.functions = &g_native;
}
}  // namespace

extern "C" JNIEXPORT jint JNICALL JNI_CreateJavaVM(JavaVM** vm, void** env, void* initArgs) {
    std::string logName = Environment("BRIVEL_STUB_JVM_LOG");
    if (!logName.empty()) {
        if (FILE* log = std::fopen(logName.c_str(), "ab")) {
            auto* args = static_cast<JavaVMInitArgs*>(initArgs);
            std::fprintf(log, "version %x ignore %d\n", static_cast<unsigned>(args->version), args->ignoreUnrecognized);
            for (jint i = 0; i < args->nOptions; ++i) std::fprintf(log, "%s\n", args->options[i].optionString);
            std::fprintf(log, "end\n");
            std::fclose(log);
        }
    }
#ifdef _WIN32
    if (Environment("BRIVEL_STUB_JVM_FAKE") == "host") {
        typedef jint (*HostJavaVm)(JavaVM**, JNIEnv**);
        auto host = reinterpret_cast<HostJavaVm>(
            reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA(nullptr), "BrivelHostJavaVm")));
        return host ? host(vm, reinterpret_cast<JNIEnv**>(env)) : JNI_ERR;
    }
#endif
    if (Environment("BRIVEL_STUB_JVM_FAKE") != "1") return JNI_ERR;
    MakeFakeVm();
    *vm = &g_vm;
    *env = &g_env;
    return JNI_OK;
}
