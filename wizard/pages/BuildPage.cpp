#include "BuildPage.h"

#include "MessageBoxes.h"
#include "WizardDlg.h"
#include "resource.h"

CBuildPage::CBuildPage() : CWizardPage(IDD_BUILD_PAGE, "help\\java2com\\Page7.html") {}

void CBuildPage::OnPageShown() {
    m_pWizard->SetChanged(false);
    m_pWizard->ShowNextButton(false);
    m_stepsStarted = 0;
}

bool CBuildPage::ValidatePage() {
    if (CanExit()) m_pWizard->EndDialog(IDOK);
    return false;
}

bool CBuildPage::CanExit() {
    if (m_stepsStarted < m_stepsOffered &&
        !AskQuestion(m_pWizard->Handle(), "Are you sure you wish to exit without completing all build steps?", this))
        return false;
    return true;
}
