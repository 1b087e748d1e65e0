// Asking the running Java server to quit, through the control request on
// its configured port (defaultPort of the configuration, 24044 without it).
#pragma once

#include <windows.h>

#include "HostMessages.h"

namespace brivel::serverhost {

// How long a request may wait for its connection and its reply.
constexpr unsigned kControlTimeoutMs = 10000;

// Sends the request ('2' with `force`: quit now; else quit only when no
// client connection is open). True when the server is quitting. `count`
// receives the open connections of a server that keeps running;
// `unreachable` is set when nobody accepted the request or it was not
// answered in time (the server cannot be reached on its control port).
// "Failed to allocate network resources!" and "Failed to send message to
// server" are shown whatever `showMessages` says.
bool SendControlRequest(CHostMessages& messages, bool showMessages, bool force, DWORD& count, bool& unreachable,
                        unsigned timeoutMs = kControlTimeoutMs);

// Asks the server to quit; while client connections are open the user is
// asked first, and Yes forces it. True when the server is quitting.
bool StopServerWithConfirmation(CHostMessages& messages, bool showMessages, bool& unreachable,
                                unsigned timeoutMs = kControlTimeoutMs);

}  // namespace brivel::serverhost
