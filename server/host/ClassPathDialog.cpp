#include "ClassPathDialog.h"

#include "HostTexts.h"
#include "Pickers.h"
#include "resource.h"

namespace brivel::serverhost {

CClassPathDialog::CClassPathDialog(std::vector<std::string> entries)
    : Dialog(IDD_CLASSPATH_DIALOG), entries_(std::move(entries)) {
    OnClicked(IDC_ADD_FOLDER, [this] {
        CString folder;
        if (brivel::winui::PickFolder(Handle(), kAddFolderTitle, folder)) Add(folder);
    });
    OnClicked(IDC_ADD_JAR, [this] {
        brivel::winui::FilePickerOptions options;
        options.filter = kJarFilter;
        options.title = kAddJarTitle;
        CString file;
        if (brivel::winui::PickFile(Handle(), options, file)) Add(file);
    });
    OnClicked(IDC_DELETE_ENTRY, [this] {
        LRESULT selected = SendMessageA(Item(IDC_CLASSPATH_LIST), LB_GETCURSEL, 0, 0);
        if (selected != LB_ERR) SendMessageA(Item(IDC_CLASSPATH_LIST), LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
        UpdateDeleteButton();
    });
    OnCommand(IDC_CLASSPATH_LIST, LBN_SELCHANGE, [this] { UpdateDeleteButton(); });
}

bool CClassPathDialog::OnInitDialog() {
    for (const std::string& entry : entries_) Add(entry.c_str());
    UpdateDeleteButton();
    return true;
}

void CClassPathDialog::Add(const char* entry) {
    SendMessageA(Item(IDC_CLASSPATH_LIST), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    UpdateDeleteButton();
}

void CClassPathDialog::UpdateDeleteButton() {
    EnableItem(IDC_DELETE_ENTRY, SendMessageA(Item(IDC_CLASSPATH_LIST), LB_GETCURSEL, 0, 0) != LB_ERR);
}

void CClassPathDialog::OnOK() {
    std::vector<CString> shown;
    brivel::winui::DataExchange exchange(Handle(), true);
    exchange.ListStrings(IDC_CLASSPATH_LIST, shown);
    entries_.clear();
    for (const CString& entry : shown) entries_.push_back(entry.str());
    EndDialog(IDOK);
}

}  // namespace brivel::serverhost
