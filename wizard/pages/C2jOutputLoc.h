// The COM-to-Java output folder page.
#pragma once

#include "WizardPage.h"

class CC2jOutputLoc : public CWizardPage {
public:
    CC2jOutputLoc();

    CString m_outputFolder;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
};
