#include "AnsiText.h"

#include <vector>

namespace brivel::uploadctl {

std::string AnsiFromBstr(BSTR text, size_t maxLength) {
    if (!text) return std::string();
    size_t length = SysStringLen(text);
    if (length > maxLength + 1) length = maxLength + 1;
    if (length == 0) return std::string();
    int count = static_cast<int>(length);
    int size = WideCharToMultiByte(CP_ACP, 0, text, count, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::string(maxLength + 1, '?');  // cannot be told: refused as too long
    std::string ansi(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, count, &ansi[0], size, nullptr, nullptr);
    return ansi;
}

std::wstring WideFromAnsi(const std::string& text) {
    if (text.empty()) return std::wstring();
    int count = static_cast<int>(text.size());
    int size = MultiByteToWideChar(CP_ACP, 0, text.data(), count, nullptr, 0);
    if (size <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), count, &wide[0], size);
    return wide;
}

BSTR BstrFromAnsi(const std::string& text) {
    std::wstring wide = WideFromAnsi(text);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

}  // namespace brivel::uploadctl
