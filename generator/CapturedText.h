// What a writing step writes to a FILE, as text: the mappers and writers
// write to files, and the wrappers need some of their fragments as strings.
#pragma once

#include "BrvString.h"

#include <cstdio>
#include <functional>

// The text with LF line ends, kept in memory (CapturedText.cpp): `write`
// gets a stream of the capture's own, which only the generator's ways of
// writing (fputs, fputc, fwrite, fprintf) may be given. Captures on several
// threads, or one inside another's writing, each get their own.
CString CaptureWritten(const std::function<void(FILE*)>& write);
