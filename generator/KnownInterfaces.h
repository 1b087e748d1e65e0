// The interfaces and classes of the two outside libraries (ADO and MSXML)
// for which pre-generated Java classes exist. A parameter of one of these
// types maps onto that pre-generated class.
#pragma once

#include <windows.h>

constexpr int kKnownInterfaceCount = 127;

struct CKnownInterfaceRow {
    GUID id;
    const char* libraryShortName;  // "adodb" or "msxml"
    const char* interfaceName;
};

extern const CKnownInterfaceRow KnownInterfaceTable[kKnownInterfaceCount];
