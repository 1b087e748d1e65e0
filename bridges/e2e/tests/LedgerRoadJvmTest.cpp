// The whole Java-to-COM road on the real i386 VM: Java programs use the
// Ledger COM server through the generated bridge, the bridge through the
// runtime library. After each program the server must hold no reference
// that a caller forgot to release.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "InprocServerRegistration.h"
#include "ProcAddress.h"
#include "ProgramFolder.h"
#include "TestJvm.h"

using brivel::testing::ProgramFolder;
using brivel::testing::StartTestJvm;
using brivel::testing::TakePendingException;

namespace {
const char kClassKey[] = "CLSID\\{7E2E0000-0000-4000-8000-000000000050}\\InprocServer32";

class LedgerRoad : public ::testing::Test {
protected:
    void RunProgram(const char* name) {
        std::string server = ProgramFolder() + "/libbrivel_e2e_server.so";
        brivel::testing::RegisterInprocServer(kClassKey, server);
        JNIEnv* env = StartTestJvm({BRIVEL18_JAR, BRIVEL_SERVER_JAR, E2E_LEDGER_JAR, E2E_TEST_JAR}, ProgramFolder());
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
        auto outstanding = brivel::ProcAddress<LONG (*)()>(library, "LedgerOutstandingReferences");
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

TEST_F(LedgerRoad, ObjectArgumentsGoAsTheirIDispatch) {
    RunProgram("objectArguments");
}

TEST_F(LedgerRoad, EventArgumentsOfAnotherTypeAreConvertedOrRefused) {
    RunProgram("eventArgumentTypes");
}

TEST_F(LedgerRoad, RefusedRemoteSinkIsReleased) {
    RunProgram("refusedRemoteEvents");
}

TEST_F(LedgerRoad, ObjectArgumentsThroughTheVirtualTableGoAsTheDeclaredInterface) {
    RunProgram("objectArgumentsThroughTheVirtualTable");
}
