#include "AnsiCase.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace brivel {

#ifdef _WIN32

CString LowerAnsiText(const char* text) {
    std::string bytes(text ? text : "");
    if (!bytes.empty()) CharLowerBuffA(&bytes[0], static_cast<DWORD>(bytes.size()));
    return CString(bytes);
}

#else

// The linux32 build has no locale of its own: its ANSI code page is 1252, and
// this is that code page's lower-case mapping.
static unsigned char LowerCp1252(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A: return 0x9A;  // S with caron
    case 0x8C: return 0x9C;  // OE ligature
    case 0x8E: return 0x9E;  // Z with caron
    case 0x9F: return 0xFF;  // Y with diaeresis
    default: break;
    }
    if ((c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xDE)) return static_cast<unsigned char>(c + 32);
    return c;
}

CString LowerAnsiText(const char* text) {
    std::string bytes(text ? text : "");
    for (char& c : bytes) c = static_cast<char>(LowerCp1252(static_cast<unsigned char>(c)));
    return CString(bytes);
}

#endif

}  // namespace brivel
