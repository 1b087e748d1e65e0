#include <winsock.h>

#include "SetupDialog.h"

#include <shellapi.h>

#include <memory>
#include <vector>

#include "AboutDialog.h"
#include "BrvServerConfig.h"
#include "HostAddress.h"
#include "HostTexts.h"
#include "JavaServerLauncher.h"
#include "ModuleFileName.h"
#include "ServerControl.h"
#include "ServiceSetup.h"
#include "WinApp.h"
#include "resource.h"

namespace brivel::serverhost {
namespace {

// Shows the running dialog again after the program was restored.
constexpr UINT kShowRunningMessage = WM_APP + 0x64;
// The monitor's news that the server of run wParam has ended.
constexpr UINT kServerEndedMessage = WM_APP + 0x65;

HINSTANCE ResourceInstance() {
    brivel::winui::WinApp* app = brivel::winui::WinApp::Current();
    return app && app->Instance() ? app->Instance() : GetModuleHandleA(nullptr);
}

struct MonitorJob {
    HANDLE server;
    HWND setup;
    int run;
};

// Waits for the server of one run to end and tells the setup dialog.
DWORD WINAPI MonitorServer(LPVOID parameter) {
    std::unique_ptr<MonitorJob> job(static_cast<MonitorJob*>(parameter));
    WaitForSingleObject(job->server, INFINITE);
    CloseHandle(job->server);
    PostMessageA(job->setup, kServerEndedMessage, static_cast<WPARAM>(job->run), 0);
    return 0;
}

std::vector<std::string> AddressesOf(const hostent* host) {
    std::vector<std::string> addresses;
    if (!host || host->h_addrtype != AF_INET) return addresses;
    for (char** address = host->h_addr_list; *address; ++address) {
        in_addr value;
        memcpy(&value, *address, sizeof value);
        addresses.push_back(inet_ntoa(value));
    }
    return addresses;
}

}  // namespace

CSetupDialog::CSetupDialog() : Dialog(IDD_BRVSERVICE_DIALOG) {
    OnClicked(IDC_INSTALL, [this] {
        if (server_) return;  // the service's server could not run beside this one
        InstallService(messages_, brivel::ModuleFileName(nullptr));
        RefreshServiceRunning();
    });
    OnClicked(IDC_UNINSTALL, [this] {
        UninstallService(messages_);
        RefreshServiceRunning();
    });
    OnClicked(IDC_START_SERVICE, [this] {
        StartInstalledService(messages_);
        RefreshServiceRunning();
    });
    OnClicked(IDC_STOP_SERVICE, [this] {
        StopRunningService(messages_);
        RefreshServiceRunning();
    });
    OnClicked(IDC_RUN_ONCE, [this] { RunOnce(); });
    OnClicked(IDC_CONFIGURE, [this] {
        CConfigDialog dialog(*this);
        dialog.DoModal(Handle());
    });
    OnClicked(IDC_VIEW_LOG, [this] { OpenWithShell(ServerLauncher().LogPath()); });
    OnClicked(IDC_HELP_BUTTON,
              [this] { OpenWithShell(std::string(BrvServerGetConfigDir()) + "\\help\\RemoteAccess.html"); });
}

CSetupDialog::~CSetupDialog() {
    if (server_) CloseHandle(server_);
}

bool CSetupDialog::OnInitDialog() {
    messages_.SetOwner(Handle());
    SetItemText(IDC_IP_ADDRESS, kAddressUnknown);
    ShowAddress();

    if (HMENU menu = GetSystemMenu(Handle(), FALSE)) {
        char about[128] = "";
        if (LoadStringA(ResourceInstance(), IDS_ABOUTBOX, about, sizeof about) > 0) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, about);
        }
    }
    icon_ = static_cast<HICON>(LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                          GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    smallIcon_ = static_cast<HICON>(LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));

    RefreshServiceRunning();
    return true;
}

void CSetupDialog::OnDestroy() {
    if (restartReminder_) MessageBoxA(nullptr, kRestartReminder, kRestartReminderCaption, MB_OK | MB_ICONSTOP);
    if (icon_) DestroyIcon(icon_);
    if (smallIcon_) DestroyIcon(smallIcon_);
    icon_ = smallIcon_ = nullptr;
}

bool CSetupDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    switch (message) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != IDM_ABOUTBOX) return false;
        CAboutDialog().DoModal(Handle());
        result = 0;
        return true;
    case WM_PAINT: {
        if (!IsIconic(Handle())) return false;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        RECT client;
        GetClientRect(Handle(), &client);
        int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
        int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
        DrawIcon(dc, x, y, icon_);
        EndPaint(Handle(), &paint);
        result = 0;
        return true;
    }
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<INT_PTR>(icon_);
        return true;
    case WM_SIZE:
        if (wParam == SIZE_RESTORED && reopenOnRestore_) {
            reopenOnRestore_ = false;
            PostMessageA(Handle(), kShowRunningMessage, 0, 0);
        }
        return false;
    case kShowRunningMessage:
        ShowRunningDialog();
        result = 0;
        return true;
    case kServerEndedMessage:
        OnServerEnded(static_cast<int>(wParam));
        result = 0;
        return true;
    default:
        return false;
    }
}

void CSetupDialog::ShowAddress() {
    hostent* host = gethostbyname("");
    if (!host || !host->h_addr_list[0]) {
        char name[256] = "";
        if (gethostname(name, sizeof name - 1) == 0) host = gethostbyname(name);
    }
    if (!host) return;
    std::string shown = ChooseShownAddress(AddressesOf(host));
    if (!shown.empty()) SetItemText(IDC_IP_ADDRESS, shown.c_str());
}

// While a server run from here lives, no other one is started: it would
// find the port taken, and its start would cut the running server's log
// short.
bool CSetupDialog::RefreshServiceRunning() {
    ServiceState state = QueryServiceState();
    EnableItem(IDC_INSTALL, !state.installed && !server_);
    EnableItem(IDC_RUN_ONCE, !state.installed && !server_);
    EnableItem(IDC_UNINSTALL, state.installed);
    EnableItem(IDC_STOP_SERVICE, state.running);
    EnableItem(IDC_START_SERVICE, state.installed && !state.running);
    if (!state.running) restartReminder_ = false;
    return state.running;
}

void CSetupDialog::RunOnce() {
    if (server_) return;
    CJavaServerLauncher launcher = ServerLauncher();
    launcher.RotateLog();
    std::string log = launcher.LogPath();
    HANDLE process = nullptr;
    if (!launcher.Launch(messages_, kServerMainClass, log.c_str(), kServerRunTitle, process)) return;
    if (server_) CloseHandle(server_);
    server_ = process;
    logPath_ = log;
    stoppedByUser_ = false;
    ++run_;
    HANDLE watched = nullptr;
    if (DuplicateHandle(GetCurrentProcess(), process, GetCurrentProcess(), &watched, SYNCHRONIZE, FALSE, 0)) {
        auto* job = new MonitorJob{watched, Handle(), run_};
        HANDLE thread = CreateThread(nullptr, 0, MonitorServer, job, 0, nullptr);
        if (thread) {
            CloseHandle(thread);
        } else {
            delete job;
            CloseHandle(watched);
        }
    }
    ShowRunningDialog();
}

void CSetupDialog::ShowRunningDialog() {
    if (!server_) return;  // it has ended since the program was put aside
    CRunningDialog dialog(*this, logPath_);
    running_ = &dialog;
    ShowWindow(Handle(), SW_HIDE);
    INT_PTR result = dialog.DoModal(Handle());
    RefreshServiceRunning();
    ShowWindow(Handle(), SW_SHOW);
    running_ = nullptr;
    if (dialog.ClosedByMonitor()) {
        AskAboutEnd();
    } else if (result == CRunningDialog::kIconified) {
        reopenOnRestore_ = true;
        ShowWindow(Handle(), SW_MINIMIZE);
    }
}

bool CSetupDialog::StopServer(HWND owner) {
    CMessageBoxes messages(owner);
    bool unreachable = false;
    if (!StopServerWithConfirmation(messages, true, unreachable)) return false;
    stoppedByUser_ = true;
    return true;
}

void CSetupDialog::OnServerEnded(int run) {
    if (run != run_) return;
    if (server_) CloseHandle(server_);
    server_ = nullptr;
    reopenOnRestore_ = false;
    RefreshServiceRunning();
    if (running_) running_->CloseByMonitor();
    else AskAboutEnd();
}

void CSetupDialog::AskAboutEnd() {
    if (stoppedByUser_) return;
    if (messages_.AskYesNo(kTerminatedQuestion + logPath_ + "\"", kTerminatedCaption)) OpenWithShell(logPath_);
}

void CSetupDialog::OpenWithShell(const std::string& path) {
    ShellExecuteA(Handle(), "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace brivel::serverhost
