// How the runtime library defines its exported C functions (the public
// header declares them as the bridges import them).
#pragma once

#include <windows.h>
#include <objbase.h>
#include <ole2.h>
#include <olectl.h>
#include <jni.h>
#include <stdarg.h>

#ifdef _WIN32
#define BRIVEL_RT extern "C" __declspec(dllexport)
#else
#define BRIVEL_RT extern "C" __attribute__((visibility("default")))
#endif

typedef HRESULT (*_ThunkFunc)(IUnknown* pUnk, va_list ap);

// Internal helpers shared by the runtime's files.
namespace brivel::rt {
// Raising. The calling thread keeps a note that the runtime left a Java
// exception pending; brivelCheckFatalError answers from that note and asks
// the VM only when it is set, so that a call that raised nothing costs no
// VM transition. Every exception the runtime leaves pending is noted here:
// the ones it throws itself (ThrowJava, Throw) and the ones a JNI call or
// Java code raised while it worked (NoteIfPending where such a call failed).
void NoteRaised();
// Notes the pending exception, if any; answers whether one is pending.
bool NoteIfPending(JNIEnv* env);
// Throws a new `className` with the message (modified UTF-8) and notes it;
// when the class cannot be found its NoClassDefFoundError is noted instead.
void ThrowJava(JNIEnv* env, const char* className, const char* message);
// Throws the exception object and notes it.
void Throw(JNIEnv* env, jthrowable exception);

// Notes what a function that calls JNI left pending when it returns: for
// the runtime's longer functions, which have many ways of failing.
class PendingNote {
public:
    explicit PendingNote(JNIEnv* env) : env_(env) {}
    ~PendingNote() {
        if (env_) NoteIfPending(env_);
    }
    PendingNote(const PendingNote&) = delete;
    PendingNote& operator=(const PendingNote&) = delete;

private:
    JNIEnv* env_;
};

// Whether the product's class and member IDs are known (looked up now when
// they are not yet, in `env`); false with the VM's error pending and noted.
// The ID getters answer null only then.
bool HaveIds(JNIEnv* env);

JNIEnv* CurrentEnv();
}  // namespace brivel::rt
