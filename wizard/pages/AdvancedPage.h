// The Java-to-COM advanced options page: its buttons open the option dialogs.
#pragma once

#include "WizardPage.h"

class CAdvancedPage : public CWizardPage {
public:
    CAdvancedPage();
};
