// The COM-to-Java class list page: the Java classes the COM object offers.
#pragma once

#include "WizardPage.h"

class CClassListPage : public CWizardPage {
public:
    CClassListPage();
};
