// The COM-to-Java save page: writes the project's specification file and its
// readme, remembers where it was saved and hands it to the build page. In
// JAR mode the JAR files' classes are loaded first.
#pragma once

#include "WizardPage.h"

class CC2jSave : public CWizardPage {
public:
    CC2jSave();

    CString m_filePath;

    void OnPageShown() override;
    bool ValidatePage() override;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;

private:
    void OnBrowse();
    bool SaveSpecification();
};
