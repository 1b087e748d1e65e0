// What a writing operation writes, with LF line ends (text mode on Windows
// writes CR LF).
#pragma once

#include "CapturedText.h"

#include <cstdio>
#include <functional>
#include <string>

inline std::string Written(const std::function<void(FILE*)>& write) { return CaptureWritten(write).str(); }
