// The runtime's process-wide state and the helpers every export uses:
// messages, the calling thread's JNI environment, Java exceptions as text.
#pragma once

#include <jni.h>
#include <windows.h>

#include <string>

namespace brivel::c2j {

// Stores a heap copy of `text` in *error (when error is not null). A message
// already there is freed first.
void SetError(char** error, const char* text);
// Formats the message first; any length.
void SetErrorFormat(char** error, const char* format, ...);
// Empties *error (freeing a message there).
void ClearError(char** error);

// The calling thread's environment, attaching the thread and creating the VM
// when needed; null with the message otherwise.
JNIEnv* GetThreadEnv(char** error);
// The VM when one exists.
JavaVM* CurrentJavaVm();
bool JavaLoaded();

// The class-loading lock (class table and listener classes).
CRITICAL_SECTION& ClassLoadingLock();

// When a Java exception is pending: keeps it as the last exception, clears
// it and answers its printed stack trace as a heap copy (malloc); null when
// none is pending.
char* TakeJavaException(JNIEnv* env);

// Frees the class table (runtime unloaded).
void ForgetClassTable();

}  // namespace brivel::c2j
