// The runtime's process-wide state and the helpers every export uses:
// messages, the calling thread's JNI environment, Java exceptions as text.
#pragma once

#include <jni.h>
#include <windows.h>

#include <string>

#include "Messages.h"
#include "ThreadEnv.h"

namespace brivel::c2j {

// The calling thread's environment, attaching the thread and creating the VM
// when needed; null with the message otherwise. Inline: every call of the
// calling interface asks, and all but a thread's first find it kept.
JNIEnv* AttachThreadEnv(char** error);
inline JNIEnv* GetThreadEnv(char** error) {
    if (JNIEnv* env = KeptEnv()) return env;
    return AttachThreadEnv(error);
}
// A VM exists (it may be unloading).
bool JavaLoaded();
// C2jUnload is destroying the VM: calls that would start using it (a
// thread's first call, class loads, hosting) answer with this message.
bool Unloading();
extern const char kUnloadingMessage[];

// The class-loading lock (class table and listener classes).
CRITICAL_SECTION& ClassLoadingLock();

// When a Java exception is pending: keeps it as the last exception, clears
// it and answers its printed stack trace (its class name when printing
// fails) as a heap copy (malloc); null when none is pending. Every access
// asks: ExceptionCheck answers that without making a local reference, and
// only a pending exception is taken (TakePendingJavaException).
char* TakePendingJavaException(JNIEnv* env);
inline char* TakeJavaException(JNIEnv* env) {
    return env->ExceptionCheck() ? TakePendingJavaException(env) : nullptr;
}

// The name of a class as java.lang.Class.getName gives it (dotted); null,
// with no exception left pending, when it cannot be had.
jstring ClassName(JNIEnv* env, jclass cls);

// Frees the class table (runtime unloaded; the caller holds the class-loading
// lock).
void ForgetClassTable();
// Empties the last-exception slot (runtime unloaded).
void ForgetLastException();

}  // namespace brivel::c2j
