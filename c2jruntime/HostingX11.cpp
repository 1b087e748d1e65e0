// Component hosting on X11: the drawing surface's drawable is the JWindow's
// X window; it is reparented into the control's window (an X window id
// carried in the HWND) and mapped. libX11 is loaded at run time (the Java
// runtime's AWT has it loaded already), over a connection of our own.
#include "HostingPlatform.h"

#include <dlfcn.h>
#include <jawt_md.h>  // the Java runtime's own: it brings Xlib's declarations

#include <cstdint>
#include <mutex>

namespace brivel::c2j {

HWND NativeWindowOf(const JAWT_DrawingSurfaceInfo& info) {
    auto* x11 = static_cast<const JAWT_X11DrawingSurfaceInfo*>(info.platformInfo);
    return x11 && x11->drawable ? reinterpret_cast<HWND>(static_cast<uintptr_t>(x11->drawable)) : nullptr;
}

namespace {
Window XWindowOf(HWND window) { return static_cast<Window>(reinterpret_cast<uintptr_t>(window)); }

struct Xlib {
    decltype(&XOpenDisplay) openDisplay = nullptr;
    decltype(&XCloseDisplay) closeDisplay = nullptr;
    decltype(&XReparentWindow) reparentWindow = nullptr;
    decltype(&XMapWindow) mapWindow = nullptr;
    decltype(&XSync) sync = nullptr;
    decltype(&XSetErrorHandler) setErrorHandler = nullptr;

    Xlib() {
        void* lib = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
        if (!lib) return;
        openDisplay = Symbol<decltype(openDisplay)>(lib, "XOpenDisplay");
        closeDisplay = Symbol<decltype(closeDisplay)>(lib, "XCloseDisplay");
        reparentWindow = Symbol<decltype(reparentWindow)>(lib, "XReparentWindow");
        mapWindow = Symbol<decltype(mapWindow)>(lib, "XMapWindow");
        sync = Symbol<decltype(sync)>(lib, "XSync");
        setErrorHandler = Symbol<decltype(setErrorHandler)>(lib, "XSetErrorHandler");
    }
    bool Complete() const {
        return openDisplay && closeDisplay && reparentWindow && mapWindow && sync && setErrorHandler;
    }
    template <typename F>
    static F Symbol(void* lib, const char* name) {
        return reinterpret_cast<F>(dlsym(lib, name));
    }
};

// Xlib's error handler is one for the process, and AWT has its own there.
// While our requests are answered, ours stands in front: errors of our own
// connection are noted, every other goes on to the handler it replaced.
std::mutex g_adoptLock;
Display* g_ownDisplay = nullptr;
bool g_refused = false;
XErrorHandler g_replacedHandler = nullptr;

int NoteError(Display* display, XErrorEvent* event) {
    if (display == g_ownDisplay) {
        g_refused = true;
        return 0;
    }
    return g_replacedHandler ? g_replacedHandler(display, event) : 0;
}
}  // namespace

bool AdoptAsChild(HWND window, HWND parent) {
    static const Xlib x;
    if (!x.Complete()) return false;
    std::lock_guard<std::mutex> lock(g_adoptLock);
    Display* display = x.openDisplay(nullptr);
    if (!display) return false;
    g_ownDisplay = display;
    g_refused = false;
    g_replacedHandler = x.setErrorHandler(NoteError);
    // Reparenting a mapped window unmaps it first; mapping it again shows it
    // inside the parent.
    x.reparentWindow(display, XWindowOf(window), XWindowOf(parent), 0, 0);
    x.mapWindow(display, XWindowOf(window));
    x.sync(display, False);
    x.setErrorHandler(g_replacedHandler);
    bool adopted = !g_refused;
    x.closeDisplay(display);
    g_ownDisplay = nullptr;
    return adopted;
}

}  // namespace brivel::c2j
