// The whole Java-to-COM road on the real i386 VM: Java programs use the
// Ledger COM server through the generated bridge, the bridge through the
// runtime library. After each program the server must hold no reference
// that a caller forgot to release.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "TestJvm.h"

using brivel::testing::StartTestJvm;
using brivel::testing::TakePendingException;

namespace {
const char kClassKey[] = "CLSID\\{7E2E0000-0000-4000-8000-000000000050}\\InprocServer32";

std::string BinFolder() {
    char program[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, program, sizeof program);
    std::string path(program, n);
    return path.substr(0, path.rfind('/'));
}

// Registers the server as the platform registers an in-process server.
void RegisterServer(const std::string& library) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, kClassKey, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(library.c_str()),
                             static_cast<DWORD>(library.size() + 1)),
              ERROR_SUCCESS);
    RegSetValueExA(key, "ThreadingModel", 0, REG_SZ, reinterpret_cast<const BYTE*>("Both"), 5);
    RegCloseKey(key);
}

class LedgerRoad : public ::testing::Test {
protected:
    void RunProgram(const char* name) {
        std::string server = BinFolder() + "/libbrivel_e2e_server.so";
        RegisterServer(server);
        JNIEnv* env = StartTestJvm({BRIVEL18_JAR, BRIVEL_SERVER_JAR, E2E_LEDGER_JAR, E2E_TEST_JAR}, BinFolder());
        ASSERT_NE(env, nullptr);
        jclass road = env->FindClass("e2e/test/LedgerRoad");
        ASSERT_NE(road, nullptr) << TakePendingException(env).message;
        jmethodID program = env->GetStaticMethodID(road, name, "()V");
        ASSERT_NE(program, nullptr);
        env->CallStaticVoidMethod(road, program);
        auto failure = TakePendingException(env);
        EXPECT_EQ(failure.className + failure.message, "");

        HMODULE library = LoadLibraryA(server.c_str());
        ASSERT_NE(library, nullptr);
        auto outstanding = reinterpret_cast<LONG (*)()>(GetProcAddress(library, "LedgerOutstandingReferences"));
        ASSERT_NE(outstanding, nullptr);
        EXPECT_EQ(outstanding(), 0) << "references the Java program did not release";
    }
};
}  // namespace

TEST_F(LedgerRoad, MethodsAndPropertiesOfEveryShape) {
    RunProgram("shapes");
}

TEST_F(LedgerRoad, ServerErrorArrivesWithItsDescription) {
    RunProgram("errors");
}

TEST_F(LedgerRoad, CollectionIsEnumerated) {
    RunProgram("collection");
}

TEST_F(LedgerRoad, CollectionIsEnumeratedWhileAnotherBridgeIsLoaded) {
    RunProgram("collectionBesideAnotherBridge");
}

TEST_F(LedgerRoad, EventsArriveFromTheCallingAndFromAnotherThread) {
    RunProgram("events");
}

TEST_F(LedgerRoad, DatesCrossAsPropertiesArgumentsOutValuesAndEvents) {
    RunProgram("dates");
}

TEST_F(LedgerRoad, RecordsCrossInAndOutAsResultsAndInEvents) {
    RunProgram("records");
}

TEST_F(LedgerRoad, ArraysCrossThroughInvokeAndInAnEvent) {
    RunProgram("arraysThroughInvoke");
}

TEST_F(LedgerRoad, ArraysCrossThroughTheVirtualTable) {
    RunProgram("arraysThroughTheVirtualTable");
}

TEST_F(LedgerRoad, EventsOfARemoteClientGoThroughTheServersForwarder) {
    RunProgram("remoteEvents");
}
