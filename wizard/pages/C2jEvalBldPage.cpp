#include "C2jEvalBldPage.h"

#include "WizardDlg.h"
#include "resource.h"

CC2jEvalBldPage::CC2jEvalBldPage() : CWizardPage(IDD_C2J_EVAL_BLD_PAGE, "help\\com2java\\Page7.html") {}

void CC2jEvalBldPage::OnPageShown() { m_pWizard->SetChanged(false); }
