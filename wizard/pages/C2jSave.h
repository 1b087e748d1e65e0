// The COM-to-Java save page: writes the project's specification file. In
// JAR mode the JAR files' classes are loaded first.
#pragma once

#include "WizardPage.h"

class CC2jSave : public CWizardPage {
public:
    CC2jSave();

    CString m_filePath;

    bool ValidatePage() override;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
};
