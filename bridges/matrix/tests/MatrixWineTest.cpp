// The shape matrix under Wine: every cell calls the natives of the win32
// bridge DLL with the real __stdcall convention, from C++, through the JNI
// environment of the tests' own (wine/FakeJava), against the shapes server;
// the event cells fire into the sinks the listeners' natives made. Records
// with an identifier run for real here: the library is registered. Cases
// as on the VM (MatrixJvmTest): failed cells fail the case, and so does a
// case that ran another number of cells than the table has for its paths
// (MatrixCounts.h, written from the table).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <iostream>
#include <string>

#include "../wine/WineCells.h"
#include "MatrixCounts.h"
#include "ProgramFolder.h"

using brivel::testing::ProgramFolder;
using matrixwine::Cell;
using matrixwine::Cells;

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
    // Runs the cells of the paths: each must pass, and they must be as many
    // as the table has for the paths.
    void RunCells(std::initializer_list<const char*> paths) {
        std::string failed;
        int passed = 0, ran = 0, expected = 0;
        // BRIVEL_MATRIX_TRACE names each cell before it runs (to find one that ends the process).
        const bool trace = std::getenv("BRIVEL_MATRIX_TRACE") != nullptr;
        ASSERT_NE(g_cells, nullptr);
        Cells& cells = *g_cells;
        for (const char* path : paths) expected += matrixcounts::CellsOf(path);
        for (int i = 0; i < matrixwine::kCellCount; ++i) {
            const Cell& cell = matrixwine::kCells[i];
            bool onPath = false;
            for (const char* path : paths) onPath = onPath || std::strcmp(cell.path, path) == 0;
            if (!onPath) continue;
            if (trace) std::cout << "cell " << cell.name << std::endl;
            ++ran;
            std::string failure = cells.Run(cell);
            if (!failure.empty())
                failed += std::string("FAIL ") + cell.name + ": " + failure + "\n";
            else
                ++passed;
        }
        std::cout << ran << " cells, " << passed << " passed" << std::endl << failed;
        EXPECT_GT(expected, 0);
        EXPECT_EQ(ran, expected) << "cells run, against the table's count";
        EXPECT_TRUE(failed.empty()) << "cells failed (listed above)";
    }
};

}  // namespace

TEST_F(MatrixUnderWine, EveryShapeThroughIDispatch) {
    RunCells({"dispatch"});
}

TEST_F(MatrixUnderWine, EveryShapeThroughTheVirtualTable) {
    RunCells({"vtable"});
}

TEST_F(MatrixUnderWine, EveryEventShapeIntoBothSinks) {
    RunCells({"dispatchEvents", "vtableEvents"});
}

TEST_F(MatrixUnderWine, EveryEventBothSinksRefuse) {
    RunCells({"dispatchRefused", "vtableRefused"});
}

TEST_F(MatrixUnderWine, EmptyFailingAndWrongAnswersThroughIDispatch) {
    RunCells({"empty", "failing", "wrong"});
}
