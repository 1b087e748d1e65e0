// Java exceptions as text, and the last-exception slot.
#include "RuntimeState.h"

#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include "BrivelC2J18.h"
#include "JniText.h"

namespace brivel::c2j {

namespace {
std::mutex g_lastExceptionLock;
jobject g_lastException = nullptr;  // global reference, owned by the slot
}  // namespace

namespace {
// Clears an exception raised by the last JNI call; true when there was one.
bool Raised(JNIEnv* env) {
    if (!env->ExceptionCheck()) return false;
    env->ExceptionClear();
    return true;
}

// Deletes the local references it holds when it goes.
class LocalRefs {
public:
    explicit LocalRefs(JNIEnv* env) : env_(env) {}
    ~LocalRefs() {
        for (jobject ref : refs_) env_->DeleteLocalRef(ref);
    }
    template <typename T>
    T operator()(T ref) {
        refs_.push_back(ref);
        return ref;
    }

private:
    JNIEnv* env_;
    std::vector<jobject> refs_;
};

// What printStackTrace prints; false when printing failed (an exception it
// raised is cleared: no JNI call is made with one pending).
bool PrintedStackTrace(JNIEnv* env, jthrowable thrown, std::string& text) {
    LocalRefs refs(env);
    jclass writerClass = refs(env->FindClass("java/io/StringWriter"));
    if (Raised(env) || !writerClass) return false;
    jclass printerClass = refs(env->FindClass("java/io/PrintWriter"));
    if (Raised(env) || !printerClass) return false;
    jmethodID newWriter = env->GetMethodID(writerClass, "<init>", "()V");
    jmethodID newPrinter = newWriter ? env->GetMethodID(printerClass, "<init>", "(Ljava/io/Writer;)V") : nullptr;
    jmethodID close = newPrinter ? env->GetMethodID(printerClass, "close", "()V") : nullptr;
    jmethodID flush = close ? env->GetMethodID(writerClass, "flush", "()V") : nullptr;
    jmethodID toString = flush ? env->GetMethodID(writerClass, "toString", "()Ljava/lang/String;") : nullptr;
    if (Raised(env) || !toString) return false;
    jclass thrownClass = refs(env->GetObjectClass(thrown));
    jmethodID print = env->GetMethodID(thrownClass, "printStackTrace", "(Ljava/io/PrintWriter;)V");
    if (Raised(env) || !print) return false;

    jobject writer = refs(env->NewObject(writerClass, newWriter));
    if (Raised(env) || !writer) return false;
    jobject printer = refs(env->NewObject(printerClass, newPrinter, writer));
    if (Raised(env) || !printer) return false;
    env->CallVoidMethod(thrown, print, printer);
    if (Raised(env)) return false;
    env->CallVoidMethod(printer, close);
    if (Raised(env)) return false;
    env->CallVoidMethod(writer, flush);
    if (Raised(env)) return false;
    auto trace = refs(static_cast<jstring>(env->CallObjectMethod(writer, toString)));
    if (Raised(env) || !trace) return false;
    text = JstringToAnsi(env, trace);
    return true;
}

// The exception's class name (java.lang.Class.getName), or a general text.
std::string ClassNameOf(JNIEnv* env, jthrowable thrown) {
    LocalRefs refs(env);
    jclass thrownClass = refs(env->GetObjectClass(thrown));
    jclass classClass = refs(env->FindClass("java/lang/Class"));
    jmethodID getName = classClass && !Raised(env) ? env->GetMethodID(classClass, "getName", "()Ljava/lang/String;")
                                                   : nullptr;
    if (Raised(env) || !getName) return "Java exception";
    auto name = refs(static_cast<jstring>(env->CallObjectMethod(thrownClass, getName)));
    if (Raised(env) || !name) return "Java exception";
    return JstringToAnsi(env, name);
}
}  // namespace

char* TakePendingJavaException(JNIEnv* env) {
    jthrowable thrown = env->ExceptionOccurred();
    if (!thrown) return nullptr;
    env->ExceptionClear();
    {
        std::lock_guard<std::mutex> lock(g_lastExceptionLock);
        if (g_lastException) env->DeleteGlobalRef(g_lastException);
        g_lastException = env->NewGlobalRef(thrown);
    }
    // A message is always given: the printed stack trace, or, when printing
    // it fails, the exception's class name.
    std::string text;
    if (!PrintedStackTrace(env, thrown, text)) text = ClassNameOf(env, thrown);
    env->DeleteLocalRef(thrown);
    return HeapCopy(text.c_str());
}

void ForgetLastException() {
    std::lock_guard<std::mutex> lock(g_lastExceptionLock);
    g_lastException = nullptr;  // its VM is gone, and the reference with it
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
    jmethodID getName = classClass ? env->GetMethodID(classClass, "getName", "()Ljava/lang/String;") : nullptr;
    jstring name = getName ? static_cast<jstring>(env->CallObjectMethod(cls, getName)) : nullptr;
    // Nothing is left pending for the caller: a name that cannot be read is none.
    if (env->ExceptionCheck()) {
        env->ExceptionClear();
        name = nullptr;
    }
    BSTR result = brivelJstringToBstr(env, name);
    if (name) env->DeleteLocalRef(name);
    if (classClass) env->DeleteLocalRef(classClass);
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
