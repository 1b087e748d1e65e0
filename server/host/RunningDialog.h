// "Brivel Server Running": shown while a server run from the setup dialog
// runs, with its log file, a way to stop it and a way to put the program
// aside.
#pragma once

#include <windows.h>

#include <string>

#include "Dialog.h"

namespace brivel::serverhost {

// The setup dialog's run of the server, as the running dialog acts on it.
class IServerRun {
public:
    virtual ~IServerRun() = default;
    // Asks the server to quit (after the user's confirmation while clients
    // are connected), with messages owned by `owner`; true when it quits.
    virtual bool StopServer(HWND owner) = 0;
    // The user leaves the server running without this dialog.
    virtual void LeaveUnmonitored() = 0;
};

class CRunningDialog : public brivel::winui::Dialog {
public:
    // DoModal's result after "Iconify this program".
    static constexpr INT_PTR kIconified = 100;

    CRunningDialog(IServerRun& run, std::string logPath);

    // The server ended: the dialog closes without asking.
    void CloseByMonitor();
    bool ClosedByMonitor() const { return closedByMonitor_; }

protected:
    bool OnInitDialog() override;
    // The close box or Escape: the user is asked before the server is left
    // to run un-monitored.
    void OnCancel() override;

private:
    IServerRun& run_;
    std::string logPath_;
    bool closedByMonitor_ = false;
};

}  // namespace brivel::serverhost
