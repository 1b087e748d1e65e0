// BrivelMTALib: the native brivel.TavoMTA.initMTA(). It makes no COM call: it
// records the choice of the multithreaded apartment in the process
// environment, where the bridge runtime reads it when it prepares threads.
#include <windows.h>

#include <jni.h>

#include <cstring>

namespace {
const char kModeVariable[] = "__brivelThreadInitializationMode__";
const char kMtaMode[] = "__MTA__";
}  // namespace

extern "C" JNIEXPORT void JNICALL Java_brivel_TavoMTA_initMTA(JNIEnv* env, jclass) {
    char mode[100];
    DWORD length = GetEnvironmentVariableA(kModeVariable, mode, sizeof mode);
    // Absent or empty: no apartment chosen yet. A value too long for the
    // buffer is a different value.
    if (length != 0 && (length >= sizeof mode || std::strcmp(mode, kMtaMode) != 0)) {
        jclass exceptionClass = env->FindClass("brivel/TavoException");
        // Without the class, FindClass has left NoClassDefFoundError pending.
        if (exceptionClass) env->ThrowNew(exceptionClass, "Brivel has already been initialized in STA mode");
        return;
    }
    SetEnvironmentVariableA(kModeVariable, kMtaMode);
}
