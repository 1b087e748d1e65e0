// Console control handlers. The list is kept as the platform keeps it (a
// handler added twice must be removed twice); no console exists here, so no
// control event ever reaches a handler.
#include <windows.h>

#include <algorithm>
#include <mutex>
#include <vector>

namespace {
std::mutex g_handlersLock;
std::vector<PHANDLER_ROUTINE> g_handlers;
bool g_ignoreCtrlC = false;
}  // namespace

extern "C" BOOL WINAPI SetConsoleCtrlHandler(PHANDLER_ROUTINE handler, BOOL add) {
    std::lock_guard<std::mutex> lock(g_handlersLock);
    if (!handler) {
        g_ignoreCtrlC = add != FALSE;
        return TRUE;
    }
    if (add) {
        g_handlers.push_back(handler);
        return TRUE;
    }
    auto last = std::find(g_handlers.rbegin(), g_handlers.rend(), handler);
    if (last == g_handlers.rend()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    g_handlers.erase(std::next(last).base());
    return TRUE;
}
