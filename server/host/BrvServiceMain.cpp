// BrvService: runs the remote-access Java server as the Windows service
// BrivelWindowsServer (switch "-service-"), or shows the setup dialog.
#include <windows.h>

#include "ServiceApp.h"
#include "ServiceMode.h"
#include "ServiceSwitch.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (brivel::serverhost::HasServiceSwitch(GetCommandLineA())) return brivel::serverhost::RunServiceMode();
    brivel::serverhost::CServiceApp app;
    return app.Run(instance);
}
