// A bridge DLL under Wine: the platform's loader runs its DllMain (the load
// hook); its natives are called with the real __stdcall convention through
// a JNI environment of the tests' own (the shape matrix's FakeJava).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "FakeJava.h"
#include "ProcAddress.h"
#include "ProgramFolder.h"

typedef jstring(JNICALL* GuidNative)(JNIEnv*, jclass);
typedef jboolean(JNICALL* CreateNative)(JNIEnv*, jobject, jboolean, jboolean);

class BridgeUnderWine : public ::testing::Test {
protected:
    // Loads the bridge from the program's folder; define the Java classes
    // its load hook looks up in java_ first.
    void LoadBridge(const char* dll) {
        bridge_ = LoadLibraryA((brivel::testing::ProgramFolder() + "\\" + dll).c_str());
        ASSERT_NE(bridge_, nullptr) << "the loader ran the load hook: " << GetLastError();
    }
    void TearDown() override {
        if (bridge_) FreeLibrary(bridge_);
    }

    // A native by its decorated name; a missing one fails the test.
    template <typename F>
    F Native(const std::string& name) {
        F f = brivel::ProcAddress<F>(bridge_, name.c_str());
        EXPECT_NE(f, nullptr) << name;
        return f;
    }

    fakejava::FakeJava java_;
    HMODULE bridge_ = nullptr;
};
