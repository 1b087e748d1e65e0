#include "LibPage.h"

#include "resource.h"

CLibPage::CLibPage() : CWizardPage(IDD_LIB_PAGE, "help\\java2com\\Page4.html") {}

void CLibPage::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Text(IDC_LIBRARY, m_library);
}
