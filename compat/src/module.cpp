// Module handles and file names. A module handle is the load address of the
// shared object (or program) that contains it, as on the platform.
#include <windows.h>

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace {
std::string ModulePath(HMODULE module) {
    if (!module) {
        char path[PATH_MAX];
        ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
        return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string();
    }
    Dl_info info;
    if (!dladdr(module, &info) || !info.dli_fname || info.dli_fbase != static_cast<void*>(module))
        return std::string();
    char* full = realpath(info.dli_fname, nullptr);
    if (!full) return info.dli_fname;
    std::string path(full);
    free(full);
    return path;
}
}  // namespace

extern "C" HMODULE brivelCompatModuleOfAddress(const void* address) {
    Dl_info info;
    if (!dladdr(address, &info)) return nullptr;
    return static_cast<HMODULE>(info.dli_fbase);
}

extern "C" DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size) {
    std::string path = ModulePath(module);
    if (path.empty()) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (!fileName || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (path.size() >= size) {  // truncated and terminated; the result is the buffer size
        std::memcpy(fileName, path.data(), size - 1);
        fileName[size - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    std::memcpy(fileName, path.c_str(), path.size() + 1);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(path.size());
}
