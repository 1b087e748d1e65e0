// A generation job for tests: records what it reports, and COM set up for
// the test's thread.
#pragma once

#include "BridgeGenerator.h"
#include "NamingHelpers.h"

#include <gtest/gtest.h>

#include <objbase.h>

#include <string>
#include <vector>

class CTestJob : public CBridgeGenerator {
public:
    void ReportMessage(const char* a, const char* b) override { messages.push_back(std::string(a) + ": " + b); }
    std::vector<std::string> messages;
};

class ComTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    void TearDown() override { CoUninitialize(); }
};

// An output folder of the running test's own: tests run in parallel
// processes, and generation runs write every file of a bridge.
inline std::string TestOutputFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string("C:\\out\\") + info->test_suite_name() + "." + info->name();
}

inline std::string FixturePath(const char* name) { return std::string(BRIVEL_FIXTURES) + "/" + name; }

// A library of the Wine prefix's system folder.
inline std::string SystemLibraryPath(const char* name) {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\" + name;
}

inline GUID ParseGuid(const char* text) {
    wchar_t wide[64] = {};
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 64);
    GUID guid = {};
    CLSIDFromString(wide, &guid);
    return guid;
}
