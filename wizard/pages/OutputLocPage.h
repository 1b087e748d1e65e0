// The Java-to-COM output folder page: the folder the bridge's files are
// written to, made (with its missing parents) after one question.
#pragma once

#include "WizardPage.h"

class COutputLocPage : public CWizardPage {
public:
    COutputLocPage();

    CString m_outputFolder;

    bool ValidatePage() override;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;

private:
    void OnBrowse();
};
