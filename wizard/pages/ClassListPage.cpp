#include "ClassListPage.h"

#include "resource.h"

CClassListPage::CClassListPage() : CWizardPage(IDD_CLASS_LIST_PAGE, "help\\com2java\\Page4.html") {}
