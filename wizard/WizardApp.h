// The wizard program's application object: sets up the profile and the
// dialog colours and runs the frame dialog; the program ends with it.
#pragma once

#include "WinApp.h"

class CWizardApp : public brivel::winui::WinApp {
protected:
    bool InitInstance() override;
};
