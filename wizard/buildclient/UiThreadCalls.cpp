#include "UiThreadCalls.h"

INT_PTR CUiThreadCalls::Run(const std::function<INT_PTR()>& call, INT_PTR cancelled) {
    HWND window = m_window;
    if (m_closing || !window) return cancelled;
    Call request{&call, cancelled};
    DWORD_PTR result = static_cast<DWORD_PTR>(cancelled);
    // Blocks until the user-interface thread has run the call; a window that
    // is gone answers nothing, which counts as cancelled.
    if (!SendMessageTimeoutA(window, m_message, 0, reinterpret_cast<LPARAM>(&request), SMTO_BLOCK, 0x7FFFFFFF,
                             &result))
        return cancelled;
    return static_cast<INT_PTR>(result);
}

INT_PTR CUiThreadCalls::OnInternalDoModal(LPARAM call) {
    const auto* request = reinterpret_cast<const Call*>(call);
    if (!request) return IDCANCEL;
    if (m_closing) return request->cancelled;
    return (*request->function)();
}
