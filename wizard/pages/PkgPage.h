// The Java-to-COM package page: the Java package of the generated classes.
#pragma once

#include "WizardPage.h"

class CPkgPage : public CWizardPage {
public:
    CPkgPage();

    CString m_package;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
};
