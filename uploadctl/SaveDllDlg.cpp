#include "SaveDllDlg.h"

#include <commdlg.h>

#include <vector>

#include "ServerModule.h"
#include "UploaderTexts.h"
#include "resource.h"

namespace brivel::uploadctl {
namespace {

std::string WindowTextOf(HWND window) {
    int length = GetWindowTextLengthA(window);
    if (length <= 0) return std::string();
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    int got = GetWindowTextA(window, text.data(), length + 1);
    return std::string(text.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& folder) {
    DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool CSaveDllDlg::DoModal(HWND owner, SaveLocation& chosen) {
    INT_PTR result = DialogBoxParamA(ModuleInstance(), MAKEINTRESOURCEA(IDD_SAVEDLLDLG), owner, &DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    if (result != IDOK) return false;
    chosen = chosen_;
    return true;
}

INT_PTR CALLBACK CSaveDllDlg::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CSaveDllDlg*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        self = reinterpret_cast<CSaveDllDlg*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        self->dialog_ = dialog;
        self->OnInitDialog();
        return TRUE;
    case WM_COMMAND:
        if (!self || HIWORD(wParam) != BN_CLICKED) return FALSE;
        switch (LOWORD(wParam)) {
        case IDC_SYSTEM_FOLDER:
        case IDC_WINDOWS_FOLDER:
        case IDC_OTHER_LOCATION:
            self->OnChoiceClicked();
            return TRUE;
        case IDC_SAVE_BROWSE:
            self->OnBrowse();
            return TRUE;
        case IDOK:
            if (self->ValidateChoice()) EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

void CSaveDllDlg::OnInitDialog() {
    SetDlgItemTextA(dialog_, IDC_SYSTEM_FOLDER, texts::SystemDirectoryText(input_.systemFolder).c_str());
    SetDlgItemTextA(dialog_, IDC_WINDOWS_FOLDER, texts::WindowsDirectoryText(input_.windowsFolder).c_str());
    CheckRadioButton(dialog_, IDC_SYSTEM_FOLDER, IDC_OTHER_LOCATION, IDC_SYSTEM_FOLDER);
    OnChoiceClicked();
}

// The path and its Browse button serve "Other Location" only.
void CSaveDllDlg::OnChoiceClicked() {
    BOOL other = IsDlgButtonChecked(dialog_, IDC_OTHER_LOCATION) == BST_CHECKED;
    EnableWindow(GetDlgItem(dialog_, IDC_SAVE_PATH), other);
    EnableWindow(GetDlgItem(dialog_, IDC_SAVE_BROWSE), other);
}

void CSaveDllDlg::OnBrowse() {
    std::string preset = input_.libraryName + ".dll";
    std::vector<char> file(preset.size() + MAX_PATH + 1, '\0');
    preset.copy(file.data(), preset.size());
    const std::string filter = std::string(texts::kDllFilesFilter) + '\0' + texts::kDllFilesPattern + '\0' + '\0';
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = dialog_;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = texts::kSaveAsTitle;
    dialog.lpstrDefExt = "dll";
    dialog.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (!GetSaveFileNameA(&dialog)) return;
    SetDlgItemTextA(dialog_, IDC_SAVE_PATH, file.data());
    // The save dialog itself asked before an existing file.
    confirmedPath_ = FileExists(file.data()) ? file.data() : "";
}

bool CSaveDllDlg::ValidateChoice() {
    SaveLocation chosen;
    if (IsDlgButtonChecked(dialog_, IDC_SYSTEM_FOLDER) == BST_CHECKED ||
        IsDlgButtonChecked(dialog_, IDC_WINDOWS_FOLDER) == BST_CHECKED) {
        bool system = IsDlgButtonChecked(dialog_, IDC_SYSTEM_FOLDER) == BST_CHECKED;
        chosen.choice = system ? SaveChoice::SystemFolder : SaveChoice::WindowsFolder;
        std::string target;
        // A library name that is no file name is the upload's to report.
        if (DllPathInFolder(system ? input_.systemFolder : input_.windowsFolder, input_.libraryName, target) &&
            FileExists(target)) {
            if (!ConfirmReplace(target)) return false;
            chosen.replaceExisting = true;
        }
    } else {
        std::string path = WindowTextOf(GetDlgItem(dialog_, IDC_SAVE_PATH));
        OtherLocationProblem problem = CheckOtherLocation(path, &FolderExists);
        if (problem != OtherLocationProblem::None) {
            MessageBoxA(dialog_, texts::OtherLocationProblemText(problem, path).c_str(), texts::kError, MB_OK);
            return false;
        }
        chosen.choice = SaveChoice::OtherLocation;
        chosen.path = path;
        if (FileExists(path)) {
            if (lstrcmpiA(path.c_str(), confirmedPath_.c_str()) != 0 && !ConfirmReplace(path)) return false;
            chosen.replaceExisting = true;
        }
    }
    chosen_ = chosen;
    return true;
}

// No is the default: Enter keeps the file.
bool CSaveDllDlg::ConfirmReplace(const std::string& target) {
    return MessageBoxA(dialog_, texts::ReplaceExistingText(target).c_str(), texts::kReplaceCaption,
                       MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

}  // namespace brivel::uploadctl
