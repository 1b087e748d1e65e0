// The start page: the user chooses the wizard, Java-to-COM or COM-to-Java.
#pragma once

#include "WizardPage.h"

class CBrvMain : public CWizardPage {
public:
    CBrvMain();

    int m_choice = -1;  // 0 Java-to-COM, 1 COM-to-Java, -1 none yet

    // Makes the chosen wizard's page list active.
    bool ValidatePage() override;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
};
