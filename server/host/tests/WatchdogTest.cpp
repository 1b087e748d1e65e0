// The stop watchdog with a real process under Wine, in short rounds.
#include "StopWatchdog.h"

#include <gtest/gtest.h>

#include "JavaServerLauncher.h"
#include "RecordingMessages.h"
#include "ServerFolder.h"

using namespace brivel::serverhost;
using brivel::serverhost::testing::RecordingMessages;
using brivel::serverhost::testing::SearchPathFirst;
using brivel::serverhost::testing::ServerFolder;

namespace {
class Watchdog : public ::testing::Test {
protected:
    HANDLE Start(const char* classAndArguments) {
        HANDLE process = nullptr;
        EXPECT_TRUE(launcher_.Launch(messages_, classAndArguments, nullptr, "Test", process)) << messages_.Texts();
        return process;
    }
    ServerFolder server_;
    SearchPathFirst path_{server_.Folder()};
    CJavaServerLauncher launcher_{server_.Folder()};
    RecordingMessages messages_;
};
}  // namespace

TEST_F(Watchdog, AServerThatDoesNotQuitIsReportedEachRoundAndEndedAfterTheLast) {
    HANDLE server = Start("brivel.test.Sleep");
    ASSERT_NE(server, nullptr);
    int reports = 0;
    EXPECT_TRUE(RunStopWatchdog(server, [&] { ++reports; }, {3, 100}));
    EXPECT_EQ(reports, 3);
    EXPECT_EQ(WaitForSingleObject(server, 5000), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(server);
}

TEST_F(Watchdog, AServerThatQuitsEndsTheWatchWithoutTermination) {
    HANDLE server = Start("brivel.test.Print");
    ASSERT_NE(server, nullptr);
    int reports = 0;
    EXPECT_FALSE(RunStopWatchdog(server, [&] { ++reports; }, {100, 100}));
    EXPECT_LT(reports, 100);
    DWORD code = 99;
    GetExitCodeProcess(server, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(server);
    EXPECT_FALSE(RunStopWatchdog(nullptr, [&] { ++reports; }, {3, 100}));  // no server at all
}
