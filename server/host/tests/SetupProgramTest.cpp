// BrvService.exe under Wine on a display, as the setup program: its dialog
// and About box, and running the server once with the running dialog (the
// server is the tests' java.exe stand-in in the program's folder).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "ControlConnection.h"
#include "HostProgram.h"
#include "ScriptedControlServer.h"
#include "ServerFolder.h"
#include "SocketsForTests.h"
#include "resource.h"

using namespace brivel::serverhost;
using namespace brivel::serverhost::testing;

namespace {

constexpr const char kRunningCaption[] = "Brivel Server Running";

class SetupProgram : public ::testing::Test {
protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "needs a display";
        port_ = UnusedPort();
        server_.Write("BrivelServer.config", "defaultPort: " + std::to_string(port_) + "\n");
    }

    HWND StartSetup() {
        if (!program_.Start()) return nullptr;
        return program_.WaitForDialog(kSetupCaption);
    }

    // Runs the server once: the running dialog, once the server listens.
    HWND RunOnce(HWND setup) {
        Click(setup, IDC_RUN_ONCE);
        HWND running = program_.WaitForDialog(kRunningCaption);
        if (running) WaitUntil([&] { return Log().find("listening") != std::string::npos; });
        return running;
    }

    // The server's log with its line ends as '\n'.
    std::string Log() const {
        std::string log = server_.Read("BrvServer.log");
        log.erase(std::remove(log.begin(), log.end(), '\r'), log.end());
        return log;
    }

    bool ServerStillServes() {
        ControlExchange exchange = ExchangeControlRequest(port_, false, 10000);
        return exchange.outcome == ControlOutcome::Running;
    }

    SocketsForTests sockets_;
    ServerFolder server_;
    HostProgram program_{server_};
    int port_ = 0;
};

}  // namespace

TEST_F(SetupProgram, OffersInstallAndRunOnceWithoutTheServiceAndItsSystemMenuOpensTheAboutBox) {
    HWND setup = StartSetup();
    ASSERT_NE(setup, nullptr);
    EXPECT_FALSE(ItemText(setup, IDC_IP_ADDRESS).empty());
    EXPECT_EQ(ItemText(setup, IDC_INSTALL), "Install Brivel Server as a Windows Service");
    EXPECT_EQ(ItemText(setup, IDC_UNINSTALL), "Un-Install Brivel Server as a Windows Service");
    EXPECT_EQ(ItemText(setup, IDC_RUN_ONCE), "Run the server once (without installing as a Service)");
    EXPECT_EQ(ItemText(setup, IDC_CONFIGURE), "View/Modify Brivel Server Configuration");
    EXPECT_TRUE(IsEnabled(setup, IDC_INSTALL));
    EXPECT_TRUE(IsEnabled(setup, IDC_RUN_ONCE));
    EXPECT_FALSE(IsEnabled(setup, IDC_UNINSTALL));
    EXPECT_FALSE(IsEnabled(setup, IDC_STOP_SERVICE));
    EXPECT_FALSE(IsEnabled(setup, IDC_START_SERVICE));
    EXPECT_FALSE(IsShown(setup, IDOK));
    EXPECT_TRUE(TakeScreenshot("server-setup", setup));

    PostMessageA(setup, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    EXPECT_EQ(program_.Answer("About BrvService", IDOK), "Brivel Windows Service Version 1.0");
    Click(setup, IDCANCEL);
    EXPECT_EQ(program_.WaitForExit(), 0u);
}

TEST_F(SetupProgram, AMissingConfigurationFileIsReportedAndEndsTheProgram) {
    server_.Remove("BrivelServer.config");
    ASSERT_TRUE(program_.Start());
    EXPECT_EQ(program_.Answer(kProgramCaption, IDOK),
              "File " + server_.Path("BrivelServer.config") + " was not found, please re-install.");
    EXPECT_EQ(program_.WaitForExit(), 0u);
}

TEST_F(SetupProgram, RunOnceShowsTheRunningDialogAndStopEndsTheServerWithoutAQuestion) {
    server_.Write("BrvServer.log", "the previous run\n");
    HWND setup = StartSetup();
    ASSERT_NE(setup, nullptr);
    HWND running = RunOnce(setup);
    ASSERT_NE(running, nullptr);
    EXPECT_FALSE(IsWindowVisible(setup));
    EXPECT_EQ(ItemText(running, IDC_LOG_PATH), server_.Path("BrvServer.log"));
    EXPECT_EQ(server_.Read("BrvServer_Log.bak"), "the previous run\n");
    EXPECT_TRUE(TakeScreenshot("server-running", running));

    Click(running, IDC_STOP_SERVER);
    ASSERT_TRUE(program_.WaitUntilGone(kRunningCaption));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(setup) != 0; }));
    Sleep(500);
    EXPECT_FALSE(program_.Shows("Server Terminated"));
    EXPECT_NE(Log().find("request Q1\nquitting"), std::string::npos) << Log();
    Click(setup, IDCANCEL);
    EXPECT_EQ(program_.WaitForExit(), 0u);
}

TEST_F(SetupProgram, StoppingWhileClientsAreConnectedAsksAndNoKeepsTheServer) {
    server_.Write("standin-open-connections", "2");
    HWND setup = StartSetup();
    ASSERT_NE(setup, nullptr);
    HWND running = RunOnce(setup);
    ASSERT_NE(running, nullptr);
    Click(running, IDC_STOP_SERVER);
    EXPECT_EQ(program_.Answer("Open Connections", IDNO),
              "There are 2 open connections.  If you shut down the server, these will be lost.  Do you want to shut "
              "down the server?");
    EXPECT_TRUE(program_.Shows(kRunningCaption));
    EXPECT_TRUE(ServerStillServes());
    Click(running, IDC_STOP_SERVER);
    EXPECT_NE(program_.Answer("Open Connections", IDYES).find("There are 2 open connections."), std::string::npos);
    ASSERT_TRUE(program_.WaitUntilGone(kRunningCaption));
    EXPECT_NE(Log().find("request Q2\nquitting"), std::string::npos) << Log();
}

TEST_F(SetupProgram, AServerThatEndsByItselfClosesTheRunningDialogAndOffersTheLog) {
    HWND setup = StartSetup();
    ASSERT_NE(setup, nullptr);
    ASSERT_NE(RunOnce(setup), nullptr);
    EXPECT_EQ(ExchangeControlRequest(port_, true, 10000).outcome, ControlOutcome::Quitting);  // not through the dialog
    EXPECT_EQ(program_.Answer("Server Terminated", IDNO),
              "The server has terminated unexpectedly.\nViewing the log file may provide a reason.\nClick \"Yes\" to "
              "view log file \"" + server_.Path("BrvServer.log") + "\"");
    EXPECT_FALSE(program_.Shows(kRunningCaption));
    EXPECT_TRUE(IsWindowVisible(setup));
}

TEST_F(SetupProgram, TheRunningDialogPutAsideComesBackWithTheProgramAndClosingItLeavesTheServerRunning) {
    server_.Write("standin-open-connections", "1");  // the server answers without quitting
    HWND setup = StartSetup();
    ASSERT_NE(setup, nullptr);
    HWND running = RunOnce(setup);
    ASSERT_NE(running, nullptr);
    Click(running, IDC_ICONIFY);
    ASSERT_TRUE(program_.WaitUntilGone(kRunningCaption));
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(setup) != 0; }));
    PostMessageA(setup, WM_SYSCOMMAND, SC_RESTORE, 0);
    running = program_.WaitForDialog(kRunningCaption);
    ASSERT_NE(running, nullptr);

    PostMessageA(running, WM_COMMAND, IDCANCEL, 0);  // the close box
    const std::string question =
        "The server is still running, if you close this window it will run un-monitored.  Are you sure you wish to "
        "close this window?";
    EXPECT_EQ(program_.Answer(kProgramCaption, IDNO), question);
    EXPECT_TRUE(program_.Shows(kRunningCaption));
    PostMessageA(running, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(program_.Answer(kProgramCaption, IDYES), question);
    ASSERT_TRUE(program_.WaitUntilGone(kRunningCaption));
    EXPECT_TRUE(ServerStillServes());
    // A second server would find the port taken and cut the first one's log
    // short: neither running once nor the service starts one meanwhile.
    EXPECT_FALSE(IsEnabled(setup, IDC_RUN_ONCE));
    EXPECT_FALSE(IsEnabled(setup, IDC_INSTALL));
    const std::string log = Log();
    Click(setup, IDC_RUN_ONCE);
    Sleep(1000);
    EXPECT_FALSE(program_.Shows(kRunningCaption));
    EXPECT_EQ(Log(), log) << "the running server's log stays whole";

    // Left un-monitored: its end is not reported.
    EXPECT_EQ(ExchangeControlRequest(port_, true, 10000).outcome, ControlOutcome::Quitting);
    Sleep(1000);
    EXPECT_FALSE(program_.Shows("Server Terminated"));
    EXPECT_TRUE(WaitUntil([&] { return IsEnabled(setup, IDC_RUN_ONCE) && IsEnabled(setup, IDC_INSTALL); }));
    Click(setup, IDCANCEL);
    EXPECT_EQ(program_.WaitForExit(), 0u);
}
