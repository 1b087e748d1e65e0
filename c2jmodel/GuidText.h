// Fresh GUIDs in the text form the specification file carries: 36
// characters, hexadecimal groups 8-4-4-4-12 joined by '-', no braces.
#pragma once

#include "BrvString.h"

namespace brivel {

CString CreateGuidText();

}  // namespace brivel
