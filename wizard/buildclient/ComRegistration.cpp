#include "ComRegistration.h"

#include <windows.h>

bool RegisterComDll(const char* path) {
    HMODULE library = LoadLibraryA(path);
    if (!library) return false;
    using RegisterFunction = HRESULT(STDAPICALLTYPE*)();
    auto registerServer =
        reinterpret_cast<RegisterFunction>(reinterpret_cast<void*>(GetProcAddress(library, "DllRegisterServer")));
    bool registered = registerServer && SUCCEEDED(registerServer());
    FreeLibrary(library);
    return registered;
}

bool GetSystemWow64Folder() {
    HMODULE kernel = LoadLibraryA("kernel32.dll");
    if (!kernel) return false;
    using Wow64Function = UINT(WINAPI*)(LPWSTR, UINT);
    auto getFolder = reinterpret_cast<Wow64Function>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "GetSystemWow64DirectoryW")));
    wchar_t folder[255] = {};
    bool wow64 = getFolder && getFolder(folder, 255) != 0;
    FreeLibrary(kernel);
    return wow64;
}
