// Lower-casing of ANSI text in the system code page, as COM names are
// compared: the wizard folds names the way the platform does for the user's
// locale, so "ÄNDERN" and "ändern" are one name.
#pragma once

#include "BrvString.h"

namespace brivel {

// The text lower-cased in the system code page (every byte, not just ASCII).
CString LowerAnsiText(const char* text);

}  // namespace brivel
