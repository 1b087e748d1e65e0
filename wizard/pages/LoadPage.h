// The COM-to-Java load page: a new project, or a saved specification to
// continue. A loaded specification fills the project's settings and the
// pages that show them, and the wizard goes on with the saved-project list.
#pragma once

#include "WizardPage.h"

class CLoadPage : public CWizardPage {
public:
    CLoadPage();

    CString m_fileToLoad;
    int m_choice = -1;  // 0 continue a saved specification, 1 start a new one

    void OnPageShown() override;
    bool ValidatePage() override;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;

private:
    void OnBrowse();
    bool m_firstShow = true;
};
