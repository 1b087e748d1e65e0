// Messages, Java exceptions as text and the last-exception slot.
#include "RuntimeState.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

#include "BrivelC2J18.h"
#include "JniText.h"

namespace brivel::c2j {

namespace {
std::mutex g_lastExceptionLock;
jobject g_lastException = nullptr;  // global reference, owned by the slot

char* HeapCopy(const char* text) {
    size_t n = std::strlen(text) + 1;
    char* copy = static_cast<char*>(std::malloc(n));
    if (copy) std::memcpy(copy, text, n);
    return copy;
}
}  // namespace

void SetError(char** error, const char* text) {
    if (!error) return;
    std::free(*error);
    *error = HeapCopy(text);
}

void SetErrorFormat(char** error, const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::vector<char> text(n > 0 ? n + 1 : 1, '\0');
    if (n > 0) std::vsnprintf(text.data(), text.size(), format, again);
    va_end(again);
    SetError(error, text.data());
}

void ClearError(char** error) {
    if (!error) return;
    std::free(*error);
    *error = nullptr;
}

char* TakeJavaException(JNIEnv* env) {
    jthrowable thrown = env->ExceptionOccurred();
    if (!thrown) return nullptr;
    env->ExceptionClear();
    {
        std::lock_guard<std::mutex> lock(g_lastExceptionLock);
        if (g_lastException) env->DeleteGlobalRef(g_lastException);
        g_lastException = env->NewGlobalRef(thrown);
    }
    char* text = nullptr;
    jclass writerClass = env->FindClass("java/io/StringWriter");
    jclass printerClass = env->FindClass("java/io/PrintWriter");
    if (writerClass && printerClass) {
        jobject writer = env->NewObject(writerClass, env->GetMethodID(writerClass, "<init>", "()V"));
        jobject printer = writer ? env->NewObject(printerClass, env->GetMethodID(printerClass, "<init>", "(Ljava/io/Writer;)V"), writer)
                                 : nullptr;
        if (printer) {
            jclass thrownClass = env->GetObjectClass(thrown);
            env->CallVoidMethod(thrown, env->GetMethodID(thrownClass, "printStackTrace", "(Ljava/io/PrintWriter;)V"), printer);
            env->CallVoidMethod(printer, env->GetMethodID(printerClass, "close", "()V"));
            env->CallVoidMethod(writer, env->GetMethodID(writerClass, "flush", "()V"));
            jstring trace = static_cast<jstring>(
                env->CallObjectMethod(writer, env->GetMethodID(writerClass, "toString", "()Ljava/lang/String;")));
            if (!env->ExceptionCheck()) text = JstringToAnsiCopy(env, trace);
            env->DeleteLocalRef(trace);
            env->DeleteLocalRef(thrownClass);
        }
        env->DeleteLocalRef(printer);
        env->DeleteLocalRef(writer);
    }
    env->ExceptionClear();  // a failure while printing must not stay pending
    env->DeleteLocalRef(writerClass);
    env->DeleteLocalRef(printerClass);
    env->DeleteLocalRef(thrown);
    // A message is always given, even when the trace could not be printed.
    return text ? text : HeapCopy("Java exception");
}

}  // namespace brivel::c2j

using namespace brivel::c2j;

extern "C" jobject C2jGetLastException(void) {
    std::lock_guard<std::mutex> lock(g_lastExceptionLock);
    return g_lastException;
}

extern "C" void C2jClearLastException(void) {
    std::lock_guard<std::mutex> lock(g_lastExceptionLock);
    g_lastException = nullptr;  // the slot lets go without releasing
}

extern "C" BSTR C2jGetLastExceptionClass(void) {
    JNIEnv* env = JavaLoaded() ? GetThreadEnv(nullptr) : nullptr;
    if (!env) return nullptr;
    std::lock_guard<std::mutex> lock(g_lastExceptionLock);
    if (!g_lastException) return nullptr;
    jclass cls = env->GetObjectClass(g_lastException);
    jclass classClass = env->FindClass("java/lang/Class");
    jstring name = static_cast<jstring>(
        env->CallObjectMethod(cls, env->GetMethodID(classClass, "getName", "()Ljava/lang/String;")));
    BSTR result = brivelJstringToBstr(env, name);
    env->DeleteLocalRef(name);
    env->DeleteLocalRef(classClass);
    env->DeleteLocalRef(cls);
    return result;
}

extern "C" void C2jFreeMem(void* ptr) { std::free(ptr); }

namespace {
CRITICAL_SECTION* CtorErrorLock() {
    static CRITICAL_SECTION* lock = [] {
        auto* section = new CRITICAL_SECTION;
        InitializeCriticalSection(section);
        return section;
    }();
    return lock;
}
}  // namespace

extern "C" char* C2jCtorError(char** err) {
    if (!err) return nullptr;
    EnterCriticalSection(CtorErrorLock());
    char* text = *err;
    *err = nullptr;
    LeaveCriticalSection(CtorErrorLock());
    return text;
}
