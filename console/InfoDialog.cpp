#include "InfoDialog.h"

#include <windows.h>

#include "ConsoleTexts.h"
#include "resource.h"

namespace brivel::console {
namespace {

struct InfoDialogState {
    bool doNotShow = false;  // exchanged with the check box
};

INT_PTR CALLBACK InfoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        auto* state = reinterpret_cast<InfoDialogState*>(lParam);
        CheckDlgButton(dialog, IDC_DO_NOT_SHOW, state->doNotShow ? BST_CHECKED : BST_UNCHECKED);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            auto* state = reinterpret_cast<InfoDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
            state->doNotShow = IsDlgButtonChecked(dialog, IDC_DO_NOT_SHOW) == BST_CHECKED;
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace

void ShowInfoIfWanted(const winui::AppProfile& profile) {
    if (profile.ReadInt(kProfileSection, kShowInfoEntry, 0) == 1) return;
    InfoDialogState state;
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_INFO_DIALOG), nullptr,
                                     InfoDialogProc, reinterpret_cast<LPARAM>(&state));
    if (result == IDOK && state.doNotShow) profile.WriteInt(kProfileSection, kShowInfoEntry, 1);
}

}  // namespace brivel::console
