// Text between the tests' servers and their logs: OLE strings narrowed to
// ASCII for the logs, and strings made into BSTRs for callers, such as the
// exception a dispatch call fails with.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace brivel::testing {

// Characters beyond ASCII become '?'; null is "".
inline std::string Narrow(const OLECHAR* text) {
    std::string out;
    for (; text && *text; ++text) out += *text < 128 ? static_cast<char>(*text) : '?';
    return out;
}

// A new BSTR of the caller's own.
inline BSTR Wide(const std::string& text) {
    std::vector<OLECHAR> wide(text.begin(), text.end());
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

// Fills `info` (when given) with the source, description and code of a
// failed dispatch call; returns DISP_E_EXCEPTION for Invoke to answer.
inline HRESULT DispatchException(EXCEPINFO* info, const char* source, HRESULT scode, const std::string& description) {
    if (info) {
        memset(info, 0, sizeof *info);
        info->bstrSource = Wide(source);
        info->bstrDescription = Wide(description);
        info->scode = scode;
    }
    return DISP_E_EXCEPTION;
}

}  // namespace brivel::testing
