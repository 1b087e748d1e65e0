#include "C2jTypeSelPage.h"

#include "MessageBoxes.h"
#include "WizardDlg.h"
#include "resource.h"

CC2jTypeSelPage::CC2jTypeSelPage() : CWizardPage(IDD_C2J_TYPE_SEL_PAGE, "help\\com2java\\TypeSel.html") {}

void CC2jTypeSelPage::DoDataExchange(brivel::winui::DataExchange& dx) { dx.Radio(IDC_ALL_FROM_JARS, m_choice); }

bool CC2jTypeSelPage::ValidatePage() {
    if (m_choice < 0) {
        ShowInfoBox(m_pWizard->Handle(), "Please select one of the options", this);
        return false;
    }
    m_pWizard->SelectWizard(m_choice == 0 ? CPageNavigator::kComToJavaJars : CPageNavigator::kComToJavaClasses);
    return true;
}
