// GUID constants of the interfaces this layer declares, with their
// documented values, and GUID text (registry form with braces).
#define INITGUID
#include <olectl.h>

DEFINE_GUID(GUID_NULL, 0x00000000, 0x0000, 0x0000, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00);
DEFINE_GUID(IID_IUnknown, 0x00000000, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46);
DEFINE_GUID(IID_IClassFactory, 0x00000001, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46);
DEFINE_GUID(IID_IRecordInfo, 0x0000002F, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46);
DEFINE_GUID(IID_IDispatch, 0x00020400, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46);
DEFINE_GUID(IID_ITypeInfo, 0x00020401, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46);
DEFINE_GUID(IID_ITypeLib, 0x00020402, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46);
DEFINE_GUID(IID_IEnumVARIANT, 0x00020404, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46);
DEFINE_GUID(IID_IConnectionPointContainer, 0xB196B284, 0xBAB4, 0x101A, 0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07);
DEFINE_GUID(IID_IEnumConnectionPoints, 0xB196B285, 0xBAB4, 0x101A, 0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07);
DEFINE_GUID(IID_IConnectionPoint, 0xB196B286, 0xBAB4, 0x101A, 0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07);
DEFINE_GUID(IID_IEnumConnections, 0xB196B287, 0xBAB4, 0x101A, 0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07);

#include <cstdlib>
#include <cstring>

namespace {
const int kGuidTextLength = 38;  // "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}"

int HexValue(OLECHAR c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads `digits` hex digits at text[at].
bool ReadHex(LPCOLESTR text, int at, int digits, unsigned long* value) {
    *value = 0;
    for (int i = 0; i < digits; ++i) {
        int v = HexValue(text[at + i]);
        if (v < 0) return false;
        *value = (*value << 4) | static_cast<unsigned long>(v);
    }
    return true;
}

// Parses exactly the registry form, braces included, and nothing after it.
bool ParseGuid(LPCOLESTR text, GUID* guid) {
    for (int i = 0; i < kGuidTextLength; ++i)
        if (!text[i]) return false;
    if (text[kGuidTextLength] || text[0] != '{' || text[37] != '}' || text[9] != '-' || text[14] != '-' ||
        text[19] != '-' || text[24] != '-')
        return false;
    unsigned long value;
    GUID result;
    if (!ReadHex(text, 1, 8, &value)) return false;
    result.Data1 = value;
    if (!ReadHex(text, 10, 4, &value)) return false;
    result.Data2 = static_cast<unsigned short>(value);
    if (!ReadHex(text, 15, 4, &value)) return false;
    result.Data3 = static_cast<unsigned short>(value);
    static const int kBytePositions[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i) {
        if (!ReadHex(text, kBytePositions[i], 2, &value)) return false;
        result.Data4[i] = static_cast<unsigned char>(value);
    }
    *guid = result;
    return true;
}

void FormatGuid(REFGUID guid, OLECHAR* out) {
    static const char kDigits[] = "0123456789ABCDEF";
    int n = 0;
    auto put = [&](unsigned long value, int digits) {
        for (int i = digits - 1; i >= 0; --i) out[n++] = kDigits[(value >> (i * 4)) & 0xF];
    };
    out[n++] = '{';
    put(guid.Data1, 8);
    out[n++] = '-';
    put(guid.Data2, 4);
    out[n++] = '-';
    put(guid.Data3, 4);
    out[n++] = '-';
    put(guid.Data4[0], 2);
    put(guid.Data4[1], 2);
    out[n++] = '-';
    for (int i = 2; i < 8; ++i) put(guid.Data4[i], 2);
    out[n++] = '}';
    out[n] = 0;
}

HRESULT AllocateText(REFGUID guid, LPOLESTR* text) {
    if (!text) return E_INVALIDARG;
    *text = static_cast<LPOLESTR>(CoTaskMemAlloc((kGuidTextLength + 1) * sizeof(OLECHAR)));
    if (!*text) return E_OUTOFMEMORY;
    FormatGuid(guid, *text);
    return S_OK;
}
}  // namespace

extern "C" LPVOID WINAPI CoTaskMemAlloc(SIZE_T size) { return std::malloc(size ? size : 1); }
extern "C" LPVOID WINAPI CoTaskMemRealloc(LPVOID block, SIZE_T size) { return std::realloc(block, size ? size : 1); }
extern "C" void WINAPI CoTaskMemFree(LPVOID block) { std::free(block); }

extern "C" int WINAPI StringFromGUID2(REFGUID guid, LPOLESTR text, int size) {
    if (!text || size < kGuidTextLength + 1) return 0;
    FormatGuid(guid, text);
    return kGuidTextLength + 1;
}

extern "C" HRESULT WINAPI StringFromCLSID(REFCLSID clsid, LPOLESTR* text) { return AllocateText(clsid, text); }
extern "C" HRESULT WINAPI StringFromIID(REFIID iid, LPOLESTR* text) { return AllocateText(iid, text); }

// A null text is the null IID; anything but the registry form is refused.
extern "C" HRESULT WINAPI IIDFromString(LPCOLESTR text, LPIID iid) {
    if (!iid) return E_INVALIDARG;
    if (!text) {
        *iid = IID_NULL;
        return S_OK;
    }
    return ParseGuid(text, iid) ? S_OK : E_INVALIDARG;
}

extern "C" HRESULT WINAPI CLSIDFromString(LPCOLESTR text, LPCLSID clsid) {
    if (!clsid) return E_INVALIDARG;
    if (!text) {
        *clsid = CLSID_NULL;
        return S_OK;
    }
    if (ParseGuid(text, clsid)) return S_OK;
    // Text that is not in the registry form is taken as a programmatic
    // identifier.
    if (text[0] == '{') return CO_E_CLASSSTRING;
    return SUCCEEDED(CLSIDFromProgID(text, clsid)) ? S_OK : CO_E_CLASSSTRING;
}
