// The wizard program's entry point.
#include "WizardApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CWizardApp app;
    return app.Run(instance);
}
