// State of BrvServerLib shared between its configuration store and the
// natives of the Java server.
#pragma once

#include <windows.h>

namespace brivel {
// Guards the open-connection count and the connection-id counter; set up
// when the library is attached to a process.
extern CRITICAL_SECTION g_serverLock;
}
