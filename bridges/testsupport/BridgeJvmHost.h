// The host of a bridge's tests on the real i386 VM: a registry of the test's
// own where the bridge's test server stands under the classes the bridge
// asks for; the server loaded and its exports at hand; the VM with the
// bridge's classes and the test programs; the Java side's road (static
// methods the tests call) and listener class (the events it heard).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ProcAddress.h"
#include "TempFolder.h"
#include "TestJvm.h"

// What tells one bridge's host from another's.
struct BridgeTestSetup {
    const char* serverLibrary;        // in the program's folder, e.g. "libbrivel_sample_server.so"
    const char* outstandingExport;    // the server's count of references callers still hold
    const char* bridgeLibrary;        // the bridge the VM loads, e.g. "libJnavctl.so"
    const char* roadClass;            // e.g. "sample/test/SampleRoad"
    const char* listenerClass;        // its static take() and failing field
    std::vector<std::string> classPath;  // beside the checks the programs share
};

class BridgeJvmHost : public brivel::testing::TempFolderTest {
protected:
    explicit BridgeJvmHost(BridgeTestSetup setup) : setup_(std::move(setup)) {}

    // Registers the server (RegisterServer), loads it (FindExports) and
    // starts the VM; the bridge's load hook runs when the first of its
    // classes loads, after the registration.
    void SetUp() override;
    // Checks that the server's objects hold no reference a caller forgot.
    void TearDown() override;

    // The server's classes in the registry, and its exports for the tests.
    virtual void RegisterServer(const std::string& library) = 0;
    virtual void FindExports() = 0;
    // Writes a text value under HKEY_CLASSES_ROOT.
    static void SetText(const std::string& keyPath, const char* name, const std::string& value);
    // The server as the platform registers an in-process server of the class.
    static void RegisterClass(const std::string& clsid, const std::string& library);
    template <typename F>
    F Export(const char* name) {
        return brivel::ProcAddress<F>(server_, name);
    }

    // Calls a static method of the road class; a Java exception fails the
    // test with its class and message. A boolean result is a non-null answer
    // for true.
    jobject CallRoad(const char* name, const char* signature, ...);
    void RunProgram(const char* name);
    // What the listeners heard since the last call, one event a line.
    std::string Heard();
    // Makes the listeners throw in the event of that name ("" for none).
    void SetFailing(const char* event);
    // The event sink the bridge made for a Java listener.
    IDispatch* SinkOfListener(jobject listener);
    // A native of the bridge the VM loaded; null when it has none such.
    void* BridgeNative(const char* name);

    JNIEnv* env_ = nullptr;
    HMODULE server_ = nullptr;

private:
    BridgeTestSetup setup_;
    LONG (*outstanding_)() = nullptr;
};

std::string JavaText(JNIEnv* env, jstring text);
// The folder of the test program, where the build puts the libraries.
std::string BinFolder();
