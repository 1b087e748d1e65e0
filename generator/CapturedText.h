// What a writing step writes to a FILE, as text: the mappers and writers
// write to files, and the wrappers need some of their fragments as strings.
#pragma once

#include "BrvString.h"

#include <cstdio>
#include <functional>

// The text with LF line ends. Written through a scratch file made unique by
// the platform (many processes capture at once) and deleted when closed;
// captures on several threads, or one inside another's writing, each get
// their own.
CString CaptureWritten(const std::function<void(FILE*)>& write);
