#include "ClassPathPage.h"

#include <vector>

#include "C2jPageRules.h"
#include "MessageBoxes.h"
#include "Pickers.h"
#include "WizardDlg.h"
#include "resource.h"

using namespace c2j_text;

namespace {

// The environment's CLASSPATH, whatever its length.
CString EnvironmentClassPath() {
    std::vector<char> value(4096);
    for (;;) {
        DWORD length = GetEnvironmentVariableA("CLASSPATH", value.data(), static_cast<DWORD>(value.size()));
        if (length == 0) return CString();
        if (length < value.size()) return CString(value.data(), static_cast<int>(length));
        value.resize(length + 1);
    }
}

}  // namespace

CClassPathPage::CClassPathPage() : CWizardPage(IDD_CLASS_PATH_PAGE, "help\\com2java\\Page2.html") {
    m_classPath = ClassPathWithoutProductJar(EnvironmentClassPath());
    OnClicked(IDC_CLASS_PATH_CLEAR, [this] { OnClear(); });
    OnClicked(IDC_CLASS_PATH_ADD_JAR, [this] { OnAddJar(); });
    OnClicked(IDC_CLASS_PATH_ADD_FOLDER, [this] { OnAddFolder(); });
    OnCommand(IDC_CLASS_PATH, EN_CHANGE, [this] { EnableClear(); });
}

bool CClassPathPage::OnInitDialog() {
    CWizardPage::OnInitDialog();
    // The document tells the page when any page's work starts the VM.
    m_pWizard->m_c2jSpec.m_startNotifier = this;
    EnableClear();
    return false;
}

void CClassPathPage::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Text(IDC_CLASS_PATH, m_classPath);
    dx.Check(IDC_DYNAMIC_CLASS_PATH, m_dynamicClassPath);
}

void CClassPathPage::RefreshFromSpecification(const CC2jSpecification& spec) {
    m_classPath = spec.m_classPath;
    m_dynamicClassPath = spec.m_jarMode ? 1 : 0;
    m_filledFromFile = true;
    UpdateData(false);
}

void CClassPathPage::OnPageShown() {
    if (m_filledFromFile) m_pWizard->EnableItem(IDC_BACK, false);
    // A VM started elsewhere (JAR mode) fixed the class path the page can
    // take; its controls are locked, so it shows that one. A loaded
    // project's own class path stays to be refused.
    CString running;
    const CC2jSpecification& spec = m_pWizard->m_c2jSpec;
    if (!m_filledFromFile && spec.m_vmHost && spec.m_vmHost->RunningClassPath(running)) {
        m_classPath = running;
        SetItemText(IDC_CLASS_PATH, m_classPath);
    }
    SendMessageA(Item(IDC_CLASS_PATH), EM_SETSEL, 0, 0);
}

void CClassPathPage::EnableClear() {
    EnableItem(IDC_CLASS_PATH_CLEAR, !m_locked && GetWindowTextLengthA(Item(IDC_CLASS_PATH)) > 0);
}

void CClassPathPage::OnClear() {
    if (!AskQuestion(m_pWizard->Handle(), kClearClassPathQuestion, this)) return;
    SetItemText(IDC_CLASS_PATH, "");
    UpdateData(true);
}

void CClassPathPage::OnAddJar() {
    brivel::winui::FilePickerOptions options;
    options.filter = kJarFilter;
    CString path;
    if (!brivel::winui::PickFile(m_pWizard->Handle(), options, path)) return;
    UpdateData(true);
    AppendClassPathEntry(m_classPath, path);
    SetItemText(IDC_CLASS_PATH, m_classPath);
}

void CClassPathPage::OnAddFolder() {
    CString folder;
    if (!brivel::winui::PickFolder(m_pWizard->Handle(), kClassPathFolderTitle, folder)) return;
    UpdateData(true);
    AppendClassPathEntry(m_classPath, folder);
    SetItemText(IDC_CLASS_PATH, m_classPath);
}

void CClassPathPage::LockClassPath() {
    m_locked = true;
    for (int id : {IDC_CLASS_PATH, IDC_CLASS_PATH_CLEAR, IDC_CLASS_PATH_ADD_JAR, IDC_CLASS_PATH_ADD_FOLDER})
        EnableItem(id, false);
}

void CClassPathPage::OnVmStarted() { LockClassPath(); }

bool CClassPathPage::ValidatePage() {
    CString classPath = m_classPath;
    classPath.Trim();
    HWND frame = m_pWizard->Handle();
    if (classPath.IsEmpty()) {
        ShowErrorBox(frame, kSpecifyClassPath, this);
        return false;
    }
    CC2jSpecification& spec = m_pWizard->m_c2jSpec;
    // The VM keeps the class path it started with: classes reflected from it
    // would be saved under another one.
    CString running;
    if (!VmTakesClassPath(spec.m_vmHost, classPath, running)) {
        CString message;
        message.Format(kVmClassPathFixed, running.c_str(), classPath.c_str());
        ShowErrorBox(frame, message, this);
        return false;
    }
    spec.m_classPath = classPath;
    CString error;
    if (!spec.m_vmHost || !spec.m_vmHost->Start(classPath, error)) {
        ShowInfoBox(frame, error.IsEmpty() ? CString(kVmNotStarted) : error, this);
        return false;
    }
    LockClassPath();
    return true;
}
