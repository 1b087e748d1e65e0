// Helpers of the conformance tests for 16-bit OLE text, which the C
// library's wide functions cannot handle on the linux32 build.
#ifndef BRIVEL_COMPAT_TESTS_OLETEXT_H
#define BRIVEL_COMPAT_TESTS_OLETEXT_H

#include <windows.h>
#include <ole2.h>

#include <string>

static_assert(sizeof(OLECHAR) == 2, "OLE characters are UTF-16 code units");

// `count` characters of `text` (zeros included).
inline std::u16string Utf16(const OLECHAR* text, size_t count) {
    return std::u16string(reinterpret_cast<const char16_t*>(text), count);
}

// A zero-terminated OLE string.
inline std::u16string Utf16(const OLECHAR* text) {
    size_t n = 0;
    while (text[n]) ++n;
    return Utf16(text, n);
}

// The whole of a BSTR, by its stored length.
inline std::u16string BstrText(BSTR bstr) { return Utf16(bstr, SysStringLen(bstr)); }

// Owns a BSTR for the length of a test.
class Bstr {
public:
    explicit Bstr(BSTR bstr) : bstr_(bstr) {}
    ~Bstr() { SysFreeString(bstr_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR get() const { return bstr_; }
    BSTR* out() { return &bstr_; }

private:
    BSTR bstr_;
};

#endif
