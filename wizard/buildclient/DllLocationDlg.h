// The dialog that asks where a downloaded JNI DLL goes: the system folder
// (recommended), the Windows folder, or a path the user types or picks. OK
// checks a typed path (DllLocation.h) and stays until it passes.
#pragma once

#include <memory>
#include <vector>

#include "Dialog.h"
#include "DllLocation.h"
#include "OwnerDrawButton.h"

class CDllLocationDlg : public brivel::winui::Dialog {
public:
    CDllLocationDlg(const char* windowsFolder, const char* systemFolder, const char* libraryName);

    DllLocationChoice m_choice = DllLocationChoice::SystemFolder;
    CString m_otherPath;

    // Where the DLL is to be saved, after OK.
    CString TargetPath() const;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(brivel::winui::DataExchange& dx) override;

private:
    void OnChoice();
    void OnBrowse();
    DllLocationChoice CheckedChoice() const;

    CString m_windowsFolder;
    CString m_systemFolder;
    CString m_libraryName;
    CString m_dllName;
    std::vector<std::unique_ptr<COwnerDrawButton>> m_buttons;
};
