// Fuzz entry of GUID text: any bytes as the text of an identifier (each
// byte one character, and the pairs of bytes as UTF-16 units), and the
// first sixteen bytes as a GUID. What must hold:
// - text is read exactly when it has the registry form
//   {xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx} with hexadecimal digits, and the
//   GUID read writes back as the same text (digits in upper case);
// - CLSIDFromString reads the same GUID from that form, refuses any other
//   text that starts with a brace, and reads other text as a ProgID;
// - any GUID writes as its registry form (StringFromGUID2, StringFromCLSID)
//   and as its 36-character UUID form, and the text reads back as the GUID.
#include <windows.h>
#include <objbase.h>
#include <rpc.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FuzzCheck.h"

namespace {


// UTF-16 text (not a wstring: the C library's wide functions, which its
// algorithms call, take wchar_t as 32 bits).
using Wide = std::u16string;

const OLECHAR* Text(const Wide& text) { return reinterpret_cast<const OLECHAR*>(text.c_str()); }

bool IsHex(char16_t c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

bool HasRegistryForm(const Wide& text) {
    if (text.size() != 38 || text[0] != '{' || text[37] != '}') return false;
    for (size_t i = 1; i < 37; ++i) {
        const bool dash = i == 9 || i == 14 || i == 19 || i == 24;
        if (dash ? text[i] != '-' : !IsHex(text[i])) return false;
    }
    return true;
}

char16_t Upper(char16_t c) { return c >= 'a' && c <= 'z' ? static_cast<char16_t>(c - 'a' + 'A') : c; }

void ReadText(const Wide& text) {
    // The functions take C strings: the text up to its first NUL.
    const Wide cText = text.substr(0, text.find(u'\0'));
    IID iid;
    std::memset(&iid, 0xA5, sizeof iid);
    const bool read = SUCCEEDED(IIDFromString(Text(cText), &iid));
    FUZZ_CHECK(read == HasRegistryForm(cText));
    CLSID clsid;
    const HRESULT hr = CLSIDFromString(Text(cText), &clsid);
    if (!read) {
        if (!cText.empty() && cText[0] == '{') {
            FUZZ_CHECK(hr == CO_E_CLASSSTRING);
        } else {  // a ProgID: the class registered for it, if any
            CLSID registered;
            const HRESULT byProgId = CLSIDFromProgID(Text(cText), &registered);
            FUZZ_CHECK(SUCCEEDED(hr) == SUCCEEDED(byProgId));
            if (SUCCEEDED(hr)) FUZZ_CHECK(std::memcmp(&clsid, &registered, sizeof clsid) == 0);
        }
        return;
    }
    FUZZ_CHECK(hr == S_OK && std::memcmp(&clsid, &iid, sizeof iid) == 0);
    OLECHAR written[39];
    FUZZ_CHECK(StringFromGUID2(iid, written, 39) == 39);
    for (size_t i = 0; i < 38; ++i) FUZZ_CHECK(written[i] == Upper(cText[i]));
    FUZZ_CHECK(written[38] == 0);
}

void WriteGuid(const GUID& guid) {
    OLECHAR text[39];
    FUZZ_CHECK(StringFromGUID2(guid, text, 38) == 0);  // no room for the terminator
    FUZZ_CHECK(StringFromGUID2(guid, text, 39) == 39);
    FUZZ_CHECK(HasRegistryForm(Wide(reinterpret_cast<const char16_t*>(text), 38)));
    GUID back;
    FUZZ_CHECK(IIDFromString(text, &back) == S_OK && std::memcmp(&back, &guid, sizeof guid) == 0);

    LPOLESTR allocated = nullptr;
    FUZZ_CHECK(StringFromCLSID(guid, &allocated) == S_OK && std::memcmp(allocated, text, sizeof text) == 0);
    CoTaskMemFree(allocated);

    RPC_CSTR uuid = nullptr;
    UUID copy = guid;  // the platform's declaration takes it as not constant
    FUZZ_CHECK(UuidToStringA(&copy, &uuid) == RPC_S_OK);
    const std::string plain(reinterpret_cast<const char*>(uuid));
    RpcStringFreeA(&uuid);
    FUZZ_CHECK(plain.size() == 36);
    for (size_t i = 0; i < 36; ++i) FUZZ_CHECK(Upper(static_cast<unsigned char>(plain[i])) == text[i + 1]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Wide bytes, units;
    for (size_t i = 0; i < size; ++i) bytes += static_cast<char16_t>(data[i]);
    for (size_t i = 0; i + 1 < size; i += 2) units += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    ReadText(bytes);
    ReadText(units);
    if (size >= sizeof(GUID)) {
        GUID guid;
        std::memcpy(&guid, data, sizeof guid);
        WriteGuid(guid);
    }
    return 0;
}
