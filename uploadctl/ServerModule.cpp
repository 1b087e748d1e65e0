#include "ServerModule.h"

namespace brivel::uploadctl {
namespace {

HINSTANCE g_instance = nullptr;
LONG g_locks = 0;

struct ThreadStart {
    std::function<void()> body;
    HMODULE module;
};

DWORD WINAPI ModuleThreadEntry(LPVOID parameter) {
    auto* start = static_cast<ThreadStart*>(parameter);
    HMODULE module = start->module;
    start->body();
    delete start;
    UnlockModule();
    // The DLL may go as soon as this reference is given back: the call
    // does not return into it.
    FreeLibraryAndExitThread(module, 0);
    return 0;
}

}  // namespace

void SetModuleInstance(HINSTANCE instance) { g_instance = instance; }

HINSTANCE ModuleInstance() { return g_instance; }

std::wstring ModulePathW() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(g_instance, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void LockModule() { InterlockedIncrement(&g_locks); }

void UnlockModule() { InterlockedDecrement(&g_locks); }

LONG ModuleLockCount() { return InterlockedCompareExchange(&g_locks, 0, 0); }

bool StartModuleThread(std::function<void()> body) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&ModuleThreadEntry),
                            &module))
        return false;
    auto* start = new ThreadStart{std::move(body), module};
    LockModule();
    HANDLE thread = CreateThread(nullptr, 0, &ModuleThreadEntry, start, 0, nullptr);
    if (!thread) {
        UnlockModule();
        delete start;
        FreeLibrary(module);
        return false;
    }
    CloseHandle(thread);
    return true;
}

}  // namespace brivel::uploadctl
