// A stand-in for the Java runtime's AWT native interface library (win32):
// its drawing surface hands out a real window that the stub makes, a popup
// as Java's top-level windows are. BRIVEL_STUB_JAWT chooses how it answers:
// "refuse" (GetAWT fails), "no-surface", "lock-error", "no-info",
// "no-handle" (the information names no window); anything else succeeds.
// The test reads the window made last, its style then, and what the runtime
// has not given back (surfaces, locks, informations).
// This library is the native interface: jawt.h then declares its entry exported.
#define _JNI_IMPLEMENTATION_
#include <windows.h>
#include <jawt_md.h>

#include <string>

namespace {
std::string Mode() {
    char value[64];
    DWORD n = GetEnvironmentVariableA("BRIVEL_STUB_JAWT", value, sizeof value);
    return n && n < sizeof value ? std::string(value, n) : std::string();
}

const DWORD kJavaWindowStyle = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_BORDER;
HWND g_window = nullptr;
LONG g_initialStyle = 0;
int g_outstanding = 0;

struct Surface {
    JAWT_DrawingSurface ds;
    JAWT_DrawingSurfaceInfo info;
    JAWT_Win32DrawingSurfaceInfo win32;
};

jint JNICALL Lock(JAWT_DrawingSurface*) {
    if (Mode() == "lock-error") return JAWT_LOCK_ERROR;
    ++g_outstanding;
    return 0;
}
void JNICALL Unlock(JAWT_DrawingSurface*) { --g_outstanding; }

JAWT_DrawingSurfaceInfo* JNICALL GetInfo(JAWT_DrawingSurface* ds) {
    if (Mode() == "no-info") return nullptr;
    Surface* surface = reinterpret_cast<Surface*>(ds);
    surface->win32.hwnd = Mode() == "no-handle" ? nullptr : g_window;
    surface->info.platformInfo = &surface->win32;
    surface->info.ds = ds;
    ++g_outstanding;
    return &surface->info;
}
void JNICALL FreeInfo(JAWT_DrawingSurfaceInfo*) { --g_outstanding; }

JAWT_DrawingSurface* JNICALL GetDrawingSurface(JNIEnv* env, jobject target) {
    if (Mode() == "no-surface") return nullptr;
    g_window = CreateWindowExA(0, "STATIC", "Java window", kJavaWindowStyle, 0, 0, 80, 60, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    g_initialStyle = GetWindowLongA(g_window, GWL_STYLE);
    Surface* surface = new Surface();
    surface->ds.env = env;
    surface->ds.target = target;
    surface->ds.Lock = Lock;
    surface->ds.GetDrawingSurfaceInfo = GetInfo;
    surface->ds.FreeDrawingSurfaceInfo = FreeInfo;
    surface->ds.Unlock = Unlock;
    ++g_outstanding;
    return &surface->ds;
}
void JNICALL FreeDrawingSurface(JAWT_DrawingSurface* ds) {
    delete reinterpret_cast<Surface*>(ds);
    --g_outstanding;
}
}  // namespace

extern "C" jboolean JNICALL JAWT_GetAWT(JNIEnv*, JAWT* awt) {
    if (Mode() == "refuse" || awt->version != JAWT_VERSION_1_3) return JNI_FALSE;
    awt->GetDrawingSurface = GetDrawingSurface;
    awt->FreeDrawingSurface = FreeDrawingSurface;
    return JNI_TRUE;
}

extern "C" HWND StubJawtWindow() { return g_window; }
extern "C" LONG StubJawtInitialStyle() { return g_initialStyle; }
extern "C" int StubJawtOutstanding() { return g_outstanding; }
