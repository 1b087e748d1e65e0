// The save-location dialog (dialog 104): system folder, Windows folder or
// another location that the user types or browses to. OK checks the choice
// and keeps the dialog open with a message while it is not usable; Cancel,
// Escape and the close box cancel the save.
#pragma once

#include <windows.h>

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

    SaveDialogInput input_;
    SaveLocation chosen_;
    HWND dialog_ = nullptr;
};

}  // namespace brivel::uploadctl
