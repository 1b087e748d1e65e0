// Type-library services. The linux32 build carries no type-library loader
// (the generator, which reads type libraries, runs on win32 only), so no
// library is ever registered here and record information cannot be had:
// callers get the platform's own "library not registered" failure and
// report it as they report any other.
#include <windows.h>

extern "C" HRESULT WINAPI GetRecordInfoFromGuids(REFGUID, ULONG, ULONG, LCID, REFGUID, IRecordInfo** recordInfo) {
    // As on the platform, the out pointer is left as it was on failure.
    if (!recordInfo) return E_INVALIDARG;
    return TYPE_E_LIBNOTREGISTERED;
}
