// The COM-to-Java load page: a new project, or a saved specification to continue.
#pragma once

#include "WizardPage.h"

class CLoadPage : public CWizardPage {
public:
    CLoadPage();

    CString m_fileToLoad;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
};
