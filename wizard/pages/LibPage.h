// The Java-to-COM library page: the name of the JNI library.
#pragma once

#include "WizardPage.h"

class CLibPage : public CWizardPage {
public:
    CLibPage();

    CString m_library;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
};
