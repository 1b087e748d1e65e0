// The COM-to-Java library page: the COM library's name and comment.
#pragma once

#include "C2jSpecification.h"
#include "WizardPage.h"

class CLibNamePage : public CWizardPage {
public:
    CLibNamePage();

    CString m_libraryName;
    CString m_comment;

    void RefreshFromSpecification(const CC2jSpecification& spec);
    bool ValidatePage() override;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
};
