#include "ServiceMode.h"

#include <windows.h>

#include <mutex>
#include <string>
#include <thread>

#include "BrvServerConfig.h"
#include "HostMessages.h"
#include "HostTexts.h"
#include "JavaServerLauncher.h"
#include "ServerControl.h"
#include "ServiceNames.h"
#include "StopWatchdog.h"

namespace brivel::serverhost {
namespace {

// How long the program waits for the dispatcher to register the service
// before it reports the end, and for the dispatcher to return after it.
constexpr DWORD kDispatcherWaitMs = 30000;

// The service's state, shared by the main thread (which runs the server),
// the dispatcher thread (service entry and control handler) and the stop
// watchdog. Reports go out under one lock, so that no report follows the
// final STOPPED.
class ServiceRun {
public:
    ServiceRun() : registered_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
        status_.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
        status_.dwCurrentState = SERVICE_START_PENDING;
    }
    ~ServiceRun() { CloseHandle(registered_); }

    // Service entry, on the dispatcher thread.
    void Enter() {
        SERVICE_STATUS_HANDLE handle = RegisterServiceCtrlHandlerA(kServiceName, ControlHandler);
        {
            std::lock_guard<std::mutex> guard(lock_);
            handle_ = handle;
            if (handle_ && !stopped_) {
                status_.dwCurrentState = SERVICE_RUNNING;
                status_.dwControlsAccepted = SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_SHUTDOWN;
                status_.dwCheckPoint = 0;
                status_.dwWaitHint = 0;
                SetServiceStatus(handle_, &status_);
            }
        }
        SetEvent(registered_);
    }

    // The dispatcher could not start (the program was not started by the
    // service manager): nobody will register.
    void DispatcherFailed() { SetEvent(registered_); }

    void ServerStarted(HANDLE server) {
        std::lock_guard<std::mutex> guard(lock_);
        server_ = server;
        serverRunning_ = true;
    }

    // The server has ended (or never started): the service has stopped.
    void ServerEnded() {
        {
            std::lock_guard<std::mutex> guard(lock_);
            serverRunning_ = false;
        }
        // The end can only be reported once the handler is registered.
        WaitForSingleObject(registered_, kDispatcherWaitMs);
        std::lock_guard<std::mutex> guard(lock_);
        stopped_ = true;
        if (!handle_) return;
        status_.dwCurrentState = SERVICE_STOPPED;
        status_.dwCheckPoint = 0;
        status_.dwWaitHint = 0;
        SetServiceStatus(handle_, &status_);
    }

    static ServiceRun* Current() { return current_; }
    static void SetCurrent(ServiceRun* run) { current_ = run; }

private:
    static void WINAPI ControlHandler(DWORD control) { current_->OnControl(control); }

    void OnControl(DWORD control) {
        if (control != SERVICE_CONTROL_STOP && control != SERVICE_CONTROL_SHUTDOWN) return;
        HANDLE server = nullptr;
        {
            std::lock_guard<std::mutex> guard(lock_);
            if (stopped_ || stopRequested_) return;
            stopRequested_ = true;
            ++status_.dwCheckPoint;
            status_.dwCurrentState = SERVICE_STOP_PENDING;
            status_.dwWaitHint = 0;
            SetServiceStatus(handle_, &status_);
            if (server_) DuplicateHandle(GetCurrentProcess(), server_, GetCurrentProcess(), &server, 0, FALSE,
                                         DUPLICATE_SAME_ACCESS);
        }
        // The request and the watchdog run on a thread of their own: a server
        // that accepts the request but never answers must not hold up the
        // handler.
        std::thread([this, server] {
            DWORD count = 0;
            bool unreachable = false;
            SendControlRequest(messages_, false, true, count, unreachable);
            RunStopWatchdog(server, [this] { ReportStopPending(); });
            if (server) CloseHandle(server);
        }).detach();
    }

    void ReportStopPending() {
        std::lock_guard<std::mutex> guard(lock_);
        if (!serverRunning_ || stopped_) return;
        ++status_.dwCheckPoint;
        SetServiceStatus(handle_, &status_);
    }

    static ServiceRun* current_;
    CServiceEventLog messages_;
    std::mutex lock_;
    SERVICE_STATUS status_{};
    SERVICE_STATUS_HANDLE handle_ = nullptr;
    HANDLE registered_;
    HANDLE server_ = nullptr;
    bool serverRunning_ = false;
    bool stopRequested_ = false;
    bool stopped_ = false;
};

ServiceRun* ServiceRun::current_ = nullptr;

void WINAPI ServiceEntry(DWORD, LPSTR*) { ServiceRun::Current()->Enter(); }

DWORD WINAPI DispatcherThread(LPVOID) {
    static std::string name = kServiceName;
    SERVICE_TABLE_ENTRYA table[] = {{&name[0], ServiceEntry}, {nullptr, nullptr}};
    if (!StartServiceCtrlDispatcherA(table)) ServiceRun::Current()->DispatcherFailed();
    return 0;
}

}  // namespace

int RunServiceMode() {
    BrivelServerInitConfig();  // without the file the defaults hold
    // Lives until the process ends: a watchdog may still be at work when
    // the program returns.
    ServiceRun& run = *new ServiceRun;
    ServiceRun::SetCurrent(&run);
    HANDLE dispatcher = CreateThread(nullptr, 0, DispatcherThread, nullptr, 0, nullptr);

    CServiceEventLog messages;
    CJavaServerLauncher launcher = ServerLauncher();
    launcher.RotateLog();
    HANDLE server = nullptr;
    std::string logPath = launcher.LogPath();
    if (launcher.Launch(messages, kServerMainClass, logPath.c_str(), kServerRunTitle, server)) {
        run.ServerStarted(server);
        WaitForSingleObject(server, INFINITE);
    }
    run.ServerEnded();
    if (dispatcher) {
        WaitForSingleObject(dispatcher, kDispatcherWaitMs);
        CloseHandle(dispatcher);
    }
    if (server) CloseHandle(server);
    return 0;
}

}  // namespace brivel::serverhost
