#include "InstallerDialogs.h"

#include <commctrl.h>

#include <cctype>
#include <cstdio>
#include <string>

#include "InstallThread.h"
#include "InstallerSystem.h"
#include "InstallerTexts.h"
#include "Pickers.h"
#include "resource.h"

namespace brivel::setup {

void CenterOverClient(HWND dialog, HWND owner) {
    if (!owner) return;
    RECT client{};
    RECT own{};
    GetClientRect(owner, &client);
    MapWindowPoints(owner, nullptr, reinterpret_cast<POINT*>(&client), 2);
    GetWindowRect(dialog, &own);
    int width = own.right - own.left;
    int height = own.bottom - own.top;
    int x = client.left + ((client.right - client.left) - width) / 2;
    int y = client.top + ((client.bottom - client.top) - height) / 2;
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CenteredDialog::OnInitDialog() {
    CenterOverClient(Handle(), GetParent(Handle()));
    return winui::Dialog::OnInitDialog();
}

JavacMissingDialog::JavacMissingDialog() : CenteredDialog(IDD_JAVAC_MISSING) {}

void JavacMissingDialog::OnOK() {
    OpenBrowserAt(Handle(), texts::kJavacHelpAddress);
    EndDialog(IDOK);
}

FolderDialog::FolderDialog(InstallSession& session) : CenteredDialog(IDD_FOLDER), session_(session) {
    OnClicked(IDC_BROWSE, [this] { OnBrowse(); });
}

bool FolderDialog::OnInitDialog() {
    CenteredDialog::OnInitDialog();
    SendMessageA(Item(IDC_FOLDER), EM_LIMITTEXT, MAX_PATH - 1, 0);
    SetItemText(IDC_FOLDER, session_.defaultFolder.c_str());
    return true;
}

void FolderDialog::OnBrowse() {
    char title[300];
    std::snprintf(title, sizeof title, texts::kBrowseTitle, session_.displayName.c_str());
    CString folder;
    if (winui::PickFolder(Handle(), title, folder)) SetItemText(IDC_FOLDER, folder.c_str());
}

void FolderDialog::OnOK() {
    std::string folder = ItemText(IDC_FOLDER).c_str();
    if (!ValidateDialogField(Handle(), folder, texts::kFolderFieldName, false)) return;
    session_.folder = folder.substr(0, MAX_PATH - 1);
    EndDialog(IDOK);
}

LicenseDialog::LicenseDialog(const InstallSession& session) : CenteredDialog(IDD_LICENSE), session_(session) {}

bool LicenseDialog::OnInitDialog() {
    CenteredDialog::OnInitDialog();
    SetItemText(IDC_LICENSE_TEXT, session_.licenseText.c_str());
    return true;
}

ProgressDialog::ProgressDialog(InstallSession& session) : CenteredDialog(IDD_PROGRESS), session_(session) {
    OnMessage(session_.doneMessage, [this](WPARAM, LPARAM) -> INT_PTR {
        EndDialog(IDOK);
        return 0;
    });
}

ProgressDialog::~ProgressDialog() {
    if (worker_.joinable()) worker_.join();
}

bool ProgressDialog::OnInitDialog() {
    CenteredDialog::OnInitDialog();
    SendMessageA(Item(IDC_PROGRESS), PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    HWND window = Handle();
    worker_ = std::thread([this, window] { InstallThread(session_, window); });
    return true;
}

bool ValidateDialogField(HWND owner, const std::string& value, const char* fieldName, bool numeric) {
    char message[300];
    if (value.empty()) {
        std::snprintf(message, sizeof message, texts::kMissingField, fieldName);
        MessageBoxA(owner, message, texts::kMissingFieldCaption, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (numeric) {
        for (unsigned char c : value) {
            if (!std::isdigit(c)) {
                std::snprintf(message, sizeof message, texts::kNonNumericField, fieldName);
                MessageBoxA(owner, message, texts::kNonNumericFieldCaption, MB_OK | MB_ICONEXCLAMATION);
                return false;
            }
        }
    }
    return true;
}

}  // namespace brivel::setup
