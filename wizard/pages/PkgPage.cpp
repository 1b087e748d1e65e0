#include "PkgPage.h"

#include "resource.h"

CPkgPage::CPkgPage() : CWizardPage(IDD_PKG_PAGE, "help\\java2com\\Page3.html") {}

void CPkgPage::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Text(IDC_PACKAGE, m_package);
}
