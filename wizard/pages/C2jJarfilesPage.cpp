#include "C2jJarfilesPage.h"

#include "C2jPageRules.h"
#include "MessageBoxes.h"
#include "Pickers.h"
#include "WizardDlg.h"
#include "resource.h"

using namespace c2j_text;

CC2jJarfilesPage::CC2jJarfilesPage() : CWizardPage(IDD_C2J_JARFILES_PAGE, "help\\com2java\\Jarfiles.html") {
    OnClicked(IDC_JAR_ADD, [this] { OnAdd(); });
    OnClicked(IDC_JAR_REMOVE, [this] { OnRemove(); });
    OnClicked(IDC_JAR_ADD_JAR, [this] { OnAddJarToClassPath(); });
    OnClicked(IDC_JAR_ADD_FOLDER, [this] { OnAddFolderToClassPath(); });
    OnClicked(IDC_JAR_CLEAR, [this] { OnClear(); });
    OnCommand(IDC_JAR_LIST, LBN_SELCHANGE, [this] { EnableRemove(); });
}

void CC2jJarfilesPage::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.ListStrings(IDC_JAR_LIST, m_jarFiles);
    dx.Text(IDC_JAR_EXTRA_CLASSPATH, m_extraClassPath);
}

void CC2jJarfilesPage::EnableRemove() {
    EnableItem(IDC_JAR_REMOVE, SendMessageA(Item(IDC_JAR_LIST), LB_GETCURSEL, 0, 0) != LB_ERR);
}

void CC2jJarfilesPage::OnAdd() {
    brivel::winui::FilePickerOptions options;
    options.filter = kJarFilter;
    CString path;
    if (!brivel::winui::PickFile(m_pWizard->Handle(), options, path)) return;
    SendMessageA(Item(IDC_JAR_LIST), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
    UpdateData(true);
}

void CC2jJarfilesPage::OnRemove() {
    HWND list = Item(IDC_JAR_LIST);
    LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return;
    UpdateData(true);
    const CString& jar = m_jarFiles.at(static_cast<size_t>(selected));
    if (!AskQuestion(m_pWizard->Handle(), CString(kRemoveJarQuestion) + jar + "?", this)) return;
    SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    UpdateData(true);
    EnableRemove();
}

void CC2jJarfilesPage::OnAddJarToClassPath() {
    brivel::winui::FilePickerOptions options;
    options.filter = kJarFilter;
    CString path;
    if (!brivel::winui::PickFile(m_pWizard->Handle(), options, path)) return;
    UpdateData(true);
    AppendClassPathEntry(m_extraClassPath, path);
    SetItemText(IDC_JAR_EXTRA_CLASSPATH, m_extraClassPath);
}

void CC2jJarfilesPage::OnAddFolderToClassPath() {
    CString folder;
    if (!brivel::winui::PickFolder(m_pWizard->Handle(), kOutputFolderTitle, folder)) return;
    UpdateData(true);
    AppendClassPathEntry(m_extraClassPath, folder);
    SetItemText(IDC_JAR_EXTRA_CLASSPATH, m_extraClassPath);
}

void CC2jJarfilesPage::OnClear() {
    if (!AskQuestion(m_pWizard->Handle(), kClearClassPathQuestion, this)) return;
    m_extraClassPath.Empty();
    SetItemText(IDC_JAR_EXTRA_CLASSPATH, "");
}

bool CC2jJarfilesPage::ValidatePage() {
    if (m_jarFiles.empty()) {
        ShowInfoBox(m_pWizard->Handle(), kSpecifyJarFiles, this);
        return false;
    }
    return true;
}
