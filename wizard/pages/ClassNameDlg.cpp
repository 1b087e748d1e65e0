#include "ClassNameDlg.h"

#include "ClassListIds.h"
#include "ClassListRules.h"
#include "JarClassLoader.h"
#include "JavaVmHostInterface.h"
#include "MessageBoxes.h"

using namespace class_list_text;

CClassNameDlg::CClassNameDlg(CComNameSet& objectNames, IJavaVmHost* vmHost, const CString& classPath)
    : Dialog(IDD_CLASS_NAME), m_objectNames(objectNames), m_vmHost(vmHost), m_classPath(classPath) {
    OnCommand(IDC_CLASS_NAME, EN_CHANGE, [this] { OnClassNameChanged(); });
    OnCommand(IDC_COM_OBJECT_NAME, EN_CHANGE, [this] { OnComNameChanged(); });
    OnClicked(IDC_LOAD_FROM_JAR, [this] { OnLoadFromJar(); });
}

void CClassNameDlg::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Text(IDC_CLASS_NAME, m_className);
    dx.Check(IDC_INCLUDE_BASE_CLASSES, m_includeInherited);
    dx.Check(IDC_VISUAL_EMBEDDING, m_visual);
    dx.Text(IDC_COM_OBJECT_NAME, m_comName);
    dx.Text(IDC_CLASS_COMMENT, m_comment);
    dx.Check(IDC_LOAD_FROM_JAR, m_loadFromJar);
}

bool CClassNameDlg::OnInitDialog() {
    m_properties = !m_className.IsEmpty();
    m_originalComName = m_comName;
    m_userTypedComName = m_properties;
    m_settingComName = true;
    Dialog::OnInitDialog();
    m_settingComName = false;
    OwnerDrawPushButtons(*this, m_buttons);
    if (m_properties) {
        for (int id : {IDC_CLASS_NAME, IDC_INCLUDE_BASE_CLASSES, IDC_VISUAL_EMBEDDING, IDC_LOAD_FROM_JAR, IDC_JAR_CHOICE})
            EnableItem(id, false);
    }
    return true;
}

void CClassNameDlg::OnClassNameChanged() {
    if (m_userTypedComName || m_properties) return;
    // Also called while the dialog fills its fields, inside an outer guard.
    bool wasSetting = m_settingComName;
    m_settingComName = true;
    SetItemText(IDC_COM_OBJECT_NAME, ProposedObjectName(ItemText(IDC_CLASS_NAME), m_objectNames));
    m_settingComName = wasSetting;
}

void CClassNameDlg::OnComNameChanged() {
    if (!m_settingComName) m_userTypedComName = true;
}

void CClassNameDlg::EnableModeControls() {
    bool jar = IsDlgButtonChecked(Handle(), IDC_LOAD_FROM_JAR) == BST_CHECKED;
    for (int id : {IDC_CLASS_NAME, IDC_INCLUDE_BASE_CLASSES, IDC_VISUAL_EMBEDDING, IDC_COM_OBJECT_NAME,
                   IDC_CLASS_COMMENT})
        EnableItem(id, !jar);
    EnableItem(IDC_JAR_CHOICE, jar);
}

void CClassNameDlg::OnLoadFromJar() {
    if (IsDlgButtonChecked(Handle(), IDC_LOAD_FROM_JAR) == BST_CHECKED && !m_jarChoicesFilled) {
        std::vector<CString> choices = JarChoices(m_classPath, CJarClassLoader::kClassPathSeparator);
        if (choices.empty()) {
            ShowInfoBox(Handle(), kNoJarInClassPath, this);
            CheckDlgButton(Handle(), IDC_LOAD_FROM_JAR, BST_UNCHECKED);
        } else {
            for (const CString& jar : choices)
                SendMessageA(Item(IDC_JAR_CHOICE), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(jar.c_str()));
            m_jarChoicesFilled = true;
        }
    }
    EnableModeControls();
}

bool CClassNameDlg::CheckSingleClass() {
    ClassNameFields fields{m_className, m_comName, m_originalComName};
    CString message;
    if (!CheckClassNameFields(fields, m_objectNames, message)) {
        ShowInfoBox(Handle(), message, this);
        return false;
    }
    if (!m_visual) return true;
    CString error;
    if (!m_vmHost || !m_vmHost->Start(m_classPath, error)) {
        if (!error.IsEmpty()) ShowInfoBox(Handle(), error, this);
        return false;
    }
    CString className = m_className;
    className.Trim();
    if (!m_vmHost->IsVisualComponent(className)) {
        ShowInfoBox(Handle(), kNotVisual, this);
        return false;
    }
    return true;
}

void CClassNameDlg::OnOK() {
    UpdateData(true);
    if (m_loadFromJar) {
        HWND combo = Item(IDC_JAR_CHOICE);
        LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
        if (selected == CB_ERR) {
            ShowInfoBox(Handle(), kSelectJar, this);
            return;
        }
        LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
        std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
        m_jarFile = text.data();
    } else if (!CheckSingleClass()) {
        return;
    }
    EndDialog(IDOK);
}
