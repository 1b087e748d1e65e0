// Where the COM-to-Java build page saves the COM DLL that the build service
// returns, and what it tells the user after trying to register it.
#pragma once

#include "BrvString.h"

// The output folder, a backslash when it lacks one, the library name and
// ".DLL".
CString ComDllTargetPath(const char* outputFolder, const char* libraryName);

// The message after the save: registered as a COM component, or saved but
// to be registered by hand.
CString ComDllSavedMessage(const char* targetPath, bool registered);
