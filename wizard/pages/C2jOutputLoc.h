// The COM-to-Java output folder page: where the specification, the readme
// and the built DLL go. A missing folder is created once the user agreed.
#pragma once

#include "C2jSpecification.h"
#include "WizardPage.h"

class CC2jOutputLoc : public CWizardPage {
public:
    CC2jOutputLoc();

    CString m_outputFolder;

    void RefreshFromSpecification(const CC2jSpecification& spec);
    bool ValidatePage() override;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;

private:
    void OnBrowse();
};
