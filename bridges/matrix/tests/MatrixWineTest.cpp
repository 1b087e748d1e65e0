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

// Every event cell again while the VM can make no array: no sink crashes;
// an event whose sink makes a Java array for its listener (a one-element
// array, an array, the array an IN/OUT holder brings) is not delivered and
// the listener hears of the OutOfMemoryError; the others go as usual; no
// reference or buffer is left behind.
TEST_F(MatrixUnderWine, EveryEventWhileTheVmCanMakeNoArray) {
    ASSERT_NE(g_cells, nullptr);
    std::string failed;
    int ran = 0, undelivered = 0;
    for (int i = 0; i < matrixwine::kCellCount; ++i) {
        const Cell& cell = matrixwine::kCells[i];
        bool dispatch = std::strcmp(cell.path, "dispatchEvents") == 0;
        if (!dispatch && std::strcmp(cell.path, "vtableEvents") != 0) continue;
        const char* method = std::strchr(cell.name, '.') + 1;
        const char* listener = dispatch ? "matrix/shapes/DShapesEvents" : "matrix/shapes/IShapesEvents";
        bool takesArray = false;
        for (int m = 0; m < matrixwine::kListenerMethodCount; ++m)
            if (std::strcmp(matrixwine::kListenerMethods[m].className, listener) == 0 &&
                std::strcmp(matrixwine::kListenerMethods[m].name, method) == 0)
                takesArray = matrixwine::kListenerMethods[m].makesArray;
        ++ran;
        if (takesArray) ++undelivered;
        std::string failure = g_cells->RunStarved(cell, takesArray);
        if (!failure.empty()) failed += std::string("FAIL ") + cell.name + ": " + failure + "\n";
    }
    std::cout << ran << " events, " << undelivered << " of them with an array" << std::endl << failed;
    EXPECT_EQ(ran, matrixcounts::CellsOf("dispatchEvents") + matrixcounts::CellsOf("vtableEvents"));
    EXPECT_GT(undelivered, 0);
    EXPECT_TRUE(failed.empty()) << "events failed (listed above)";
}
