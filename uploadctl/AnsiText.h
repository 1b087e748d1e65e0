// The control keeps its texts in the system code page; COM hands them over
// as BSTRs (the page's texts into the properties: PropertyTexts.h).
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

namespace brivel::uploadctl {

std::wstring WideFromAnsi(const std::string& text);

// A new BSTR (nullptr when out of memory).
BSTR BstrFromAnsi(const std::string& text);

}  // namespace brivel::uploadctl
