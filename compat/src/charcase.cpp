// Case mapping of ANSI text in code page 1252, the ANSI code page of this
// build: ASCII letters, the accented Latin-1 capitals and the four capitals
// that 1252 places between 0x80 and 0x9F.
#include <windows.h>

namespace {
unsigned char LowerCp1252(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A: return 0x9A;  // S with caron
    case 0x8C: return 0x9C;  // OE ligature
    case 0x8E: return 0x9E;  // Z with caron
    case 0x9F: return 0xFF;  // Y with diaeresis
    default: break;
    }
    // 0xD7 (multiplication sign) and 0xDF (sharp s) have no capital pairing.
    if ((c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xDE)) return static_cast<unsigned char>(c + 32);
    return c;
}
}  // namespace

extern "C" DWORD WINAPI CharLowerBuffA(LPSTR text, DWORD length) {
    if (!text) return 0;
    for (DWORD i = 0; i < length; ++i)
        text[i] = static_cast<char>(LowerCp1252(static_cast<unsigned char>(text[i])));
    return length;
}
