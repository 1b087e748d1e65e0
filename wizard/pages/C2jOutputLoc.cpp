#include "C2jOutputLoc.h"

#include "resource.h"

CC2jOutputLoc::CC2jOutputLoc() : CWizardPage(IDD_C2J_OUTPUT_LOC, "help\\com2java\\Page5.html") {}

void CC2jOutputLoc::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Text(IDC_C2J_OUTPUT_FOLDER, m_outputFolder);
}
