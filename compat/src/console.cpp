// Console control handlers. The list is kept as the platform keeps it (a
// handler added twice must be removed twice); no console exists here, so no
// control event ever reaches a handler.
#include <windows.h>

#include <algorithm>
#include <mutex>
#include <vector>

namespace {
// Lives as long as the process (threads that nobody waits for may still
// call while it exits, after static objects are destroyed).
struct Handlers {
    std::mutex lock;
    std::vector<PHANDLER_ROUTINE> list;
};
Handlers& TheHandlers() {
    static Handlers* handlers = new Handlers;
    return *handlers;
}
bool g_ignoreCtrlC = false;
}  // namespace

extern "C" BOOL WINAPI SetConsoleCtrlHandler(PHANDLER_ROUTINE handler, BOOL add) {
    Handlers& handlers = TheHandlers();
    std::lock_guard<std::mutex> lock(handlers.lock);
    if (!handler) {
        g_ignoreCtrlC = add != FALSE;
        return TRUE;
    }
    if (add) {
        handlers.list.push_back(handler);
        return TRUE;
    }
    auto last = std::find(handlers.list.rbegin(), handlers.list.rend(), handler);
    if (last == handlers.list.rend()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    handlers.list.erase(std::next(last).base());
    return TRUE;
}
