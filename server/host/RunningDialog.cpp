#include "RunningDialog.h"

#include <shellapi.h>

#include "HostMessages.h"
#include "HostTexts.h"
#include "resource.h"

namespace brivel::serverhost {

CRunningDialog::CRunningDialog(IServerRun& run, std::string logPath)
    : Dialog(IDD_RUNNING_DIALOG), run_(run), logPath_(std::move(logPath)) {
    OnClicked(IDC_RUNNING_VIEW_LOG,
              [this] { ShellExecuteA(Handle(), "open", logPath_.c_str(), nullptr, nullptr, SW_SHOWNORMAL); });
    OnClicked(IDC_STOP_SERVER, [this] {
        if (run_.StopServer(Handle())) EndDialog(IDOK);
    });
    OnClicked(IDC_ICONIFY, [this] { EndDialog(kIconified); });
}

bool CRunningDialog::OnInitDialog() {
    SetItemText(IDC_LOG_PATH, logPath_.c_str());
    return true;
}

void CRunningDialog::CloseByMonitor() {
    closedByMonitor_ = true;
    EndDialog(IDCANCEL);
}

void CRunningDialog::OnCancel() {
    if (!closedByMonitor_ && !CMessageBoxes(Handle()).AskYesNo(kCloseRunningQuestion)) return;
    if (!closedByMonitor_) run_.LeaveUnmonitored();
    EndDialog(IDCANCEL);
}

}  // namespace brivel::serverhost
