// Component hosting on Windows: the drawing surface's window handle, the
// window turned into a child of the control's window, and a wait that
// dispatches the caller's messages.
#include "HostingPlatform.h"

#include <jawt_md.h>

namespace brivel::c2j {

HWND NativeWindowOf(const JAWT_DrawingSurfaceInfo& info) {
    auto* win32 = static_cast<const JAWT_Win32DrawingSurfaceInfo*>(info.platformInfo);
    return win32 ? win32->hwnd : nullptr;
}

bool AdoptAsChild(HWND window, HWND parent) {
    // A child, and visible; neither popup nor top-level. Every other style
    // bit stays as Java made it.
    const DWORD kPopupChildVisible = WS_POPUP | WS_CHILD | WS_VISIBLE;  // 0xD0000000
    DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    style = (style & ~kPopupChildVisible) | WS_CHILD | WS_VISIBLE;
    SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(style));
    // SetParent answers the previous parent (the desktop for a top-level
    // window), null when it failed.
    return SetParent(window, parent) != nullptr;
}

void WaitDispatching(HANDLE done) {
    bool quit = false;
    int quitCode = 0;
    DWORD woke;
    while ((woke = MsgWaitForMultipleObjects(1, &done, FALSE, INFINITE, QS_ALLINPUT)) == WAIT_OBJECT_0 + 1) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {  // for the caller's own loop, after the wait
                quit = true;
                quitCode = static_cast<int>(message.wParam);
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    if (woke != WAIT_OBJECT_0) WaitForSingleObject(done, INFINITE);  // the wait itself failed
    if (quit) PostQuitMessage(quitCode);
}

}  // namespace brivel::c2j
