// The control request's exchange on a socket, bounded in time: a server
// that accepts but never answers (a hung Java VM) ends the exchange after
// the time-out instead of blocking its caller.
#pragma once

#include <cstdint>

#include "ControlMessage.h"

namespace brivel::serverhost {

enum class ControlOutcome {
    NoSocket,     // no socket could be made
    Unreachable,  // nobody accepted the connection
    SendFailed,   // the request could not be sent
    NoAnswer,     // no reply within the time-out
    Quitting,     // the server quits (its reply says so, is short, or the connection ended or failed)
    Running,      // the server keeps running; openConnections holds its count
};

struct ControlExchange {
    ControlOutcome outcome = ControlOutcome::NoSocket;
    uint32_t openConnections = 0;
};

// Sends the request to 127.0.0.1:`port` and reads the reply; connecting,
// sending and receiving together take at most about `timeoutMs`. Windows
// Sockets must be started on win32.
ControlExchange ExchangeControlRequest(int port, bool force, unsigned timeoutMs);

}  // namespace brivel::serverhost
