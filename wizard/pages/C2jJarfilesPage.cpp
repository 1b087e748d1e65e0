#include "C2jJarfilesPage.h"

#include "resource.h"

CC2jJarfilesPage::CC2jJarfilesPage() : CWizardPage(IDD_C2J_JARFILES_PAGE, "help\\com2java\\Jarfiles.html") {}

void CC2jJarfilesPage::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.ListStrings(IDC_JAR_LIST, m_jarFiles);
    dx.Text(IDC_JAR_EXTRA_CLASSPATH, m_extraClassPath);
}
