// The installation folder: its confirmation before the installation runs,
// and the creation of folders with all their missing parents.
#pragma once

#include <windows.h>

#include <string>

#include "InstallSession.h"

namespace brivel::setup {

// Creates the folder `path` (or only its missing parents) with every missing
// parent, a relative path under the current folder; a failure is reported
// over `owner` with the path and answers false.
bool EnsureDirectory(const std::string& path, bool parentsOnly, HWND owner);

// Checks the chosen folder (taken in full: a relative one names a folder
// under the current one), asks before creating one that is not the
// edition's default, creates it, and runs the progress dialog with the
// installation into it. False when the user or a check stopped it first.
bool ConfirmTargetFolder(InstallSession& session);

}  // namespace brivel::setup
