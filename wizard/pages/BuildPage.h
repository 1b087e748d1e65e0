// The last Java-to-COM page: runs the generated command files and closes
// the wizard. Its Cancel button reads "Close"; Back is hidden.
#pragma once

#include "WizardPage.h"

class CBuildPage : public CWizardPage {
public:
    CBuildPage();

    int m_stepsStarted = 0;
    int m_stepsOffered = 3;

    void OnPageShown() override;
    CString GetCancelLabel() override { return "Close"; }
    bool ShowBack() override { return false; }
    // Enter on this page closes the wizard the way "Close" does, closing
    // steps included.
    bool ValidatePage() override;
    // Asks before leaving unfinished build steps.
    bool CanExit() override;
};
