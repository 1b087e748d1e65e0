// The shape matrix under Wine: every cell calls the natives of the win32
// bridge DLL with the real __stdcall convention, from C++, through the JNI
// environment of the tests' own (wine/FakeJava), against the shapes server;
// the event cells fire into the sinks the listeners' natives made. Records
// with an identifier run for real here: the library is registered. Cases
// and reports as on the VM (MatrixJvmTest): failed cells fail the case, the
// cases of known failures end skipped, listing them.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "../wine/WineCells.h"
#include "ProgramFolder.h"

using brivel::testing::ProgramFolder;
using matrixwine::Cell;
using matrixwine::Cells;
using matrixwine::Expect;

namespace {

// Registers the library, so that the runtime finds the IRecordInfo of its
// records with an identifier.
void RegisterLibrary() {
    std::string path = std::string("Z:") + MATRIX_TYPE_LIBRARY;
    for (char& c : path)
        if (c == '/') c = '\\';
    std::wstring wide(path.begin(), path.end());
    ITypeLib* library = nullptr;
    ASSERT_EQ(LoadTypeLibEx(wide.c_str(), REGKIND_REGISTER, &library), S_OK) << path;
    library->Release();
}

// One set of cells per process, for all the cases: the bridge and its
// runtime keep the classes and IDs they looked up in the fake VM.
Cells* g_cells = nullptr;

class MatrixEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        RegisterLibrary();
        g_cells = new Cells(ProgramFolder() + "\\JMatrix.dll", ProgramFolder() + "\\brivel_matrix_server.dll");
    }
    void TearDown() override {
        delete g_cells;
        g_cells = nullptr;
        CoUninitialize();
    }
};

const ::testing::Environment* const kEnvironment = ::testing::AddGlobalTestEnvironment(new MatrixEnvironment);

class MatrixUnderWine : public ::testing::Test {
protected:
    // Runs the cells of the paths: the known failures (`known`) or the others.
    void RunCells(std::initializer_list<const char*> paths, bool known) {
        std::string failed, listed;
        int passed = 0;
        // BRIVEL_MATRIX_TRACE names each cell before it runs (to find one that ends the process).
        const bool trace = std::getenv("BRIVEL_MATRIX_TRACE") != nullptr;
        ASSERT_NE(g_cells, nullptr);
        Cells& cells = *g_cells;
        for (int i = 0; i < matrixwine::kCellCount; ++i) {
            const Cell& cell = matrixwine::kCells[i];
            bool onPath = false;
            for (const char* path : paths) onPath = onPath || std::strcmp(cell.path, path) == 0;
            if (!onPath || (cell.expect == Expect::Known) != known) continue;
            if (known && cell.notRun) {
                listed += std::string("KNOWN ") + cell.name + " [" + cell.fault + "]: not run (it would end the process or read undefined memory)\n";
                continue;
            }
            if (trace) std::cout << "cell " << cell.name << std::endl;
            std::string failure = cells.Run(cell);
            if (known && !failure.empty())
                listed += std::string("KNOWN ") + cell.name + " [" + cell.fault + "]: " + failure + "\n";
            else if (known)
                failed += std::string("FAIL ") + cell.name + ": passes now, but the table marks it as failing for \"" + cell.fault + "\"\n";
            else if (!failure.empty())
                failed += std::string("FAIL ") + cell.name + ": " + failure + "\n";
            else
                ++passed;
        }
        std::cout << passed << " passed" << std::endl << failed << listed;
        EXPECT_TRUE(failed.empty()) << "cells failed (listed above)";
        if (known && failed.empty() && !listed.empty()) GTEST_SKIP() << "known failures:\n" << listed;
    }
};

}  // namespace

TEST_F(MatrixUnderWine, EveryShapeThroughIDispatch) {
    RunCells({"dispatch"}, false);
}

TEST_F(MatrixUnderWine, EveryShapeThroughTheVirtualTable) {
    RunCells({"vtable"}, false);
}

TEST_F(MatrixUnderWine, EveryEventShapeIntoBothSinks) {
    RunCells({"dispatchEvents", "vtableEvents"}, false);
}

TEST_F(MatrixUnderWine, EmptyAndFailingAnswersThroughIDispatch) {
    RunCells({"empty", "failing"}, false);
}

TEST_F(MatrixUnderWine, KnownFailures) {
    RunCells({"dispatch", "vtable", "dispatchEvents", "vtableEvents", "empty", "failing"}, true);
}
