// What component hosting does differently per windowing system: where the
// Java runtime keeps its AWT native interface library, how a native window
// is read from a drawing surface and put into the control's window, and how
// the caller waits for Swing's event thread.
// win32: HostingWin32.cpp; linux32 (X11): HostingX11.cpp, where an HWND
// carries an X window id.
#pragma once

#include <windows.h>
#include <jawt.h>

namespace brivel::c2j {

#ifdef _WIN32
constexpr const char* kAwtLibrary = "bin\\awt.dll";    // below the Java home
constexpr const char* kJawtLibrary = "bin\\jawt.dll";  // below the Java home
constexpr const char* kJawtSearchName = "jawt.dll";    // found the system's usual way
constexpr const char* kJawtEntryName = "_JAWT_GetAWT@8";
#else
constexpr const char* kAwtLibrary = "lib/libawt.so";
constexpr const char* kJawtLibrary = "lib/libjawt.so";
constexpr const char* kJawtSearchName = "libjawt.so";
constexpr const char* kJawtEntryName = "JAWT_GetAWT";
#endif

// The native window in a locked drawing surface's information; null when
// it holds none.
HWND NativeWindowOf(const JAWT_DrawingSurfaceInfo& info);

// Makes `window` (a top-level window of Java's) a visible child of
// `parent`; false when the windowing system refused.
bool AdoptAsChild(HWND window, HWND parent);

// Waits until `done` is signalled. On Windows the calling thread dispatches
// its messages meanwhile: the thread it waits for may send messages to the
// caller's windows (Windows does so when a window gets a parent of another
// thread, or loses it), and would wait for their answers for ever.
void WaitDispatching(HANDLE done);

}  // namespace brivel::c2j
