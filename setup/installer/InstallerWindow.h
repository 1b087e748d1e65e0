// The installer's program: the full-screen background window with its
// gradient and heading, and the run of dialogs that its start message
// begins.
#pragma once

#include <windows.h>

namespace brivel::setup {

// Runs the installer until its background window quits; the exit code.
int RunInstaller(HINSTANCE instance);

}  // namespace brivel::setup
