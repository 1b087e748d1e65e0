// The runtime's one message box: a failure that its caller may not show,
// such as a listener class the VM refuses. Callers hold no lock while it is
// up (the box waits for the user).
#pragma once

namespace brivel::c2j {

// win32: a system-modal box titled "Error" with no owner window. linux32,
// which has no desktop to show it on: the same text on standard error.
void ShowErrorBox(const char* text);

}  // namespace brivel::c2j
