#include "C2jSave.h"

#include "WizardDlg.h"
#include "resource.h"

CC2jSave::CC2jSave() : CWizardPage(IDD_C2J_SAVE, "help\\com2java\\Page6.html") {}

void CC2jSave::DoDataExchange(brivel::winui::DataExchange& dx) { dx.Text(IDC_C2J_FILE, m_filePath); }

bool CC2jSave::ValidatePage() {
    if (m_pWizard->IsJarMode() && !m_pWizard->LoadJarFiles(this)) return false;
    return true;
}
