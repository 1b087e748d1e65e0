// linux32: the loader calls no DllMain, so the bridge's own load hook runs
// when the library is loaded, as the platform's loader would run it.
#include <windows.h>

extern "C" int APIENTRY DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);

namespace {
__attribute__((constructor)) void RunLoadHook() {
    DllMain(nullptr, DLL_PROCESS_ATTACH, nullptr);
}
}  // namespace
