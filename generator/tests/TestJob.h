// A generation job for tests: records what it reports, and COM set up for
// the test's thread.
//
// These tests name the case of a loop in each assertion's message rather
// than with SCOPED_TRACE: GoogleTest keeps its trace stack per thread and on
// Windows starts a watcher thread for every thread that uses it. That thread
// is still waiting when the process exits, and under Wine, on a loaded
// machine, the process can then die of a segmentation fault at exit.
#pragma once

#include "BridgeGenerator.h"
#include "NamingHelpers.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

class CTestJob : public CBridgeGenerator {
public:
    void ReportMessage(const char* a, const char* b) override { messages.push_back(std::string(a) + ": " + b); }
    std::vector<std::string> messages;
};

// COM lasts the fixture's whole life: the members of a derived fixture (a
// job, whose destructor releases its type libraries) are destroyed before
// this base, so before COM ends on the thread.
class ComTest : public ::testing::Test {
protected:
    ComTest() : m_comStarted(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComTest() override {
        if (m_comStarted) CoUninitialize();
    }
    void SetUp() override { ASSERT_TRUE(m_comStarted); }
    void TearDown() override {}

private:
    bool m_comStarted;
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

// How many threads this process runs (-1 when they cannot be listed). A
// generation run starts none: the test's own thread is the only one.
inline int ThreadsOfThisProcess() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    int count = 0;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
    CloseHandle(snapshot);
    return count;
}
