// A fault while the generator reads a type library: reported with the
// library and the type being read, instead of a bare page fault.
#pragma once

#include "BrvString.h"

#include <windows.h>
#include <oaidl.h>

class CBridgeGenerator;

// While one lives, a fault on its thread that nothing handles (the platform's
// type library reader failing on a type) is reported through the job, with
// the type library path and a text naming the library and the type being
// read, and ends the process, as the fault would have. The generator holds
// one while it loads a type library and collects its types.
class CTypeLibraryReading {
public:
    CTypeLibraryReading(CBridgeGenerator* job, const char* typeLibraryPath);
    ~CTypeLibraryReading();
    CTypeLibraryReading(const CTypeLibraryReading&) = delete;
    CTypeLibraryReading& operator=(const CTypeLibraryReading&) = delete;
    // The type now being read (its index in its library) by the innermost
    // reading of this thread; nothing when there is none.
    static void At(ITypeLib* library, UINT index);

private:
    static LONG WINAPI ReportFault(EXCEPTION_POINTERS* pointers);

    CBridgeGenerator* m_job;
    CString m_path;
    CString m_what;  // "Cannot read the type ..." of the type being read
    DWORD m_thread;
    CTypeLibraryReading* m_outer;
    LPTOP_LEVEL_EXCEPTION_FILTER m_previousFilter = nullptr;
};
