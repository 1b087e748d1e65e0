#include "WizardApp.h"

#include <objbase.h>

#include "ButtonLook.h"
#include "WizardDlg.h"

bool CWizardApp::InitInstance() {
    SetRegistryKey("Orvanth Software");
    SetDialogBkColor(kDialogColour, kDialogTextColour);
    bool comStarted = false;
    {
        CWizardDlg dialog;
        dialog.DoModal(nullptr);
        comStarted = dialog.ComStarted();
    }
    // COM ends only now: the dialog is the generation job, whose type
    // libraries are released when it is destroyed.
    if (comStarted) CoUninitialize();
    return false;
}
