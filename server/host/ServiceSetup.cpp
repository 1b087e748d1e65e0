#include "ServiceSetup.h"

#include <windows.h>

#include "HostTexts.h"
#include "ServerControl.h"
#include "ServiceNames.h"

namespace brivel::serverhost {
namespace {

// Closes a service control manager or service handle.
class ServiceHandle {
public:
    explicit ServiceHandle(SC_HANDLE handle) : handle_(handle) {}
    ~ServiceHandle() {
        if (handle_) CloseServiceHandle(handle_);
    }
    ServiceHandle(const ServiceHandle&) = delete;
    ServiceHandle& operator=(const ServiceHandle&) = delete;
    SC_HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    SC_HANDLE handle_;
};

void ShowFailure(CHostMessages& messages, const char* what) { messages.Show(what + LastErrorText()); }

}  // namespace

std::string LastErrorText() {
    DWORD error = GetLastError();
    char text[256] = "";
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                             sizeof text, nullptr);
    if (n == 0) return kUnknownError;
    std::string message(text, n);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
    return message;
}

ServiceState QueryServiceState() {
    ServiceState state;
    ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager) return state;
    ServiceHandle service(OpenServiceA(manager.get(), kServiceName, SERVICE_QUERY_STATUS));
    if (!service) return state;
    state.installed = true;
    SERVICE_STATUS status{};
    state.running = QueryServiceStatus(service.get(), &status) && status.dwCurrentState != SERVICE_STOPPED;
    return state;
}

void InstallService(CHostMessages& messages, const std::string& programPath) {
    {
        ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
        if (!manager) return ShowFailure(messages, kNoServiceManager);
        std::string binaryPath = "\"" + programPath + "\" -service-";
        ServiceHandle service(CreateServiceA(manager.get(), kServiceName, kServiceDisplayName, SERVICE_ALL_ACCESS,
                                             SERVICE_WIN32_OWN_PROCESS | SERVICE_INTERACTIVE_PROCESS,
                                             SERVICE_AUTO_START, SERVICE_ERROR_IGNORE, binaryPath.c_str(), nullptr,
                                             nullptr, nullptr, nullptr, nullptr));
        if (!service) return ShowFailure(messages, kInstallFailed);
        ::StartServiceA(service.get(), 0, nullptr);
    }
    Sleep(1000);
    messages.Show(QueryServiceState().running ? kInstalled : kStartupProblem);
}

void UninstallService(CHostMessages& messages) {
    ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager) return ShowFailure(messages, kNoServiceManager);
    ServiceHandle service(OpenServiceA(manager.get(), kServiceName, DELETE));
    if (!service) return ShowFailure(messages, kNoServiceForDeletion);
    bool unreachable = false;
    if (StopServerWithConfirmation(messages, false, unreachable)) Sleep(1000);
    else if (!unreachable) return;  // the user keeps the server for its clients
    if (!DeleteService(service.get())) return ShowFailure(messages, kDeleteFailed);
    messages.Show(kUninstalled);
}

void StartInstalledService(CHostMessages& messages) {
    {
        ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
        if (!manager) return ShowFailure(messages, kNoServiceManager);
        ServiceHandle service(OpenServiceA(manager.get(), kServiceName, SERVICE_ALL_ACCESS));
        if (!service) return ShowFailure(messages, kNoServiceManager);
        if (::StartServiceA(service.get(), 0, nullptr)) messages.Show(kStarted);
    }
    Sleep(1000);
    if (!QueryServiceState().running) messages.Show(kStartupProblem);
}

void StopRunningService(CHostMessages& messages) {
    bool unreachable = false;
    if (!StopServerWithConfirmation(messages, true, unreachable)) return;
    Sleep(200);
    messages.Show(kStopping);
}

}  // namespace brivel::serverhost
