// The Java-to-COM COM object page: the type library (or the DLL, OCX or EXE
// that holds one) to make a bridge for, typed, browsed for, chosen among
// the registered type libraries or found by ProgID.
#pragma once

#include "WizardPage.h"

class CComObjPage : public CWizardPage {
public:
    CComObjPage();

    CString m_comObjectName;  // the chosen file's name without folder and extension
    CString m_comFilePath;

    // The file must exist and hold a type library; accepting one marks the
    // wizard's data as changed.
    bool ValidatePage() override;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;

private:
    void OnBrowse();
    void OnSearchAll();
    void OnLocateProgId();
    void OnPathChanged();
    void ShowPath(const CString& path);
};
