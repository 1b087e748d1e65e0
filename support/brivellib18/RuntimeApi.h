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
void ThrowJava(JNIEnv* env, const char* className, const char* message);
JNIEnv* CurrentEnv();
}  // namespace brivel::rt
