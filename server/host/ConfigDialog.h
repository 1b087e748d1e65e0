// "Brivel Server Configuration": edits the server's settings in the
// configuration file. OK checks them (a custom authorization class is run
// through its checker), stores them and writes the file; Cancel and Close
// leave the configuration as the dialog found it.
#pragma once

#include "Dialog.h"
#include "HostMessages.h"
#include "LibraryConfigItems.h"
#include "ServerConfigForm.h"

namespace brivel::serverhost {

// The setup dialog, as the configuration dialog needs it.
class IConfigDialogOwner {
public:
    virtual ~IConfigDialogOwner() = default;
    // Refreshes the setup dialog's service state; true while the service runs.
    virtual bool RefreshServiceRunning() = 0;
    // Reminds the user of the restart when the setup dialog closes.
    virtual void ArmRestartReminder() = 0;
};

class CConfigDialog : public brivel::winui::Dialog {
public:
    explicit CConfigDialog(IConfigDialogOwner& owner);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
    void OnOK() override;
    void OnCancel() override;

private:
    // A control changed: OK and Cancel replace Close; `changed` also arms the
    // restart note.
    void MarkEdited(bool changed);
    void ShowEditButtons();
    void ApplyRules();
    void ChangePort(bool ssl);
    void BrowseInto(int editId, const char* filter);
    void EditClassPath();

    IConfigDialogOwner& owner_;
    CLibraryConfigItems items_;
    ServerConfigSnapshot opened_;
    ServerConfigValues values_;
    bool edited_ = false;
    bool changed_ = false;
    bool loading_ = false;
};

}  // namespace brivel::serverhost
