// A Java listener ("probe") of a generated bridge, created on the real i386
// VM, with its sink's event interface held as a COM caller holds it: tests
// call the interface's methods through the virtual table and read what the
// listener logged.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <oaidl.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "TestJvm.h"

namespace brivel::testing {

// The folder of the test program, where the bridge libraries lie.
inline std::string TestProgramFolder() {
    char program[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, program, sizeof program);
    std::string path(program, n);
    return path.substr(0, path.rfind('/'));
}

template <typename Events>
class ProbedSink : public ::testing::Test {
protected:
    // Starts the VM with the jars, creates the probe class's listener and
    // takes its sink's interface `iid`. The class and the listener are held
    // by global references: tests use them from their event threads too.
    void StartProbe(std::initializer_list<const char*> jars, const char* probeClassName, const IID& iid) {
        env = StartTestJvm(std::vector<std::string>(jars.begin(), jars.end()), TestProgramFolder());
        ASSERT_NE(env, nullptr);
        jclass found = env->FindClass(probeClassName);
        ASSERT_NE(found, nullptr) << TakePendingException(env).message;
        probeClass = static_cast<jclass>(env->NewGlobalRef(found));
        env->DeleteLocalRef(found);
        jobject made = env->NewObject(probeClass, env->GetMethodID(probeClass, "<init>", "()V"));
        ASSERT_NE(made, nullptr) << TakePendingException(env).message;
        probe = env->NewGlobalRef(made);
        env->DeleteLocalRef(made);
        jclass listener = env->FindClass("brivel/TavoEventListener");
        auto* sink = reinterpret_cast<IUnknown*>(
            static_cast<intptr_t>(env->GetIntField(probe, env->GetFieldID(listener, "__TavoEventSink", "I"))));
        ASSERT_NE(sink, nullptr);
        ASSERT_EQ(sink->QueryInterface(iid, reinterpret_cast<void**>(&events)), S_OK);
    }
    void TearDown() override {
        if (events) events->Release();
    }
    // What the listener logged since the last call.
    std::string Log() {
        jfieldID logField = env->GetFieldID(probeClass, "log", "Ljava/lang/String;");
        auto text = static_cast<jstring>(env->GetObjectField(probe, logField));
        const char* chars = env->GetStringUTFChars(text, nullptr);
        std::string log(chars);
        env->ReleaseStringUTFChars(text, chars);
        env->SetObjectField(probe, logField, env->NewStringUTF(""));
        return log;
    }

    JNIEnv* env = nullptr;
    jclass probeClass = nullptr;
    jobject probe = nullptr;
    Events* events = nullptr;
};

}  // namespace brivel::testing
