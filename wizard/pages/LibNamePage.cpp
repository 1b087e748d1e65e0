#include "LibNamePage.h"

#include "resource.h"

CLibNamePage::CLibNamePage() : CWizardPage(IDD_LIB_NAME_PAGE, "help\\com2java\\Page3.html") {}

void CLibNamePage::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Text(IDC_C2J_LIBRARY_NAME, m_libraryName);
    dx.Text(IDC_C2J_LIBRARY_COMMENT, m_comment);
}
