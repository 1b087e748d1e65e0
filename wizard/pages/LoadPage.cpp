#include "LoadPage.h"

#include "resource.h"

CLoadPage::CLoadPage() : CWizardPage(IDD_LOAD_PAGE, "help\\com2java\\Page1.html") {}

void CLoadPage::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Text(IDC_LOAD_FILE, m_fileToLoad);
}
