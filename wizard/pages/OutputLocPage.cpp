#include "OutputLocPage.h"

#include "resource.h"

COutputLocPage::COutputLocPage() : CWizardPage(IDD_OUTPUT_LOC_PAGE, "help\\java2com\\Page2.html") {}

void COutputLocPage::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Text(IDC_OUTPUT_FOLDER, m_outputFolder);
}
