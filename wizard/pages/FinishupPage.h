// The Java-to-COM summary page: shows what the bridge is made from; leaving
// it with "Build" writes the bridge's files.
#pragma once

#include "WizardPage.h"

class CFinishupPage : public CWizardPage {
public:
    CFinishupPage();

    CString m_typeLibraryPath;
    CString m_javaPackage;
    CString m_libraryPath;
    CString m_outputFolder;

    // Takes the four values from the pages that collected them.
    void OnPageShown() override;
    CString GetNextLabel() override { return "Build"; }
    // Writes the bridge's files; Next goes on to the build page whatever the
    // run reported.
    bool ValidatePage() override;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
};
