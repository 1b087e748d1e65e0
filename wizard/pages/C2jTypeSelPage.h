// The COM-to-Java type-selection page: classes taken whole from JAR files,
// or chosen one by one with their members.
#pragma once

#include "WizardPage.h"

class CC2jTypeSelPage : public CWizardPage {
public:
    CC2jTypeSelPage();

    int m_choice = -1;  // 0 whole JAR files, 1 chosen classes, -1 none yet

    // Makes the JAR-file list or the chosen-classes list active.
    bool ValidatePage() override;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
};
