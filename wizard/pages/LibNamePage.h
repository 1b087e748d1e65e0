// The COM-to-Java library page: the COM library's name and comment.
#pragma once

#include "WizardPage.h"

class CLibNamePage : public CWizardPage {
public:
    CLibNamePage();

    CString m_libraryName;
    CString m_comment;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
};
