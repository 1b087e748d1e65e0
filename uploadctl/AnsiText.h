// The control keeps its texts in the system code page; COM hands them over
// as BSTRs. A text from a page may be of any length, so a conversion that
// only has to tell whether a text is within a bound converts no more than
// one character past it.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

namespace brivel::uploadctl {

// The BSTR in the system code page (a null BSTR is empty); embedded NULs
// are kept. At most `maxLength` + 1 characters are converted: a result
// longer than `maxLength` means the text is beyond it.
std::string AnsiFromBstr(BSTR text, size_t maxLength);

std::wstring WideFromAnsi(const std::string& text);

// A new BSTR (nullptr when out of memory).
BSTR BstrFromAnsi(const std::string& text);

}  // namespace brivel::uploadctl
