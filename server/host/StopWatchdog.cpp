#include "StopWatchdog.h"

namespace brivel::serverhost {

bool RunStopWatchdog(HANDLE server, const std::function<void()>& reportPending, WatchdogPlan plan) {
    HANDLE own = nullptr;
    if (!server || !DuplicateHandle(GetCurrentProcess(), server, GetCurrentProcess(), &own,
                                    SYNCHRONIZE | PROCESS_TERMINATE, FALSE, 0))
        return false;
    bool terminated = false;
    int round = 0;
    for (; round < plan.rounds; ++round) {
        if (WaitForSingleObject(own, plan.roundMs) != WAIT_TIMEOUT) break;  // ended (or no longer waitable)
        reportPending();
    }
    if (round == plan.rounds && WaitForSingleObject(own, 0) == WAIT_TIMEOUT) {
        terminated = TerminateProcess(own, 0) != FALSE;
        WaitForSingleObject(own, 10000);
    }
    CloseHandle(own);
    return terminated;
}

}  // namespace brivel::serverhost
