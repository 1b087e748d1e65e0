// The COM-to-Java project's readme.html: how to use the COM DLL that the
// build service returns, and the web build page to fall back on. Written
// into the project's output folder after its .c2j file.
#pragma once

#include "BrvString.h"

#include <cstdio>

class CC2jSpecification;

// Opens a file of the project's output folder (in its "SRC\" folder when
// asked) with the C library's open call in the given mode; the extension is
// added after a "." when given. Null, with "<path>: Could not create file"
// as the error, when it cannot be opened.
FILE* CreateOutputFile(const CC2jSpecification& project, const char* name, const char* extension, CString& error,
                       bool inSourceFolder, const char* mode);

// Writes readme.html into the output folder; `tutorial` links the tutorial's
// web build page. False when the file could not be created (nothing is
// written then and no message shown: the caller goes on) or written.
bool WriteComToJavaReadme(const CC2jSpecification& project, bool tutorial);
