// A COM server stand-in for the uninstaller's tests: its DllUnregisterServer
// appends the library's own file name to the file named by the environment
// variable BRIVEL_UNREGISTER_LOG, so a test sees which libraries were asked.
#include <windows.h>

#include <cstdio>

namespace {
HMODULE g_module = nullptr;
}

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_module = module;
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
    char log[MAX_PATH] = "";
    char path[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("BRIVEL_UNREGISTER_LOG", log, sizeof log)) return E_FAIL;
    DWORD n = GetModuleFileNameA(g_module, path, sizeof path);
    const char* name = path + n;
    while (name > path && name[-1] != '\\' && name[-1] != '/') --name;
    std::FILE* file = std::fopen(log, "ab");
    if (!file) return E_FAIL;
    std::fprintf(file, "%s\n", name);
    std::fclose(file);
    return S_OK;
}
