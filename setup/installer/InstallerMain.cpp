// installer.exe: the kit's installer, carrying the kit in a payload archive
// appended to its own image.
#include <windows.h>
#include <commctrl.h>

#include "InstallerWindow.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    return brivel::setup::RunInstaller(instance);
}
