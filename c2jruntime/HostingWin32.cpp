// Component hosting on Windows: the drawing surface's window handle, and
// the window turned into a child of the control's window.
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

}  // namespace brivel::c2j
