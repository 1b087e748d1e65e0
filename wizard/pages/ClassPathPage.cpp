#include "ClassPathPage.h"

#include "resource.h"

CClassPathPage::CClassPathPage() : CWizardPage(IDD_CLASS_PATH_PAGE, "help\\com2java\\Page2.html") {}

void CClassPathPage::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Text(IDC_CLASS_PATH, m_classPath);
    dx.Check(IDC_DYNAMIC_CLASS_PATH, m_dynamicClassPath);
}
