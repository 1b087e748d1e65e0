// The checks of the Java-to-COM COM object page, apart from the window:
// the messages of Next and the COM object's name.
#pragma once

#include <functional>

#include "BrvString.h"

// The file name of a path without folder and extension.
CString ComObjectName(const char* fullPath);

// What the page's checks found.
struct ComSourceCheck {
    CString message;    // empty when the source was accepted
    CString objectName; // the COM object's name once accepted
    bool Ok() const { return message.IsEmpty(); }
};

// Next's checks of the path as typed: not empty, a file or folder by that
// name (after `fullPath` made it full), and a type library in it. The
// messages carry the path as the user typed it.
ComSourceCheck CheckComSource(const char* typed, const std::function<CString(const char*)>& fullPath,
                              const std::function<bool(const char*)>& exists,
                              const std::function<bool(const char*)>& holdsTypeLibrary);
