// The program run by the service control manager (switch "-service-"): it
// starts the Java server, reports the service's state while the server
// runs, asks the server to quit when the service is stopped (a watchdog
// ends it if it does not), and ends after the server.
#pragma once

namespace brivel::serverhost {

// Runs the service until its Java server has ended; the program's exit code.
int RunServiceMode();

}  // namespace brivel::serverhost
