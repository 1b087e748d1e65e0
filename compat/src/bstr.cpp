// BSTR: a counted UTF-16 string. The allocation holds a 4-byte byte count,
// the characters, and a 2-byte zero terminator; the BSTR points at the
// characters, so it reads as an ordinary zero-terminated string too.
#include <oleauto.h>

#include <cstdlib>
#include <cstring>

namespace {
// Larger byte counts cannot be stored in the 4-byte prefix together with the
// header and terminator.
const UINT kMaxBytes = 0x7FFFFFF0u;

DWORD* PrefixOf(BSTR bstr) { return reinterpret_cast<DWORD*>(bstr) - 1; }

// A new BSTR of `bytes` bytes, filled from `source` when it is given.
BSTR AllocateBytes(const void* source, UINT bytes) {
    if (bytes > kMaxBytes) return nullptr;
    char* block = static_cast<char*>(std::malloc(sizeof(DWORD) + bytes + sizeof(OLECHAR) + 1));
    if (!block) return nullptr;
    *reinterpret_cast<DWORD*>(block) = bytes;
    char* text = block + sizeof(DWORD);
    if (source)
        std::memcpy(text, source, bytes);
    else
        std::memset(text, 0, bytes);
    // Zero terminator: two bytes after an even count, and one more so that a
    // byte string of odd length still ends in a whole zero character.
    text[bytes] = text[bytes + 1] = text[bytes + 2] = 0;
    return reinterpret_cast<BSTR>(text);
}

UINT LengthOf(const OLECHAR* text) {
    UINT n = 0;
    while (text[n]) ++n;
    return n;
}
}  // namespace

extern "C" BSTR WINAPI SysAllocString(const OLECHAR* text) {
    if (!text) return nullptr;
    return AllocateBytes(text, LengthOf(text) * sizeof(OLECHAR));
}

extern "C" BSTR WINAPI SysAllocStringLen(const OLECHAR* text, UINT length) {
    if (length > kMaxBytes / sizeof(OLECHAR)) return nullptr;
    return AllocateBytes(text, length * sizeof(OLECHAR));
}

extern "C" BSTR WINAPI SysAllocStringByteLen(LPCSTR bytes, UINT length) { return AllocateBytes(bytes, length); }

extern "C" void WINAPI SysFreeString(BSTR bstr) {
    if (bstr) std::free(PrefixOf(bstr));
}

extern "C" UINT WINAPI SysStringByteLen(BSTR bstr) { return bstr ? *PrefixOf(bstr) : 0; }

extern "C" UINT WINAPI SysStringLen(BSTR bstr) { return bstr ? *PrefixOf(bstr) / sizeof(OLECHAR) : 0; }

extern "C" INT WINAPI SysReAllocStringLen(BSTR* bstr, const OLECHAR* text, UINT length) {
    if (!bstr) return FALSE;
    // The new text may lie inside the old string: copy before freeing.
    BSTR fresh = SysAllocStringLen(text, length);
    if (!fresh) return FALSE;
    SysFreeString(*bstr);
    *bstr = fresh;
    return TRUE;
}

extern "C" INT WINAPI SysReAllocString(BSTR* bstr, const OLECHAR* text) {
    if (!bstr) return FALSE;
    if (!text) {  // as a null source allocates nothing
        SysFreeString(*bstr);
        *bstr = nullptr;
        return TRUE;
    }
    return SysReAllocStringLen(bstr, text, LengthOf(text));
}
