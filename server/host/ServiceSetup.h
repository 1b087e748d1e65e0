// The setup dialog's service operations: install, remove, start and stop
// the Windows service that runs the Java server, and its state. Each
// operation tells the user how it went; the caller refreshes its buttons
// afterwards.
#pragma once

#include <string>

#include "HostMessages.h"

namespace brivel::serverhost {

struct ServiceState {
    bool installed = false;  // the service opens for a status query
    bool running = false;    // installed, and not stopped
};
ServiceState QueryServiceState();

// Registers the service to run `programPath` with the service switch,
// started automatically, and starts it.
void InstallService(CHostMessages& messages, const std::string& programPath);
// Asks a running server to quit first (the user may decline while clients
// are connected, which leaves everything as it is), then deletes the
// service.
void UninstallService(CHostMessages& messages);
void StartInstalledService(CHostMessages& messages);
// Asks the service's server to quit, after the user's confirmation while
// clients are connected; the service stops with its server.
void StopRunningService(CHostMessages& messages);

// The system's text for the last error, "Unknown Error" when it has none.
std::string LastErrorText();

}  // namespace brivel::serverhost
