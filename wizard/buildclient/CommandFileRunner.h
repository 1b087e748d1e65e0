// Runs one of the generated command files (MakeJava.bat, ...) as a process
// of its own, and tells a window when it has ended.
#pragma once

#include <windows.h>

#include "BrvString.h"

// Starts `<folder><file>` with its path quoted (folders may hold blanks)
// and the folder as its working folder. When `notify` is given, a thread of
// its own waits for the process and then posts `message` with `wParam` to
// the window; every handle is closed. False when the process did not start.
bool StartCommandFile(const CString& folder, const char* file, HWND notify, UINT message, WPARAM wParam);
