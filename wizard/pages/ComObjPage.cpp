#include "ComObjPage.h"

#include "ComObjChooserDlg.h"
#include "ComObjectLookup.h"
#include "ComObjectRules.h"
#include "JavaToComTexts.h"
#include "LibPage.h"
#include "MessageBoxes.h"
#include "Pickers.h"
#include "ProgIdDlg.h"
#include "WizardDlg.h"
#include "resource.h"

CComObjPage::CComObjPage() : CWizardPage(IDD_COM_OBJ_PAGE, "help\\java2com\\Page1.html") {
    OnClicked(IDC_BROWSE_COM_FILE, [this] { OnBrowse(); });
    OnClicked(IDC_SEARCH_COM_OBJECTS, [this] { OnSearchAll(); });
    OnClicked(IDC_LOCATE_PROGID, [this] { OnLocateProgId(); });
    OnCommand(IDC_COM_FILE, EN_CHANGE, [this] { OnPathChanged(); });
}

void CComObjPage::DoDataExchange(brivel::winui::DataExchange& dx) { dx.Text(IDC_COM_FILE, m_comFilePath); }

bool CComObjPage::ValidatePage() {
    ComSourceCheck check = CheckComSource(m_comFilePath, FullPathName, PathExists, LoadsAsTypeLibrary);
    if (!check.Ok()) {
        ShowErrorBox(m_pWizard->Handle(), check.message, this);
        return false;
    }
    m_pWizard->SetChanged(true);
    m_comObjectName = check.objectName;
    return true;
}

void CComObjPage::ShowPath(const CString& path) {
    UpdateData(true);
    m_comFilePath = path;
    UpdateData(false);
}

// Another COM file: the library page proposes its name again.
void CComObjPage::OnPathChanged() {
    if (m_pWizard && m_pWizard->m_pLibPage) m_pWizard->m_pLibPage->m_proposed = 0;
}

void CComObjPage::OnBrowse() {
    brivel::winui::FilePickerOptions options;
    options.filter = j2c_text::kComFileFilter;
    CString path;
    if (!brivel::winui::PickFile(m_pWizard->Handle(), options, path)) return;
    if (LoadsAsTypeLibrary(path)) ShowPath(path);
    else ShowInfoBox(m_pWizard->Handle(), j2c_text::kNoComInterface, this);
}

void CComObjPage::OnSearchAll() {
    CComObjChooserDlg chooser;
    // OK without a choice leaves the typed path as it was.
    if (chooser.DoModal(m_pWizard->Handle()) == IDOK && !chooser.m_path.IsEmpty()) ShowPath(chooser.m_path);
}

void CComObjPage::OnLocateProgId() {
    CProgIdDlg dialog;
    if (dialog.DoModal(m_pWizard->Handle()) != IDOK) return;
    HWND frame = m_pWizard->Handle();
    CString path;
    switch (LocateProgId(dialog.m_progId, path)) {
    case ProgIdLookup::UnknownProgId:
        ShowInfoBox(frame, dialog.m_progId + j2c_text::kProgIdNotFound, this);
        break;
    case ProgIdLookup::RegistryFailed:
        ShowInfoBox(frame, j2c_text::kRegistryLookupFailed, this);
        break;
    case ProgIdLookup::NoFile:
        ShowInfoBox(frame, dialog.m_progId + j2c_text::kNoFileForProgId, this);
        break;
    case ProgIdLookup::Found:
        ShowPath(path);
        ShowInfoBox(frame, dialog.m_progId + j2c_text::kProgIdLocatedIn + path, this);
        break;
    }
}
