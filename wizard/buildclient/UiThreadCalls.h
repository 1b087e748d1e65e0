// How a build's worker thread, which never creates windows, has a dialog
// run on its owner's user-interface thread: it sends the owner's window a
// registered message whose long parameter is the call; the owner's handler
// runs it there (modally, for a dialog) and returns its result to the
// waiting worker. Once the owner is closing, calls are answered at once
// with their "cancelled" result, so a worker that is being stopped is never
// left waiting for a window that is going.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>

class CUiThreadCalls {
public:
    // `message` is the owner's registered message.
    explicit CUiThreadCalls(UINT message) : m_message(message) {}

    // The window whose thread runs the calls (null: every call is cancelled).
    void Attach(HWND window) { m_window = window; }
    UINT Message() const { return m_message; }

    // Worker: runs `call` on the window's thread and returns its result, or
    // `cancelled` at once when the owner is closing.
    INT_PTR Run(const std::function<INT_PTR()>& call, INT_PTR cancelled = IDCANCEL);

    // The owner's handler of the registered message.
    INT_PTR OnInternalDoModal(LPARAM call);

    // From now on calls are answered at once as cancelled.
    void BeginClosing() { m_closing = true; }
    // A new build may show its dialogs again.
    void EndClosing() { m_closing = false; }
    bool IsClosing() const { return m_closing; }

private:
    struct Call {
        const std::function<INT_PTR()>* function;
        INT_PTR cancelled;
    };

    UINT m_message;
    std::atomic<HWND> m_window{nullptr};
    std::atomic<bool> m_closing{false};
};
