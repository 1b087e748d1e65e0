// The shape matrix on the real i386 VM: each case runs one Java program of
// the matrix (written from its table) through the checked-in bridge against
// the shapes server. A program returns its report: a line of counts
// ("<program>: <n> cells, <p> passed, <m> failed"), then "FAIL <cell>: <why>"
// for each cell that failed. Failed cells fail the case, and so does a
// program that ran another number of cells than the table has for its
// paths (MatrixCounts.h, written from the table). After each program the
// server must hold no reference a caller forgot.
#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <iostream>
#include <sstream>
#include <string>

#include "InprocServerRegistration.h"
#include "MatrixCounts.h"
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
    "CLSID\\{7E2E7000-0000-4000-8000-000000000053}\\InprocServer32",
};

// Registers the server's classes as the platform registers an in-process server.
void RegisterServer(const std::string& library) {
    for (const char* key : kServerKeys) brivel::testing::RegisterInprocServer(key, library);
}

struct Report {
    int cells = -1;      // the cells the program ran (-1: no report)
    std::string failed;  // the FAIL lines
};

Report Parse(const std::string& text) {
    Report report;
    std::istringstream lines(text);
    std::string counts;
    std::getline(lines, counts);
    size_t colon = counts.find(": ");
    if (colon != std::string::npos) report.cells = std::atoi(counts.c_str() + colon + 2);
    for (std::string line; std::getline(lines, line);) report.failed += line + "\n";
    return report;
}

class MatrixOnTheVm : public ::testing::Test {
protected:
    // Runs matrix.test.<program>.run(): its cells must all pass, they must be
    // as many as the table has for `paths`, and the server must hold no
    // reference afterwards.
    void Passes(const char* program, std::initializer_list<const char*> paths) {
        std::string server = ProgramFolder() + "/libbrivel_matrix_server.so";
        RegisterServer(server);
        JNIEnv* env = StartTestJvm({BRIVEL18_JAR, MATRIX_BRIDGE_JAR, MATRIX_TEST_JAR}, ProgramFolder());
        ASSERT_NE(env, nullptr) << "no VM";
        std::string name = std::string("matrix/test/") + program;
        jclass cls = env->FindClass(name.c_str());
        ASSERT_NE(cls, nullptr) << TakePendingException(env).message;
        jmethodID run = env->GetStaticMethodID(cls, "run", "()Ljava/lang/String;");
        ASSERT_NE(run, nullptr) << TakePendingException(env).message;
        auto text = static_cast<jstring>(env->CallStaticObjectMethod(cls, run));
        auto failure = TakePendingException(env);
        EXPECT_EQ(failure.className + failure.message, "") << "the program ended with an exception";
        Report report;
        if (text) {
            const char* chars = env->GetStringUTFChars(text, nullptr);
            report = Parse(chars);
            std::cout << chars << std::endl;
            env->ReleaseStringUTFChars(text, chars);
            env->DeleteLocalRef(text);
        }
        env->DeleteLocalRef(cls);

        int expected = 0;
        for (const char* path : paths) expected += matrixcounts::CellsOf(path);
        EXPECT_GT(expected, 0);
        EXPECT_EQ(report.cells, expected) << "cells run, against the table's count";
        EXPECT_TRUE(report.failed.empty()) << "cells failed (listed above)";

        HMODULE library = LoadLibraryA(server.c_str());
        ASSERT_NE(library, nullptr);
        auto outstanding = brivel::ProcAddress<LONG (*)()>(library, "MatrixOutstandingReferences");
        ASSERT_NE(outstanding, nullptr);
        EXPECT_EQ(outstanding(), 0) << "references the Java program did not release";
    }
};

}  // namespace

TEST_F(MatrixOnTheVm, EveryShapeThroughIDispatch) {
    Passes("DispatchCalls", {"dispatch"});
}

TEST_F(MatrixOnTheVm, EveryShapeThroughTheVirtualTable) {
    Passes("VtableCalls", {"vtable"});
}

TEST_F(MatrixOnTheVm, EveryEventShapeIntoTheDispatchSinkAndItsRefusals) {
    Passes("DispatchEvents", {"dispatchEvents", "dispatchRefused"});
}

TEST_F(MatrixOnTheVm, EveryEventShapeIntoTheVirtualTableSinkAndItsRefusals) {
    Passes("VtableEvents", {"vtableEvents", "vtableRefused"});
}

TEST_F(MatrixOnTheVm, EmptyFailingAndWrongAnswersThroughIDispatch) {
    Passes("AnswerCalls", {"empty", "failing", "wrong"});
}
