#include "BrvMain.h"

#include "MessageBoxes.h"
#include "WizardDlg.h"
#include "resource.h"

CBrvMain::CBrvMain() : CWizardPage(IDD_BRV_MAIN, "help\\java2com\\MainPage.html") {
    OnClicked(IDC_JAVA_TO_COM, [this] { m_pWizard->SetJavaToComTitle(); });
    OnClicked(IDC_COM_TO_JAVA, [this] { m_pWizard->SetComToJavaTitle(); });
}

void CBrvMain::DoDataExchange(brivel::winui::DataExchange& dx) { dx.Radio(IDC_JAVA_TO_COM, m_choice); }

bool CBrvMain::ValidatePage() {
    if (m_choice < 0) {
        ShowInfoBox(m_pWizard->Handle(), "Please select a wizard", this);
        return false;
    }
    m_pWizard->SelectWizard(m_choice == 0 ? CPageNavigator::kJavaToCom : CPageNavigator::kComToJavaClasses);
    return true;
}
