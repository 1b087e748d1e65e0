// The COM-to-Java class path page: the class path the Java VM starts with.
#pragma once

#include "WizardPage.h"

class CClassPathPage : public CWizardPage {
public:
    CClassPathPage();

    CString m_classPath;
    int m_dynamicClassPath = 0;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
};
