// A VM library that cannot create a VM: records the creation options it was
// given (one per line, then "end") in the file named by BRIVEL_STUB_JVM_LOG
// and fails, as a broken or foreign Java runtime would.
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
}  // namespace

extern "C" JNIEXPORT jint JNICALL JNI_CreateJavaVM(JavaVM**, void**, void* initArgs) {
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
    return JNI_ERR;
}
