// The installation itself, on a thread of its own: extraction of the
// payload, the macros of text files, registrations, the uninstall entry,
// the redist files, the program group and the machine CLASSPATH. It talks to
// the progress dialog only through that dialog's controls and posts the
// Done message to it exactly once, when it ends in any way.
#pragma once

#include <windows.h>

#include "InstallSession.h"

namespace brivel::setup {

void InstallThread(const InstallSession& session, HWND progressDialog);

}  // namespace brivel::setup
