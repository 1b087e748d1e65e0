// Component hosting on X11: the drawing surface's drawable is the JWindow's
// X window; it is reparented into the control's window (an X window id
// carried in the HWND) and mapped, over a connection of the runtime's own
// through XCB (loaded at run time: the Java runtime's AWT has it loaded
// already, under its Xlib). Each request is checked on its own: an error
// comes back as the request's answer and never reaches Xlib's error
// handler, which is one for the whole process and AWT's.
#include "HostingPlatform.h"

#include <dlfcn.h>
#include <jawt_md.h>  // the Java runtime's own: it brings Xlib's declarations
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>

namespace brivel::c2j {

HWND NativeWindowOf(const JAWT_DrawingSurfaceInfo& info) {
    auto* x11 = static_cast<const JAWT_X11DrawingSurfaceInfo*>(info.platformInfo);
    return x11 && x11->drawable ? reinterpret_cast<HWND>(static_cast<uintptr_t>(x11->drawable)) : nullptr;
}

namespace {
xcb_window_t XcbWindowOf(HWND window) { return static_cast<xcb_window_t>(reinterpret_cast<uintptr_t>(window)); }

struct Xcb {
    decltype(&xcb_connect) connect = nullptr;
    decltype(&xcb_connection_has_error) hasError = nullptr;
    decltype(&xcb_disconnect) disconnect = nullptr;
    decltype(&xcb_reparent_window_checked) reparentWindow = nullptr;
    decltype(&xcb_map_window_checked) mapWindow = nullptr;
    decltype(&xcb_request_check) check = nullptr;

    Xcb() {
        void* lib = dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
        if (!lib) return;
        connect = Symbol<decltype(connect)>(lib, "xcb_connect");
        hasError = Symbol<decltype(hasError)>(lib, "xcb_connection_has_error");
        disconnect = Symbol<decltype(disconnect)>(lib, "xcb_disconnect");
        reparentWindow = Symbol<decltype(reparentWindow)>(lib, "xcb_reparent_window_checked");
        mapWindow = Symbol<decltype(mapWindow)>(lib, "xcb_map_window_checked");
        check = Symbol<decltype(check)>(lib, "xcb_request_check");
    }
    bool Complete() const { return connect && hasError && disconnect && reparentWindow && mapWindow && check; }
    template <typename F>
    static F Symbol(void* lib, const char* name) {
        return reinterpret_cast<F>(dlsym(lib, name));
    }

    // True when the request was carried out.
    bool Done(xcb_connection_t* connection, xcb_void_cookie_t request) const {
        xcb_generic_error_t* error = check(connection, request);
        bool done = !error;
        std::free(error);
        return done;
    }
};
}  // namespace

bool AdoptAsChild(HWND window, HWND parent) {
    static const Xcb x;
    if (!x.Complete()) return false;
    xcb_connection_t* connection = x.connect(nullptr, nullptr);  // never null: a failed one says so
    bool adopted = false;
    if (!x.hasError(connection)) {
        // Reparenting a mapped window unmaps it first; mapping it again
        // shows it inside the parent.
        xcb_void_cookie_t reparented = x.reparentWindow(connection, XcbWindowOf(window), XcbWindowOf(parent), 0, 0);
        xcb_void_cookie_t mapped = x.mapWindow(connection, XcbWindowOf(window));
        bool reparentDone = x.Done(connection, reparented);
        bool mapDone = x.Done(connection, mapped);
        // A connection that broke answers every check without an error.
        adopted = reparentDone && mapDone && !x.hasError(connection);
    }
    x.disconnect(connection);
    return adopted;
}

void WaitDispatching(HANDLE done) { WaitForSingleObject(done, INFINITE); }

}  // namespace brivel::c2j
