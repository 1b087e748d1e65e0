// Ends a Java server that does not quit after the service was stopped.
#pragma once

#include <windows.h>

#include <functional>

namespace brivel::serverhost {

struct WatchdogPlan {
    int rounds = 180;
    DWORD roundMs = 1000;
};

// Each round waits for the server to end; while it runs, `reportPending`
// tells the service manager that the stop goes on. A server still running
// after the last round is terminated. True when it was terminated. The
// watchdog waits on a handle of its own, so the caller may close `server`.
bool RunStopWatchdog(HANDLE server, const std::function<void()>& reportPending, WatchdogPlan plan = {});

}  // namespace brivel::serverhost
