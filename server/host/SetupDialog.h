// "Brivel Windows Service Setup", the program's main dialog: installs,
// removes, starts and stops the service, runs the server once with its
// running dialog, shows the log and help, and opens the configuration.
#pragma once

#include <windows.h>

#include <string>

#include "ConfigDialog.h"
#include "Dialog.h"
#include "HostMessages.h"
#include "RunningDialog.h"

namespace brivel::serverhost {

class CSetupDialog : public brivel::winui::Dialog, public IConfigDialogOwner, public IServerRun {
public:
    CSetupDialog();
    ~CSetupDialog() override;

    bool RefreshServiceRunning() override;
    void ArmRestartReminder() override { restartReminder_ = true; }
    bool StopServer(HWND owner) override;
    void LeaveUnmonitored() override { stoppedByUser_ = true; }

protected:
    bool OnInitDialog() override;
    void OnDestroy() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void ShowAddress();
    void RunOnce();
    void ShowRunningDialog();
    void OnServerEnded(int run);
    void AskAboutEnd();
    void OpenWithShell(const std::string& path);

    CMessageBoxes messages_;
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool restartReminder_ = false;

    // The server run from this dialog.
    HANDLE server_ = nullptr;
    int run_ = 0;  // counts runs, so a late end of an earlier run is told apart
    std::string logPath_;
    bool stoppedByUser_ = false;
    CRunningDialog* running_ = nullptr;
    bool reopenOnRestore_ = false;
};

}  // namespace brivel::serverhost
