// The host of the sample bridge's tests on the real i386 VM: a registry of
// the test's own where the sample server stands under the control's class
// identifier; the VM with the bridge's classes and the test programs; the
// server's exports.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "SampleServer.h"
#include "TempFolder.h"
#include "TestJvm.h"

class SampleHost : public brivel::testing::TempFolderTest {
protected:
    // Registers the server and starts the VM; the bridge's load hook runs
    // when the first of its classes loads, after the registration.
    void SetUp() override;
    // Checks that the server's objects hold no reference a caller forgot.
    void TearDown() override;

    // Calls a static method of sample.test.SampleRoad; a Java exception
    // fails the test with its class and message. A boolean result is a
    // non-null answer for true.
    jobject CallRoad(const char* name, const char* signature, ...);
    void RunProgram(const char* name);
    // The calls the control received since the last time, one a line.
    std::string Calls();
    // What the listener heard since the last call, one event a line.
    std::string Heard();

    JNIEnv* env_ = nullptr;
    HMODULE server_ = nullptr;
    SampleFireFn fire_ = nullptr;
    SampleSinksFn sinks_ = nullptr;
    SampleCallsFn calls_ = nullptr;
    SampleFailCallsFn failCalls_ = nullptr;
    SampleOutstandingReferencesFn outstanding_ = nullptr;
};

std::string JavaText(JNIEnv* env, jstring text);
// The folder of the test program, where the build puts the libraries.
std::string BinFolder();
