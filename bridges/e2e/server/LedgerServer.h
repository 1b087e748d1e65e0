// The in-process COM server of the end-to-end tests: class Ledger of the
// E2e type library, implemented on IDispatch by hand.
#pragma once

#include <windows.h>
#include <ole2.h>

// {7E2E0000-0000-4000-8000-000000000050}
const CLSID CLSID_E2eLedger = {0x7E2E0000, 0x0000, 0x4000, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x50}};

// References the server's objects hold out to their callers, summed over
// every live object (the class factory not counted). 0 when the callers
// released everything they were given.
extern "C" LONG LedgerOutstandingReferences(void);
