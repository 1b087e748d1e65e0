// The file a COM class's server key names. A LocalServer32 value is a
// command line: the program's path may be quoted and followed by switches
// ("C:\Program Files\App\app.exe" /automation, C:\App\app.exe -Embedding).
#pragma once

#include <functional>

#include "BrvString.h"

// The program's path in a server key's value: the quoted part when the
// value starts with a quote; else the whole value when it names a file,
// else the shortest part before a blank that names a file, else the part
// before the first switch (a blank followed by '/' or '-'), else the value.
// `fileExists` answers for a path.
CString ServerProgramPath(const char* value, const std::function<bool(const char*)>& fileExists);
