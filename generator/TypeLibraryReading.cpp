#include "TypeLibraryReading.h"

#include "BridgeGenerator.h"
#include "NamingHelpers.h"

#include <cstdio>

// A fault is no C++ exception, and MinGW's compiler has no __try. A frame
// handler of our own (an exception registration and a jump back) could let
// the generator go on after a fault in the platform's reader, but the reader
// would be left as it faulted (a description half built, its caches, a lock
// it may hold): nothing read after it could be trusted. So a fault is never
// resumed. A top-level filter, installed while a library is read, reports
// the library and the type being read through the job and ends the process
// at once (no exit handlers run in a process in that state); where nothing
// else handles a fault, that is where the process would have ended anyway.
// The filter sees only the faults that nothing else handles, so the reader's
// own handling of its exceptions is untouched.

namespace {

// The innermost reading of the process: the job reads one library at a time.
CTypeLibraryReading* g_innermostReading = nullptr;

CString DocumentationName(ITypeLib* library, INT index) {
    BSTR name = nullptr;
    CString result;
    if (SUCCEEDED(library->GetDocumentation(index, &name, nullptr, nullptr, nullptr))) {
        result = WideToAnsi(name);
        SysFreeString(name);
    }
    return result;
}

}  // namespace

CTypeLibraryReading::CTypeLibraryReading(CBridgeGenerator* job, const char* typeLibraryPath)
    : m_job(job), m_path(typeLibraryPath), m_what("Cannot read the type library"), m_thread(GetCurrentThreadId()),
      m_outer(g_innermostReading) {
    if (!m_outer) m_previousFilter = SetUnhandledExceptionFilter(ReportFault);
    g_innermostReading = this;
}

CTypeLibraryReading::~CTypeLibraryReading() {
    g_innermostReading = m_outer;
    if (!m_outer) SetUnhandledExceptionFilter(m_previousFilter);
}

void CTypeLibraryReading::At(ITypeLib* library, UINT index) {
    CTypeLibraryReading* reading = g_innermostReading;
    if (!reading || reading->m_thread != GetCurrentThreadId()) return;
    CString what;
    what.Format("Cannot read the type \"%s\" of the library \"%s\"",
                DocumentationName(library, static_cast<INT>(index)).c_str(), DocumentationName(library, -1).c_str());
    reading->m_what = what;
}

LONG WINAPI CTypeLibraryReading::ReportFault(EXCEPTION_POINTERS* pointers) {
    CTypeLibraryReading* reading = g_innermostReading;
    if (!reading) return EXCEPTION_CONTINUE_SEARCH;
    if (reading->m_thread != GetCurrentThreadId()) {
        while (reading->m_outer) reading = reading->m_outer;
        return reading->m_previousFilter ? reading->m_previousFilter(pointers) : EXCEPTION_CONTINUE_SEARCH;
    }
    DWORD code = pointers->ExceptionRecord->ExceptionCode;
    // A fault while reporting the first ends the process without a word.
    static volatile LONG reporting = 0;
    if (InterlockedExchange(&reporting, 1) == 0) {
        static char text[2048];
        snprintf(text, sizeof(text), "%s: reading it ended in a fault (exception 0x%08lX)", reading->m_what.c_str(),
                 static_cast<unsigned long>(code));
        reading->m_job->ReportMessage(reading->m_path, text);
        fflush(nullptr);
    }
    TerminateProcess(GetCurrentProcess(), code);
    return EXCEPTION_EXECUTE_HANDLER;
}
