// The runtime's process-wide state and the helpers every export uses:
// messages, the calling thread's JNI environment, Java exceptions as text.
#pragma once

#include <jni.h>
#include <windows.h>

#include <string>

#include "Messages.h"

namespace brivel::c2j {

// The calling thread's environment, attaching the thread and creating the VM
// when needed; null with the message otherwise.
JNIEnv* GetThreadEnv(char** error);
// The VM when one exists.
JavaVM* CurrentJavaVm();
bool JavaLoaded();

// The class-loading lock (class table and listener classes).
CRITICAL_SECTION& ClassLoadingLock();

// When a Java exception is pending: keeps it as the last exception, clears
// it and answers its printed stack trace (its class name when printing
// fails) as a heap copy (malloc); null when none is pending.
char* TakeJavaException(JNIEnv* env);

// Frees the class table (runtime unloaded; the caller holds the class-loading
// lock).
void ForgetClassTable();
// Empties the last-exception slot (runtime unloaded).
void ForgetLastException();

}  // namespace brivel::c2j
