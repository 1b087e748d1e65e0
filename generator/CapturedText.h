// What a writing step writes to a FILE, as text: the mappers and writers
// write to files, and the wrappers need some of their fragments as strings.
#pragma once

#include "BrvString.h"

#include <cstdio>
#include <functional>

// The text with LF line ends. One scratch file per process, made unique by
// the platform (many processes capture at once) and deleted when closed.
CString CaptureWritten(const std::function<void(FILE*)>& write);
