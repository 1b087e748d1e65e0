// The Java-to-COM advanced options page: each button runs one option
// dialog with the generation job's current value and stores the result.
#pragma once

#include "WizardPage.h"

class CAdvancedPage : public CWizardPage {
public:
    CAdvancedPage();

private:
    void OnCallbackInterfaces();
};
