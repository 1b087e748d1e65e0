// The uninstaller program (Uninstaller.exe, or the edition's name), which
// removes what the installer made, reading its own appended directory.
#pragma once

#include <windows.h>

#include <string>

namespace brivel::setup {

// Registers the window class, takes the edition by the program's own name,
// runs the hidden window until the work or the user ends it.
int RunUninstaller(HINSTANCE instance);

// Writes the batch file that removes `programPath` once it can (bounded
// tries), then `folder` (removed only when empty) and itself, and starts it
// hidden.
void ScheduleSelfDelete(const std::string& programPath, const std::string& folder);

}  // namespace brivel::setup
