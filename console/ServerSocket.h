// Opens the console's loop-back listener and publishes its port in the
// registry for the COM-to-Java runtime.
#pragma once

#include <string>

#include "ConsoleListener.h"

namespace brivel::console {

// Opens `listener`, then writes its port. The port is written only once the
// socket listens, so a client that reads it can connect at once. On any
// failure it shows the failure's message (caption `programName`) and ends
// the process with exit code 1.
void CreateServerSocket(ConsoleListener& listener, const std::string& programName);

// Shows `text` in a message box captioned with the program's name.
void ShowMessage(const std::string& programName, const char* text);

}  // namespace brivel::console
