// The console's loop-back listener and the registry value that tells clients
// where it listens.
#pragma once

#include <winsock.h>

#include <string>

namespace brivel::console {

// Creates a TCP socket listening on 127.0.0.1 at a port the system picks,
// then publishes that port. The port is written only once the socket
// listens, so a client that reads it can connect at once. On any failure it
// shows the failure's message (caption `programName`) and ends the process
// with exit code 1.
SOCKET CreateServerSocket(const std::string& programName);

// Shows `text` in a message box captioned with the program's name.
void ShowMessage(const std::string& programName, const char* text);

}  // namespace brivel::console
