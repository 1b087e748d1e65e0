// The save-location dialog (dialog 104): system folder, Windows folder or
// another location that the user types or browses to. OK checks the choice
// and keeps the dialog open with a message while it is not usable, and
// asks before a file that is already there is replaced, whichever the
// location (the page names the library, the server sends its DLL); Cancel,
// Escape and the close box cancel the save.
#pragma once

#include <windows.h>

#include <string>

#include "UploaderUi.h"

namespace brivel::uploadctl {

class CSaveDllDlg {
public:
    explicit CSaveDllDlg(const SaveDialogInput& input) : input_(input) {}

    // Runs the dialog modally on the calling thread; false when cancelled.
    bool DoModal(HWND owner, SaveLocation& chosen);

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void OnChoiceClicked();
    void OnBrowse();
    bool ValidateChoice();
    bool ConfirmReplace(const std::string& target);

    SaveDialogInput input_;
    SaveLocation chosen_;
    HWND dialog_ = nullptr;
    std::string confirmedPath_;  // a file the save dialog has already asked to replace
};

}  // namespace brivel::uploadctl
