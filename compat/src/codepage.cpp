// ANSI <-> UTF-16 conversion for the two code pages of this build: 1252 (the
// ANSI code page, CP_ACP) and UTF-8. Never uses the C library's wide
// functions: wchar_t is 16-bit here.
#include <windows.h>

#include <string>

namespace {
const UINT kAnsiCodePage = 1252;

// Code page 1252 between 0x80 and 0x9F; the five unassigned bytes map to the
// control characters of the same value, as on the platform. Every other byte
// is its own code point.
const WCHAR k1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

WCHAR From1252(unsigned char byte) { return byte >= 0x80 && byte < 0xA0 ? k1252High[byte - 0x80] : byte; }

// The 1252 byte for a character, or -1 when the code page has none.
int To1252(WCHAR ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return ch;
    for (int i = 0; i < 32; ++i)
        if (k1252High[i] == ch) return 0x80 + i;
    return -1;
}

enum class Page { Ansi, Utf8, Unsupported };

Page PageOf(UINT codePage) {
    switch (codePage) {
    case CP_ACP:
    case CP_OEMCP:
    case CP_THREAD_ACP:
    case kAnsiCodePage: return Page::Ansi;
    case CP_UTF8: return Page::Utf8;
    default: return Page::Unsupported;
    }
}

// Decodes UTF-8; each byte that does not start a valid sequence becomes
// U+FFFD. Returns false on such a byte when `strict`.
bool DecodeUtf8(const unsigned char* in, int count, bool strict, std::u16string& out) {
    int i = 0;
    while (i < count) {
        unsigned char b = in[i];
        if (b < 0x80) {
            out.push_back(b);
            ++i;
            continue;
        }
        int extra = b >= 0xC2 && b <= 0xDF ? 1 : b >= 0xE0 && b <= 0xEF ? 2 : b >= 0xF0 && b <= 0xF4 ? 3 : -1;
        unsigned long cp = extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        int taken = 1;
        bool valid = extra > 0;
        for (int k = 1; valid && k <= extra; ++k) {
            if (i + k >= count || (in[i + k] & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            // Second byte limits: no overlong forms, no surrogates, nothing above U+10FFFF.
            unsigned char c = in[i + k];
            if (k == 1 && ((b == 0xE0 && c < 0xA0) || (b == 0xED && c > 0x9F) || (b == 0xF0 && c < 0x90) ||
                           (b == 0xF4 && c > 0x8F))) {
                valid = false;
                break;
            }
            cp = (cp << 6) | (c & 0x3F);
            taken = k + 1;
        }
        if (!valid) {
            if (strict) return false;
            out.push_back(0xFFFD);
            i += taken;  // the valid start of a broken sequence is replaced as one
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        i += taken;
    }
    return true;
}

// Encodes UTF-16 as UTF-8; a lone surrogate becomes U+FFFD, or fails when
// `strict`.
bool EncodeUtf8(const WCHAR* in, int count, bool strict, std::string& out) {
    for (int i = 0; i < count; ++i) {
        unsigned long cp = in[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < count && in[i + 1] >= 0xDC00 && in[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (in[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            if (strict) return false;
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return true;
}

int Fail(DWORD error) {
    SetLastError(error);
    return 0;
}

// Copies a converted result out by the platform's rules: a zero-sized
// output asks for the size needed; a short one fails.
template <typename Ch, typename Str>
int Deliver(const Str& result, Ch* out, int outCount) {
    int needed = static_cast<int>(result.size());
    if (outCount == 0) return needed;
    if (needed > outCount) return Fail(ERROR_INSUFFICIENT_BUFFER);
    for (int i = 0; i < needed; ++i) out[i] = static_cast<Ch>(result[i]);
    return needed;
}
}  // namespace

extern "C" UINT WINAPI GetACP(void) { return kAnsiCodePage; }

extern "C" int WINAPI MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multiByte, int multiByteCount,
                                          LPWSTR wide, int wideCount) {
    if (!multiByte || multiByteCount == 0 || multiByteCount < -1 || wideCount < 0 || (!wide && wideCount))
        return Fail(ERROR_INVALID_PARAMETER);
    Page page = PageOf(codePage);
    if (page == Page::Unsupported) return Fail(ERROR_INVALID_PARAMETER);
    if (multiByteCount == -1) multiByteCount = static_cast<int>(std::char_traits<char>::length(multiByte)) + 1;
    const unsigned char* in = reinterpret_cast<const unsigned char*>(multiByte);
    std::u16string result;
    if (page == Page::Utf8) {
        if (!DecodeUtf8(in, multiByteCount, (flags & MB_ERR_INVALID_CHARS) != 0, result))
            return Fail(ERROR_NO_UNICODE_TRANSLATION);
    } else {
        result.reserve(multiByteCount);
        for (int i = 0; i < multiByteCount; ++i) result.push_back(From1252(in[i]));
    }
    return Deliver(result, wide, wideCount);
}

extern "C" int WINAPI WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideCount, LPSTR multiByte,
                                          int multiByteCount, LPCSTR defaultChar, LPBOOL usedDefaultChar) {
    if (!wide || wideCount == 0 || wideCount < -1 || multiByteCount < 0 || (!multiByte && multiByteCount))
        return Fail(ERROR_INVALID_PARAMETER);
    Page page = PageOf(codePage);
    if (page == Page::Unsupported) return Fail(ERROR_INVALID_PARAMETER);
    if (wideCount == -1) {
        wideCount = 0;
        while (wide[wideCount]) ++wideCount;
        ++wideCount;
    }
    std::string result;
    if (page == Page::Utf8) {
        // UTF-8 has no default character.
        if (defaultChar || usedDefaultChar) return Fail(ERROR_INVALID_PARAMETER);
        if (!EncodeUtf8(wide, wideCount, (flags & WC_ERR_INVALID_CHARS) != 0, result))
            return Fail(ERROR_NO_UNICODE_TRANSLATION);
    } else {
        char replacement = defaultChar ? *defaultChar : '?';
        bool used = false;
        result.reserve(wideCount);
        for (int i = 0; i < wideCount; ++i) {
            int byte = To1252(wide[i]);
            if (byte < 0) {
                used = true;
                result.push_back(replacement);
                // A surrogate pair is one character and takes one default byte.
                if (wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wideCount && wide[i + 1] >= 0xDC00 &&
                    wide[i + 1] <= 0xDFFF)
                    ++i;
            } else {
                result.push_back(static_cast<char>(byte));
            }
        }
        if (usedDefaultChar) *usedDefaultChar = used;
    }
    return Deliver(result, multiByte, multiByteCount);
}
