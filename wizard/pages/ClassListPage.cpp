#include "ClassListPage.h"

#include "C2jSpecification.h"
#include "ClassNameDlg.h"
#include "ClassPathPage.h"
#include "JavaClassSpec.h"
#include "MessageBoxes.h"
#include "MethodsDlg.h"
#include "WizardDlg.h"
#include "resource.h"

using namespace class_list_text;

CClassListPage::CClassListPage() : CWizardPage(IDD_CLASS_LIST_PAGE, "help\\com2java\\Page4.html") {
    OnClicked(IDC_ADD_CLASS, [this] { OnAddClass(); });
    OnClicked(IDC_REMOVE_CLASS, [this] { OnRemoveClass(); });
    OnClicked(IDC_CLASS_PROPERTIES, [this] { OnProperties(); });
    OnClicked(IDC_SPECIFY_MEMBERS, [this] { OnSpecifyMembers(); });
    OnCommand(IDC_CLASS_LIST, LBN_SELCHANGE, [this] { EnableButtons(); });
    OnCommand(IDC_CLASS_LIST, LBN_DBLCLK, [this] { OnSpecifyMembers(); });
}

CClassListModel& CClassListPage::Model() {
    if (!m_model) m_model = std::make_unique<CClassListModel>(m_pWizard->m_c2jSpec, m_pWizard->m_vmHost);
    return *m_model;
}

CString CClassListPage::ClassPath() const {
    const CString& classPath = m_pWizard->m_c2jSpec.m_classPath;
    return classPath.IsEmpty() ? m_pWizard->m_pClassPathPage->m_classPath : classPath;
}

std::vector<int> CClassListPage::SelectedRows() const {
    HWND list = Item(IDC_CLASS_LIST);
    LRESULT count = SendMessageA(list, LB_GETSELCOUNT, 0, 0);
    std::vector<int> rows(static_cast<size_t>(count > 0 ? count : 0));
    if (!rows.empty())
        SendMessageA(list, LB_GETSELITEMS, static_cast<WPARAM>(rows.size()), reinterpret_cast<LPARAM>(rows.data()));
    return rows;
}

std::vector<CJavaClassSpec*> CClassListPage::ListedClasses() const {
    HWND list = Item(IDC_CLASS_LIST);
    std::vector<CJavaClassSpec*> classes;
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i)
        classes.push_back(reinterpret_cast<CJavaClassSpec*>(SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0)));
    return classes;
}

void CClassListPage::EnableButtons() {
    bool selection = !SelectedRows().empty();
    for (int id : {IDC_SPECIFY_MEMBERS, IDC_REMOVE_CLASS, IDC_CLASS_PROPERTIES}) EnableItem(id, selection);
}

void CClassListPage::FillList() {
    HWND list = Item(IDC_CLASS_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (CJavaClassSpec* javaClass : Model().ListedClasses()) {
        LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(javaClass->m_javaClassName.c_str()));
        SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(javaClass));
    }
    EnableButtons();
}

void CClassListPage::ReloadSavedClasses() {
    const CC2jSpecification* saved = m_pWizard->m_pLoadedSpec.get();
    if (!saved || saved == m_reloadedFrom) return;
    m_reloadedFrom = saved;
    CString errors;
    if (!Model().ReloadProject(*saved, errors)) ShowErrorBox(m_pWizard->Handle(), errors, this);
}

void CClassListPage::OnPageShown() {
    ReloadSavedClasses();
    FillList();
}

void CClassListPage::OnAddClass() {
    CClassNameDlg dialog(m_pWizard->m_vmHost, m_pWizard->m_c2jSpec.m_vmHost, ClassPath());
    if (dialog.DoModal(m_pWizard->Handle()) != IDOK) return;
    if (dialog.m_loadFromJar) {
        AddJarClasses(dialog.m_jarFile);
        return;
    }
    CString message;
    CJavaClassSpec* javaClass = Model().AddClass(ClassPath(), dialog.m_className, dialog.m_includeInherited != 0,
                                                 dialog.m_comName, dialog.m_comment, dialog.m_visual != 0, message);
    if (!javaClass) {
        if (!message.IsEmpty()) ShowErrorBox(m_pWizard->Handle(), message, this);
        return;
    }
    HWND list = Item(IDC_CLASS_LIST);
    LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(javaClass->m_javaClassName.c_str()));
    SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(javaClass));
    EnableButtons();
}

void CClassListPage::AddJarClasses(const CString& jarFile) {
    JarClassesLoad load = m_pWizard->LoadJarClasses(jarFile, ClassPath());
    FillList();
    if (!load.listed) {  // nothing was loaded: only why
        ShowErrorBox(m_pWizard->Handle(), load.Problems(), this);
        return;
    }
    ShowInfoBox(m_pWizard->Handle(), kJarLoaded, this);
    if (!load.errors.empty() || !load.skipped.empty()) ShowErrorBox(m_pWizard->Handle(), load.Problems(), this);
}

void CClassListPage::OnRemoveClass() {
    std::vector<int> rows = SelectedRows();
    if (rows.empty()) return;
    std::vector<CJavaClassSpec*> listed = ListedClasses();
    std::vector<CJavaClassSpec*> classes;
    std::vector<CString> names;
    for (int row : rows) {
        classes.push_back(listed[static_cast<size_t>(row)]);
        names.push_back(listed[static_cast<size_t>(row)]->m_javaClassName);
    }
    if (!AskQuestion(m_pWizard->Handle(), CClassListModel::RemoveQuestion(names), this)) return;
    HWND list = Item(IDC_CLASS_LIST);
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(*row), 0);
    Model().RemoveClasses(classes);
    EnableButtons();
}

void CClassListPage::OnProperties() {
    std::vector<int> rows = SelectedRows();
    if (rows.size() != 1) {
        ShowInfoBox(m_pWizard->Handle(), kOnePropertiesClass, this);
        return;
    }
    CJavaClassSpec& javaClass = *ListedClasses()[static_cast<size_t>(rows[0])];
    CClassNameDlg dialog(m_pWizard->m_vmHost, m_pWizard->m_c2jSpec.m_vmHost, ClassPath());
    dialog.m_className = javaClass.m_javaClassName;
    dialog.m_visual = javaClass.m_visual ? 1 : 0;
    dialog.m_comName = javaClass.m_comObjectName;
    dialog.m_comment = javaClass.m_comment;
    dialog.m_includeInherited = javaClass.m_includeInherited ? 1 : 0;
    if (dialog.DoModal(m_pWizard->Handle()) != IDOK) return;
    Model().ApplyProperties(javaClass, dialog.m_comName, dialog.m_comment, dialog.m_visual != 0);
}

void CClassListPage::OnSpecifyMembers() {
    std::vector<int> rows = SelectedRows();
    if (rows.size() != 1) {
        ShowInfoBox(m_pWizard->Handle(), kOneMethodsClass, this);
        return;
    }
    CJavaClassSpec& javaClass = *ListedClasses()[static_cast<size_t>(rows[0])];
    for (;;) {
        CMethodsDlg dialog(javaClass, m_pWizard->m_c2jSpec.m_vmHost);
        dialog.DoModal(m_pWizard->Handle());
        if (!dialog.m_useForEvents) return;
        javaClass.m_eventInterface = 1;
    }
}

bool CClassListPage::ValidatePage() {
    CString message;
    if (!CheckClassesBeforeSaving(ListedClasses(), message)) {
        ShowErrorBox(m_pWizard->Handle(), message, this);
        return false;
    }
    return true;
}
