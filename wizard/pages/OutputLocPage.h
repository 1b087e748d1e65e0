// The Java-to-COM output folder page: the folder the bridge's files are written to.
#pragma once

#include "WizardPage.h"

class COutputLocPage : public CWizardPage {
public:
    COutputLocPage();

    CString m_outputFolder;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
};
