// The Java-to-COM library page: the name of the JNI library, proposed once
// for each chosen COM object.
#pragma once

#include "WizardPage.h"

class CLibPage : public CWizardPage {
public:
    CLibPage();

    unsigned char m_proposed = 0;  // a name was proposed for the chosen COM object
    CString m_library;

    void OnPageShown() override;
    bool ValidatePage() override;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
};
