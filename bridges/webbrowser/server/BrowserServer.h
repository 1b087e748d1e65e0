// The web-browser COM server of the bridge's tests: what a test process
// reaches besides COM itself (the classes, the count of references handed
// out, the events it fires on demand).
#pragma once

#include <windows.h>

// The server's classes. The tests also register the server under the
// bridge's compiled class identifiers; the server answers any identifier
// registered for it with the object of the kind the identifier names.
enum BrowserKind { kBrowserObject = 0, kShellWindowsObject = 1, kSearchObject = 2, kNameSpaceObject = 3 };

// {5E7A0000-6B10-4A2E-9C31-0A7E5D1B01kk}, kk = 00 + kind: the test classes.
inline CLSID BrowserTestClsid(int kind) {
    CLSID id = {0x5E7A0000, 0x6B10, 0x4A2E, {0x9C, 0x31, 0x0A, 0x7E, 0x5D, 0x1B, 0x01, 0x00}};
    id.Data4[7] = static_cast<BYTE>(kind);
    return id;
}

// Exports (C names):
//   LONG BrowserOutstandingReferences(void)
//       references the server's objects hold from callers (0 when all were released)
//   HRESULT BrowserFire(int kind, const IID* events, DISPID id, DISPPARAMS* params)
//       calls Invoke of every sink advised on the newest live object of the
//       kind for that event interface; E_FAIL when no sink is advised
//   LONG BrowserSinks(int kind, const IID* events)
//       the number of sinks advised there
typedef LONG (*BrowserOutstandingReferencesFn)();
typedef HRESULT (*BrowserFireFn)(int kind, const IID* events, DISPID id, DISPPARAMS* params);
typedef LONG (*BrowserSinksFn)(int kind, const IID* events);
