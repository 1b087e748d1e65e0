// What a writing operation writes, with LF line ends (text mode on Windows
// writes CR LF).
#pragma once

#include "CapturedText.h"
#include "mappers/MapperCall.h"

#include <cstdio>
#include <functional>
#include <string>

inline std::string Written(const std::function<void(FILE*)>& write) { return CaptureWritten(write).str(); }

// A mapper call whose earlier arguments release what `bodyText` (statements
// as written in the native's body) says.
inline CMapperCall CallReleasing(const char* bodyText) {
    CReleaseStatements release;
    release.Add(bodyText);
    return CMapperCall(release);
}
