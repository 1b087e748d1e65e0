// BrvService.exe as the Windows service BrivelWindowsServer under Wine's
// service manager: installed, started, stopped and removed through the
// setup dialog; stopped through the service manager; a server that never
// answers the stop request, and one that cannot start.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "HostProgram.h"
#include "ScriptedControlServer.h"
#include "ServerFolder.h"
#include "SocketsForTests.h"
#include "resource.h"

using namespace brivel::serverhost::testing;

namespace {

constexpr const char kServiceName[] = "BrivelWindowsServer";

class ServiceHandles {
public:
    explicit ServiceHandles(DWORD access) {
        manager_ = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
        if (manager_) service_ = OpenServiceA(manager_, kServiceName, access);
    }
    ~ServiceHandles() {
        if (service_) CloseServiceHandle(service_);
        if (manager_) CloseServiceHandle(manager_);
    }
    SC_HANDLE Manager() const { return manager_; }
    SC_HANDLE Service() const { return service_; }

private:
    SC_HANDLE manager_ = nullptr;
    SC_HANDLE service_ = nullptr;
};

SERVICE_STATUS Status() {
    SERVICE_STATUS status{};
    ServiceHandles handles(SERVICE_QUERY_STATUS);
    if (!handles.Service() || !QueryServiceStatus(handles.Service(), &status)) status.dwCurrentState = 0;
    return status;
}

bool WaitForState(DWORD state, DWORD timeoutMs = 30000) {
    return WaitUntil([&] { return Status().dwCurrentState == state; }, timeoutMs);
}

// Leaves the machine without the service, whatever an earlier run left.
void RemoveService() {
    ServiceHandles handles(SERVICE_ALL_ACCESS);
    if (!handles.Service()) return;
    SERVICE_STATUS status{};
    if (QueryServiceStatus(handles.Service(), &status) && status.dwCurrentState != SERVICE_STOPPED) {
        ControlService(handles.Service(), SERVICE_CONTROL_STOP, &status);
        WaitForState(SERVICE_STOPPED, 60000);
    }
    DeleteService(handles.Service());
}

class ServiceProgram : public ::testing::Test {
protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "needs a display";
        RemoveService();
        port_ = UnusedPort();
        server_.Write("BrivelServer.config", "defaultPort: " + std::to_string(port_) + "\n");
    }
    void TearDown() override {
        // A server left listening ends with its test.
        if (server_.Exists("standin-hang")) server_.Remove("standin-hang");
        RemoveService();
    }

    // Registers the service as Install does, without the dialog.
    bool RegisterAndStartService() {
        ServiceHandles handles(0);
        std::string binary = "\"" + server_.Path("BrvService.exe") + "\" -service-";
        SC_HANDLE service = CreateServiceA(handles.Manager(), kServiceName, "Brivel Service", SERVICE_ALL_ACCESS,
                                           SERVICE_WIN32_OWN_PROCESS | SERVICE_INTERACTIVE_PROCESS,
                                           SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE, binary.c_str(), nullptr,
                                           nullptr, nullptr, nullptr, nullptr);
        if (!service) return false;
        bool started = StartServiceA(service, 0, nullptr) != FALSE;
        CloseServiceHandle(service);
        return started;
    }

    std::string Log(const char* name = "BrvServer.log") const {
        std::string log = server_.Read(name);
        log.erase(std::remove(log.begin(), log.end(), '\r'), log.end());
        return log;
    }
    bool ServerListens() {
        return WaitUntil([&] { return Log().find("listening on port " + std::to_string(port_)) != std::string::npos; });
    }

    HWND StartSetup() {
        if (!program_.Start()) return nullptr;
        return program_.WaitForDialog(kSetupCaption);
    }

    // The setup dialog's buttons as "install 0, run once 0, uninstall 1,
    // stop 1, start 0" (1: enabled).
    static std::string Buttons(HWND setup) {
        auto state = [&](int id) { return IsEnabled(setup, id) ? "1" : "0"; };
        return std::string("install ") + state(IDC_INSTALL) + ", run once " + state(IDC_RUN_ONCE) + ", uninstall " +
               state(IDC_UNINSTALL) + ", stop " + state(IDC_STOP_SERVICE) + ", start " + state(IDC_START_SERVICE);
    }
    // The dialog enables and disables its buttons one after another: the
    // test waits for the whole state, not for one button of it.
    static bool ButtonsBecome(HWND setup, const std::string& expected) {
        return WaitUntil([&] { return Buttons(setup) == expected; });
    }

    SocketsForTests sockets_;
    ServerFolder server_;
    HostProgram program_{server_};
    int port_ = 0;
};

}  // namespace

TEST_F(ServiceProgram, IsInstalledStartedStoppedAndRemovedThroughTheSetupDialog) {
    HWND setup = StartSetup();
    ASSERT_NE(setup, nullptr);
    Click(setup, IDC_INSTALL);
    EXPECT_EQ(program_.Answer(kProgramCaption, IDOK, 40000), "Brivel Server has been installed as a service.");
    {
        ServiceHandles handles(SERVICE_QUERY_CONFIG);
        ASSERT_NE(handles.Service(), nullptr);
        std::vector<char> buffer(8192);
        auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer.data());
        DWORD needed = 0;
        ASSERT_TRUE(QueryServiceConfigA(handles.Service(), config, static_cast<DWORD>(buffer.size()), &needed));
        EXPECT_EQ(std::string(config->lpBinaryPathName), "\"" + server_.Path("BrvService.exe") + "\" -service-");
        EXPECT_EQ(config->dwServiceType, 0x110u);
        EXPECT_EQ(config->dwStartType, static_cast<DWORD>(SERVICE_AUTO_START));
        EXPECT_EQ(config->dwErrorControl, static_cast<DWORD>(SERVICE_ERROR_IGNORE));
        EXPECT_EQ(std::string(config->lpDisplayName), "Brivel Service");
    }
    EXPECT_EQ(Status().dwCurrentState, static_cast<DWORD>(SERVICE_RUNNING));
    ASSERT_TRUE(ServerListens()) << Log();
    EXPECT_EQ(server_.Read("java-standin.record").rfind("\"" + server_.Path("java.exe") + "\" -classpath \"" +
                                                            server_.Path("BrivelServer.jar"),
                                                        0),
              0u)
        << server_.Read("java-standin.record");
    // Refreshed after the message, one button after another.
    EXPECT_TRUE(ButtonsBecome(setup, "install 0, run once 0, uninstall 1, stop 1, start 0")) << Buttons(setup);

    // A configuration change while the service runs needs a restart.
    Click(setup, IDC_CONFIGURE);
    HWND config = program_.WaitForDialog("Brivel Server Configuration");
    ASSERT_NE(config, nullptr);
    Check(config, IDC_SSL_ONLY);
    Click(config, IDOK);
    EXPECT_EQ(program_.Answer("Restart Required", IDOK),
              "NOTE:  Your configuration file has been changed, but the changes will not take effect until the "
              "service has been stopped and restarted, or the machine has been rebooted!");

    // Clients connected: the user is asked, and No keeps the service.
    server_.Write("standin-open-connections", "3");
    Click(setup, IDC_STOP_SERVICE);
    EXPECT_NE(program_.Answer("Open Connections", IDNO).find("There are 3 open connections."), std::string::npos);
    EXPECT_EQ(Status().dwCurrentState, static_cast<DWORD>(SERVICE_RUNNING));
    server_.Remove("standin-open-connections");
    Click(setup, IDC_STOP_SERVICE);
    HWND stopping = program_.WaitForDialog(kProgramCaption);
    ASSERT_NE(stopping, nullptr);
    EXPECT_TRUE(WaitForState(SERVICE_STOPPED));  // the service ends with its server
    EXPECT_EQ(program_.Answer(kProgramCaption, IDOK), "Stopping Service");
    EXPECT_TRUE(ButtonsBecome(setup, "install 0, run once 0, uninstall 1, stop 0, start 1")) << Buttons(setup);

    // Not running any more: closing the program reminds of nothing.
    Click(setup, IDCANCEL);
    EXPECT_EQ(program_.WaitForExit(), 0u);
    HostProgram again(server_);
    ASSERT_TRUE(again.Start());
    setup = again.WaitForDialog(kSetupCaption);
    ASSERT_NE(setup, nullptr);

    Click(setup, IDC_START_SERVICE);
    EXPECT_EQ(again.Answer(kProgramCaption, IDOK), "Service started");
    EXPECT_TRUE(WaitForState(SERVICE_RUNNING));
    ASSERT_TRUE(ServerListens());
    EXPECT_NE(Log("BrvServer_Log.bak").find("request Q1\nquitting"), std::string::npos) << Log("BrvServer_Log.bak");
    EXPECT_TRUE(ButtonsBecome(setup, "install 0, run once 0, uninstall 1, stop 1, start 0")) << Buttons(setup);

    // Stopped by the service manager: the request quits the server at once,
    // at the configured port.
    {
        ServiceHandles handles(SERVICE_STOP);
        SERVICE_STATUS status{};
        EXPECT_TRUE(ControlService(handles.Service(), SERVICE_CONTROL_STOP, &status));
    }
    EXPECT_TRUE(WaitForState(SERVICE_STOPPED));
    EXPECT_NE(Log().find("request Q2\nquitting"), std::string::npos) << Log();

    Click(setup, IDC_UNINSTALL);  // the stopped server cannot be reached: removal goes on
    EXPECT_EQ(again.Answer(kProgramCaption, IDOK), "Service has been uninstalled");
    // The dialog enables Install before it disables Uninstall: both are
    // waited for.
    EXPECT_TRUE(WaitUntil([&] { return IsEnabled(setup, IDC_INSTALL) && !IsEnabled(setup, IDC_UNINSTALL); }));
    EXPECT_EQ(ServiceHandles(SERVICE_QUERY_STATUS).Service(), nullptr);
    Click(setup, IDCANCEL);
    EXPECT_EQ(again.WaitForExit(), 0u);
}

TEST_F(ServiceProgram, ClosingTheSetupWhileTheChangedServiceRunsRemindsOfTheRestart) {
    ASSERT_TRUE(RegisterAndStartService());
    ASSERT_TRUE(WaitForState(SERVICE_RUNNING));
    HWND setup = StartSetup();
    ASSERT_NE(setup, nullptr);
    Click(setup, IDC_CONFIGURE);
    HWND config = program_.WaitForDialog("Brivel Server Configuration");
    ASSERT_NE(config, nullptr);
    Check(config, IDC_SSL_ONLY);
    Click(config, IDOK);
    EXPECT_NE(program_.Answer("Restart Required", IDOK).find("NOTE:"), std::string::npos);
    Click(setup, IDCANCEL);
    EXPECT_EQ(program_.Answer("Restart Reminder", IDOK),
              "Reminder:  Your configuration changes will not take effect until the service has been stopped and "
              "restarted, or until the next reboot.");
    EXPECT_EQ(program_.WaitForExit(), 0u);
}

TEST_F(ServiceProgram, AStopThatTheServerNeverAnswersDoesNotHoldUpTheServiceManager) {
    ASSERT_TRUE(RegisterAndStartService());
    ASSERT_TRUE(WaitForState(SERVICE_RUNNING));
    ASSERT_TRUE(ServerListens());
    server_.Write("standin-hang", "");
    DWORD start = GetTickCount();
    {
        ServiceHandles handles(SERVICE_STOP);
        SERVICE_STATUS status{};
        EXPECT_TRUE(ControlService(handles.Service(), SERVICE_CONTROL_STOP, &status));
    }
    EXPECT_LT(GetTickCount() - start, 5000u);
    SERVICE_STATUS pending = Status();
    EXPECT_EQ(pending.dwCurrentState, static_cast<DWORD>(SERVICE_STOP_PENDING));
    // The request waits for its time-out; then the watchdog reports each second.
    EXPECT_TRUE(WaitUntil([&] { return Status().dwCheckPoint >= pending.dwCheckPoint + 2; }, 30000));
    EXPECT_EQ(Status().dwCurrentState, static_cast<DWORD>(SERVICE_STOP_PENDING));
    EXPECT_NE(Log().find("request Q2"), std::string::npos) << Log();

    // The server goes at last (the watchdog would end it after 180 seconds).
    std::string log = Log();
    size_t at = log.find("process ");
    ASSERT_NE(at, std::string::npos);
    DWORD pid = std::stoul(log.substr(at + 8));
    HANDLE server = OpenProcess(PROCESS_TERMINATE, FALSE, pid);
    ASSERT_NE(server, nullptr);
    TerminateProcess(server, 1);
    CloseHandle(server);
    EXPECT_TRUE(WaitForState(SERVICE_STOPPED));
}

TEST_F(ServiceProgram, AServerThatCannotStartStopsTheServiceWithoutWaitingOnAMessage) {
    server_.Remove("BrivelServer.jar");
    ASSERT_TRUE(RegisterAndStartService());
    // A message box in the service would keep it running for ever.
    EXPECT_TRUE(WaitForState(SERVICE_STOPPED, 20000)) << Status().dwCurrentState;
    EXPECT_FALSE(server_.Exists("BrvServer.log"));
}
