#include "LibNamePage.h"

#include "C2jPageRules.h"
#include "MessageBoxes.h"
#include "WizardDlg.h"
#include "resource.h"

CLibNamePage::CLibNamePage() : CWizardPage(IDD_LIB_NAME_PAGE, "help\\com2java\\Page3.html") {}

void CLibNamePage::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Text(IDC_C2J_LIBRARY_NAME, m_libraryName);
    dx.Text(IDC_C2J_LIBRARY_COMMENT, m_comment);
}

void CLibNamePage::RefreshFromSpecification(const CC2jSpecification& spec) {
    m_libraryName = spec.m_libraryName;
    m_comment = spec.m_libraryComment;
    UpdateData(false);
}

bool CLibNamePage::ValidatePage() {
    CString message;
    if (!CheckLibraryName(m_libraryName, message)) {
        ShowErrorBox(m_pWizard->Handle(), message, this);
        return false;
    }
    SetItemText(IDC_C2J_LIBRARY_NAME, m_libraryName);
    m_pWizard->m_c2jSpec.m_libraryName = m_libraryName;
    m_pWizard->m_c2jSpec.m_libraryComment = m_comment;
    return true;
}
