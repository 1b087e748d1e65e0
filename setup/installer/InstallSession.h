// What one run of the installer knows: the edition's values, the chosen
// folder, the program's own path, the background window and the messages
// by which the installation thread reports back.
#pragma once

#include <windows.h>

#include <string>

namespace brivel::setup {

struct InstallSession {
    // Edition values (the default row unless the program's name selects another).
    std::string defaultFolder;
    std::string displayName;
    std::string uninstallKeyName;
    std::string uninstallerFileName;
    std::string heading;

    std::string programPath;  // the installer's own file: it carries the payload
    std::string folder;       // the installation folder as typed (at most 259 characters)
    std::string licenseText;  // CR LF line ends, for the agreement's edit control
    std::string host = "localhost";

    HWND background = nullptr;
    UINT startMessage = 0;
    UINT doneMessage = 0;
};

// Registers (once per process) and answers the installation's two messages.
UINT InstallationStartMessage();
UINT InstallationDoneMessage();

}  // namespace brivel::setup
