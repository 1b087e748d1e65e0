// Fuzz entry of the code-page conversions (1252 and UTF-8, both ways): any
// bytes as ANSI text, as UTF-8 and as UTF-16 units. What must hold:
// - 1252 text reads into one character per byte and writes back to the
//   same bytes;
// - UTF-8 decodes strictly exactly when it encodes back to the same bytes,
//   and what a lenient decode gives is valid UTF-16 that encodes and decodes
//   to itself;
// - UTF-16 encodes strictly exactly when it holds no lone surrogate, and a
//   lenient encode reads back as the text with each lone surrogate U+FFFD;
// - UTF-16 written in 1252 (no best fit) has one byte per character (a
//   surrogate pair being one), the default character exactly where 1252 has
//   none, and reads back to the text elsewhere;
// - a size query gives the size a conversion then fills, and a buffer one
//   short fails with ERROR_INSUFFICIENT_BUFFER.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzCheck.h"

// The platform's headers declare this flag only for later versions than the
// kit's WINVER; its documented value.
#ifndef WC_ERR_INVALID_CHARS
#define WC_ERR_INVALID_CHARS 0x00000080
#endif

namespace {


// UTF-16 text (not a wstring: the C library's wide functions, which its
// algorithms call, take wchar_t as 32 bits).
using Wide = std::u16string;

WCHAR* Units(Wide& text) { return reinterpret_cast<WCHAR*>(&text[0]); }
const WCHAR* Units(const Wide& text) { return reinterpret_cast<const WCHAR*>(text.data()); }

bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The text with each lone surrogate replaced by U+FFFD.
Wide Repaired(const Wide& text) {
    Wide out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1])) {
            out += text[i];
            out += text[++i];
        } else {
            out += IsHigh(text[i]) || IsLow(text[i]) ? u'\xFFFD' : text[i];
        }
    }
    return out;
}

bool ToWide(UINT codePage, DWORD flags, const std::string& bytes, Wide& out) {
    out.clear();
    if (bytes.empty()) return true;  // the functions refuse an empty text
    const int n = static_cast<int>(bytes.size());
    int needed = MultiByteToWideChar(codePage, flags, bytes.data(), n, nullptr, 0);
    if (needed == 0) return false;
    out.resize(needed);
    FUZZ_CHECK(MultiByteToWideChar(codePage, flags, bytes.data(), n, Units(out), needed) == needed);
    if (needed > 1) {
        Wide shorter(needed - 1, 0);
        SetLastError(0);
        FUZZ_CHECK(MultiByteToWideChar(codePage, flags, bytes.data(), n, Units(shorter), needed - 1) == 0);
        FUZZ_CHECK(GetLastError() == ERROR_INSUFFICIENT_BUFFER);
    }
    return true;
}

bool ToBytes(UINT codePage, DWORD flags, const Wide& text, std::string& out, BOOL* usedDefault) {
    out.clear();
    if (text.empty()) {  // the functions refuse an empty text
        if (usedDefault) *usedDefault = FALSE;
        return true;
    }
    const int n = static_cast<int>(text.size());
    int needed = WideCharToMultiByte(codePage, flags, Units(text), n, nullptr, 0, nullptr, nullptr);
    if (needed == 0) return false;
    out.resize(needed);
    FUZZ_CHECK(WideCharToMultiByte(codePage, flags, Units(text), n, &out[0], needed, nullptr, usedDefault) == needed);
    if (needed > 1) {
        std::string shorter(needed - 1, '\0');
        SetLastError(0);
        FUZZ_CHECK(WideCharToMultiByte(codePage, flags, Units(text), n, &shorter[0], needed - 1, nullptr, nullptr) == 0);
        FUZZ_CHECK(GetLastError() == ERROR_INSUFFICIENT_BUFFER);
    }
    return true;
}

void AnsiText(const std::string& bytes) {
    Wide text;
    FUZZ_CHECK(ToWide(CP_ACP, 0, bytes, text));
    FUZZ_CHECK(text.size() == bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80 || b >= 0xA0) FUZZ_CHECK(text[i] == b);  // only 0x80 to 0x9F differ from Latin-1
    }
    std::string back;
    BOOL usedDefault = TRUE;
    FUZZ_CHECK(ToBytes(CP_ACP, WC_NO_BEST_FIT_CHARS, text, back, &usedDefault));
    FUZZ_CHECK(back == bytes && !usedDefault);
}

void Utf8Text(const std::string& bytes) {
    Wide strict, lenient;
    const bool valid = ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, bytes, strict);
    FUZZ_CHECK(ToWide(CP_UTF8, 0, bytes, lenient));
    FUZZ_CHECK(Repaired(lenient) == lenient);  // never a lone surrogate
    std::string encoded;
    FUZZ_CHECK(ToBytes(CP_UTF8, WC_ERR_INVALID_CHARS, lenient, encoded, nullptr));
    FUZZ_CHECK(valid == (encoded == bytes));
    if (valid) FUZZ_CHECK(strict == lenient);
    Wide again;
    FUZZ_CHECK(ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, encoded, again));
    FUZZ_CHECK(again == lenient);
}

void WideText(const Wide& text) {
    std::string strict, lenient;
    const bool valid = ToBytes(CP_UTF8, WC_ERR_INVALID_CHARS, text, strict, nullptr);
    FUZZ_CHECK(valid == (Repaired(text) == text));
    FUZZ_CHECK(ToBytes(CP_UTF8, 0, text, lenient, nullptr));
    if (valid) FUZZ_CHECK(strict == lenient);
    Wide back;
    FUZZ_CHECK(ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, lenient, back));
    FUZZ_CHECK(back == Repaired(text));

    // In 1252: one byte per character, a surrogate pair being one.
    std::string ansi;
    BOOL usedDefault = FALSE;
    FUZZ_CHECK(ToBytes(CP_ACP, WC_NO_BEST_FIT_CHARS, text, ansi, &usedDefault));
    Wide read;
    FUZZ_CHECK(ToWide(CP_ACP, 0, ansi, read));
    bool replaced = false;
    size_t at = 0;
    for (size_t i = 0; i < text.size(); ++i, ++at) {
        FUZZ_CHECK(at < read.size());
        const bool pair = IsHigh(text[i]) && i + 1 < text.size() && IsLow(text[i + 1]);
        if (!pair && read[at] == text[i]) continue;
        FUZZ_CHECK(ansi[at] == '?');
        replaced = true;
        if (pair) ++i;
    }
    FUZZ_CHECK(at == read.size());
    FUZZ_CHECK(replaced == (usedDefault != FALSE));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    AnsiText(bytes);
    Utf8Text(bytes);
    Wide units;
    for (size_t i = 0; i + 1 < size; i += 2) units += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    WideText(units);
    return 0;
}
