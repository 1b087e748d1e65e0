#include "AdvancedPage.h"

#include "resource.h"

CAdvancedPage::CAdvancedPage() : CWizardPage(IDD_ADVANCED_PAGE, "help\\java2com\\PageAdv.html") {}
