// The shape matrix on the real i386 VM: each case runs one Java program of
// the matrix (written from its table) through the checked-in bridge against
// the shapes server. A program returns its report: a line of counts, then
// "FAIL <cell>: <why>" for each cell that failed and "KNOWN <cell> [<fault>]:
// <why>" for each cell that fails for a fault the table names. Failed cells
// fail the case; the programs of known failures end as skipped, listing them.
// After each program the server must hold no reference a caller forgot.
#include <gtest/gtest.h>
#include <windows.h>

#include <iostream>
#include <sstream>
#include <string>

#include "InprocServerRegistration.h"
#include "ProcAddress.h"
#include "ProgramFolder.h"
#include "TestJvm.h"

using brivel::testing::ProgramFolder;
using brivel::testing::StartTestJvm;
using brivel::testing::TakePendingException;

namespace {

const char kServerKeys[][80] = {
    "CLSID\\{7E2E7000-0000-4000-8000-000000000050}\\InprocServer32",
    "CLSID\\{7E2E7000-0000-4000-8000-000000000051}\\InprocServer32",
    "CLSID\\{7E2E7000-0000-4000-8000-000000000052}\\InprocServer32",
};

// Registers the server's classes as the platform registers an in-process server.
void RegisterServer(const std::string& library) {
    for (const char* key : kServerKeys) brivel::testing::RegisterInprocServer(key, library);
}

struct Report {
    std::string counts;
    std::string failed;  // the FAIL lines
    std::string known;   // the KNOWN lines
};

Report Parse(const std::string& text) {
    Report report;
    std::istringstream lines(text);
    std::getline(lines, report.counts);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("KNOWN ", 0) == 0) report.known += line + "\n";
        else report.failed += line + "\n";
    }
    return report;
}

class MatrixOnTheVm : public ::testing::Test {
protected:
    // Runs matrix.test.<program>.run() and answers its report, with the
    // references the server still counts afterwards.
    Report RunProgram(const char* program, LONG* outstandingAfter) {
        std::string server = ProgramFolder() + "/libbrivel_matrix_server.so";
        RegisterServer(server);
        Report report;
        JNIEnv* env = StartTestJvm({BRIVEL18_JAR, MATRIX_BRIDGE_JAR, MATRIX_TEST_JAR}, ProgramFolder());
        if (!env) {
            ADD_FAILURE() << "no VM";
            return report;
        }
        std::string name = std::string("matrix/test/") + program;
        jclass cls = env->FindClass(name.c_str());
        if (!cls) {
            ADD_FAILURE() << TakePendingException(env).message;
            return report;
        }
        jmethodID run = env->GetStaticMethodID(cls, "run", "()Ljava/lang/String;");
        auto text = static_cast<jstring>(env->CallStaticObjectMethod(cls, run));
        auto failure = TakePendingException(env);
        EXPECT_EQ(failure.className + failure.message, "") << "the program ended with an exception";
        if (text) {
            const char* chars = env->GetStringUTFChars(text, nullptr);
            report = Parse(chars);
            std::cout << chars << std::endl;
            env->ReleaseStringUTFChars(text, chars);
        }

        HMODULE library = LoadLibraryA(server.c_str());
        EXPECT_NE(library, nullptr);
        auto outstanding = brivel::ProcAddress<LONG (*)()>(library, "MatrixOutstandingReferences");
        EXPECT_NE(outstanding, nullptr);
        *outstandingAfter = outstanding ? outstanding() : -1;
        return report;
    }

    // A program of cells that must pass.
    void Passes(const char* program) {
        LONG outstanding = 0;
        Report report = RunProgram(program, &outstanding);
        EXPECT_EQ(outstanding, 0) << "references the Java program did not release";
        EXPECT_TRUE(report.failed.empty()) << "cells failed (listed above)";
        EXPECT_TRUE(report.known.empty()) << "known failures belong to the programs of known failures";
    }

    // A program of the cells that fail for a known fault: each must still
    // fail (one that passes now is a failure: the table must switch it on);
    // the case ends skipped, listing them (what their faults leak included).
    void FailsAsKnown(const char* program) {
        LONG outstanding = 0;
        Report report = RunProgram(program, &outstanding);
        EXPECT_TRUE(report.failed.empty()) << "cells failed (listed above)";
        if (!HasFailure() && !report.known.empty())
            GTEST_SKIP() << "known failures (" << outstanding << " server reference(s) left by them):\n" << report.known;
    }
};

}  // namespace

TEST_F(MatrixOnTheVm, EveryShapeThroughIDispatch) {
    Passes("DispatchCalls");
}

TEST_F(MatrixOnTheVm, EveryShapeThroughTheVirtualTable) {
    Passes("VtableCalls");
}

TEST_F(MatrixOnTheVm, EveryEventShapeIntoTheDispatchSink) {
    Passes("DispatchEvents");
}

TEST_F(MatrixOnTheVm, EveryEventShapeIntoTheVirtualTableSink) {
    Passes("VtableEvents");
}

TEST_F(MatrixOnTheVm, EmptyAndFailingAnswersThroughIDispatch) {
    Passes("AnswerCalls");
}

TEST_F(MatrixOnTheVm, KnownFailuresOfCalls) {
    FailsAsKnown("KnownCallFailures");
}

TEST_F(MatrixOnTheVm, KnownFailuresOfDispatchEvents) {
    FailsAsKnown("KnownDispatchEventFailures");
}

TEST_F(MatrixOnTheVm, KnownFailuresOfVirtualTableEvents) {
    FailsAsKnown("KnownVtableEventFailures");
}
