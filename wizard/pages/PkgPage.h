// The Java-to-COM package page: the Java package of the generated classes,
// proposed from the profile until the user edits it (the sample object's
// package is fixed).
#pragma once

#include "WizardPage.h"

class CPkgPage : public CWizardPage {
public:
    CPkgPage();

    unsigned char m_edited = 0;  // the user typed into the package edit
    CString m_package;

    void OnPageShown() override;
    bool ValidatePage() override;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;

private:
    CString m_filledPackage;  // what the page itself last put into the edit
};
