#include "AnsiCase.h"

#include <windows.h>

#include <string>

namespace brivel {

CString LowerAnsiText(const char* text) {
    std::string bytes(text ? text : "");
    if (!bytes.empty()) CharLowerBuffA(&bytes[0], static_cast<DWORD>(bytes.size()));
    return CString(bytes);
}

}  // namespace brivel
