// A real Java VM inside a test process (linux32): the i386 libjvm.so is
// loaded with dlopen, as the product loads jvm.dll. A process can create one
// VM, so each test that needs one runs in its own process.
#pragma once

#include <gtest/gtest.h>
#include <jni.h>

#include <string>
#include <vector>

namespace brivel::testing {

// Creates the process's VM (once) with the class path and the folder that
// System.loadLibrary searches; later calls return the same environment.
// Fails the current test and returns null when the VM cannot be created.
JNIEnv* StartTestJvm(const std::vector<std::string>& classPath, const std::string& libraryPath);

// The pending Java exception's class name and message, cleared; empty when
// none is pending.
struct PendingException {
    std::string className;
    std::string message;
};
PendingException TakePendingException(JNIEnv* env);

// What a Java call answered, for a call that must not throw: the current
// test fails when it did (and the exception is taken).
template <typename T>
T Answered(JNIEnv* env, T answer) {
    PendingException thrown = TakePendingException(env);
    EXPECT_EQ(thrown.className, "") << thrown.message;
    return answer;
}

// The number of JNI local references that the calling thread holds, as the
// VM itself reports them (its JVMTI heap walk names each local reference
// among the roots, with its thread). -1 when the VM cannot tell.
int CountLocalReferences(JNIEnv* env);

// The number of JNI global references to `object` (which the caller holds
// another reference to), as the VM reports them. -1 when the VM cannot tell.
int CountGlobalReferencesTo(JNIEnv* env, jobject object);

}  // namespace brivel::testing
