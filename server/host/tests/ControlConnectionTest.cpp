// The control request's exchange with a listener on the loop-back address,
// in both builds (under Wine on win32).
#include "ControlConnection.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "ScriptedControlServer.h"
#include "SocketsForTests.h"

using namespace brivel::serverhost;
using brivel::serverhost::testing::ScriptedControlServer;
using brivel::serverhost::testing::UnusedPort;
using namespace std::string_literals;

namespace {
class ControlConnection : public ::testing::Test {
    [[maybe_unused]] brivel::serverhost::testing::SocketsForTests sockets_;  // held: sockets work while the test runs
};
}  // namespace

TEST_F(ControlConnection, AnswerOKeepsTheServerRunningWithItsCount) {
    ScriptedControlServer server("\x07\x00O\x03\x00\x00\x00"s);
    ControlExchange exchange = ExchangeControlRequest(server.Port(), false, 10000);
    EXPECT_EQ(exchange.outcome, ControlOutcome::Running);
    EXPECT_EQ(exchange.openConnections, 3u);
    EXPECT_EQ(server.Request(), "\x04\x00Q1"s);
}

TEST_F(ControlConnection, AnotherAnswerOrAShortOneMeansQuitting) {
    ScriptedControlServer other("\x07\x00Q\x00\x00\x00\x00"s);
    EXPECT_EQ(ExchangeControlRequest(other.Port(), true, 10000).outcome, ControlOutcome::Quitting);
    EXPECT_EQ(other.Request(), "\x04\x00Q2"s);
    ScriptedControlServer shortAnswer("\x07\x00O\x03\x00\x00"s);  // 'O', but six bytes
    EXPECT_EQ(ExchangeControlRequest(shortAnswer.Port(), false, 10000).outcome, ControlOutcome::Quitting);
    ScriptedControlServer silent(""s);  // closes without a word
    EXPECT_EQ(ExchangeControlRequest(silent.Port(), false, 10000).outcome, ControlOutcome::Quitting);
    // A receive that fails (the server reset the connection) is a server
    // that quits too; only the time-out is no answer.
    ScriptedControlServer reset(""s, ScriptedControlServer::Ending::Reset);
    EXPECT_EQ(ExchangeControlRequest(reset.Port(), false, 10000).outcome, ControlOutcome::Quitting);
    EXPECT_EQ(reset.Request(), "\x04\x00"s) << "the reset came with the request half read";
}

TEST_F(ControlConnection, NobodyListeningIsUnreachable) {
    EXPECT_EQ(ExchangeControlRequest(UnusedPort(), false, 10000).outcome, ControlOutcome::Unreachable);
    EXPECT_EQ(ExchangeControlRequest(0, false, 10000).outcome, ControlOutcome::Unreachable);
    EXPECT_EQ(ExchangeControlRequest(70000, false, 10000).outcome, ControlOutcome::Unreachable);
}

TEST_F(ControlConnection, AServerThatAcceptsButNeverAnswersEndsTheExchangeAtTheTimeOut) {
    ScriptedControlServer hung(""s, ScriptedControlServer::Ending::Hold);
    auto start = std::chrono::steady_clock::now();
    ControlExchange exchange = ExchangeControlRequest(hung.Port(), true, 500);
    auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(exchange.outcome, ControlOutcome::NoAnswer);  // not "quitting": nothing said so
    EXPECT_GE(took, std::chrono::milliseconds(400));
    EXPECT_LT(took, std::chrono::seconds(5));
    EXPECT_EQ(hung.Request(), "\x04\x00Q2"s);
}
