// Services the generation job's steps share: folder creation and the
// program folder the presets of the pre-generated libraries point into.
#pragma once

#include "BrvString.h"

// Creates a folder and every missing parent ("\"-separated path). Errors
// are not reported: opening a file in it fails instead.
void CreateDirectories(const char* path);

// The folder of the running program in short form, with a trailing "\"
// ("C:\Brivel\" when it cannot be found).
CString ProgramFolder();

// Whether a library of this name (ADO's "adodb", MSXML's "msxml", in any
// case) has Java classes that come pre-generated with the kit.
bool IsKnownLibraryName(const char* libraryName);
