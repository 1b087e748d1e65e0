// The control request as the setup dialog and the service send it, with
// the port of the configuration's item list, against a listener that plays
// the server's side, under Wine.
#include "ServerControl.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "BrvServerConfig.h"
#include "RecordingMessages.h"
#include "ScriptedControlServer.h"
#include "SocketsForTests.h"

using namespace brivel::serverhost;
using brivel::serverhost::testing::RecordingMessages;
using brivel::serverhost::testing::ScriptedControlServer;
using brivel::serverhost::testing::UnusedPort;
using namespace std::string_literals;

namespace {
const std::string kRunningWithThree = "\x07\x00O\x03\x00\x00\x00"s;
const std::string kQuitting = "\x07\x00Q\x00\x00\x00\x00"s;

class ServerControl : public ::testing::Test {
protected:
    // The item list is this process's own: the file is not involved.
    void UsePort(int port) { BrvServerSetConfigItemInt("defaultPort", port, nullptr); }
    void TearDown() override { BrvServerDeleteConfigItem("defaultPort"); }

    brivel::serverhost::testing::SocketsForTests sockets_;
    RecordingMessages messages_;
    DWORD count_ = 99;
    bool unreachable_ = true;
};
}  // namespace

TEST_F(ServerControl, ARunningServersCountComesBackAndNothingIsShown) {
    ScriptedControlServer server(kRunningWithThree);
    UsePort(server.Port());
    EXPECT_FALSE(SendControlRequest(messages_, true, false, count_, unreachable_));
    EXPECT_EQ(count_, 3u);
    EXPECT_FALSE(unreachable_);
    EXPECT_EQ(server.Request(), "\x04\x00Q1"s);
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(ServerControl, NobodyListeningIsUnreachableAndSaidSoOnlyWhenAsked) {
    UsePort(UnusedPort());
    EXPECT_FALSE(SendControlRequest(messages_, false, false, count_, unreachable_));
    EXPECT_TRUE(unreachable_);
    EXPECT_TRUE(messages_.messages.empty());
    EXPECT_FALSE(SendControlRequest(messages_, true, false, count_, unreachable_));
    EXPECT_EQ(messages_.Texts(), "Unable to communicate to the server");
}

TEST_F(ServerControl, AServerThatNeverAnswersIsNotTakenForQuitting) {
    ScriptedControlServer hung(""s, ScriptedControlServer::Ending::Hold);
    UsePort(hung.Port());
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(SendControlRequest(messages_, true, true, count_, unreachable_, 500));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_TRUE(unreachable_);
    EXPECT_EQ(messages_.Texts(), "Unable to communicate to the server");
}

TEST_F(ServerControl, OpenConnectionsAreConfirmedBeforeTheServerIsForcedToQuit) {
    ScriptedControlServer declined(kRunningWithThree);
    UsePort(declined.Port());
    bool unreachable = true;
    messages_.answer = false;
    EXPECT_FALSE(StopServerWithConfirmation(messages_, true, unreachable));
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].text,
              "There are 3 open connections.  If you shut down the server, these will be lost.  Do you want to shut "
              "down the server?");
    EXPECT_EQ(messages_.messages[0].caption, "Open Connections");
    EXPECT_TRUE(messages_.messages[0].question);

    ScriptedControlServer confirmed(std::vector<std::string>{kRunningWithThree, kQuitting});
    UsePort(confirmed.Port());
    messages_.answer = true;
    EXPECT_TRUE(StopServerWithConfirmation(messages_, true, unreachable));
    EXPECT_EQ(confirmed.Requests(2), (std::vector<std::string>{"\x04\x00Q1"s, "\x04\x00Q2"s}));
}

TEST_F(ServerControl, AnIdleServerQuitsWithoutAQuestionAndACountOfZeroKeepsIt) {
    ScriptedControlServer idle(kQuitting);
    UsePort(idle.Port());
    bool unreachable = true;
    EXPECT_TRUE(StopServerWithConfirmation(messages_, true, unreachable));
    ScriptedControlServer zero("\x07\x00O\x00\x00\x00\x00"s);
    UsePort(zero.Port());
    EXPECT_FALSE(StopServerWithConfirmation(messages_, true, unreachable));
    EXPECT_FALSE(unreachable);
    EXPECT_TRUE(messages_.messages.empty());
}
