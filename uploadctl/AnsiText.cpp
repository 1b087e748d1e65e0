#include "AnsiText.h"

namespace brivel::uploadctl {

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
