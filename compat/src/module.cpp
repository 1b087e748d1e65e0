// Module handles and file names, and libraries loaded at run time over
// dlopen. A module handle is the load address of the shared object (or
// program) that contains it, as on the platform.
#include <windows.h>

#include <dlfcn.h>
#include <link.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <mutex>
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

namespace {
struct Loaded {
    void* handle;
    int loads;
};
// The libraries loaded by LoadLibraryA, by module handle; as long as the
// process lives (threads that nobody waits for may still call while it
// exits, after static objects are destroyed).
struct Modules {
    std::mutex lock;
    std::map<HMODULE, Loaded> loaded;
};
Modules& TheModules() {
    static Modules* modules = new Modules;
    return *modules;
}

// The load address of an object that dlopen returned.
HMODULE BaseOf(void* handle) {
    link_map* map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || !map) return nullptr;
    Dl_info info;
    if (!dladdr(map->l_ld, &info)) return nullptr;
    return static_cast<HMODULE>(info.dli_fbase);
}

struct Search {
    const char* name;  // file name searched for; null for the program
    HMODULE found;
};

bool SameFileName(const char* path, const char* name) {
    const char* base = std::strrchr(path, '/');
    return strcasecmp(base ? base + 1 : path, name) == 0;
}

int VisitObject(dl_phdr_info* info, size_t, void* data) {
    Search* search = static_cast<Search*>(data);
    bool program = !info->dlpi_name || !*info->dlpi_name;
    if (search->name ? (program || !SameFileName(info->dlpi_name, search->name)) : !program) return 0;
    for (int i = 0; i < info->dlpi_phnum; ++i)
        if (info->dlpi_phdr[i].p_type == PT_LOAD) {
            search->found = reinterpret_cast<HMODULE>(info->dlpi_addr + info->dlpi_phdr[i].p_vaddr);
            return 1;
        }
    return 0;
}
}  // namespace

extern "C" HMODULE WINAPI LoadLibraryA(LPCSTR fileName) {
    if (!fileName || !*fileName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    void* handle = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    HMODULE module = handle ? BaseOf(handle) : nullptr;
    if (!module) {
        if (handle) dlclose(handle);
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    std::lock_guard<std::mutex> lock(TheModules().lock);
    Loaded& loaded = TheModules().loaded[module];
    loaded.handle = handle;
    ++loaded.loads;
    return module;
}

extern "C" BOOL WINAPI FreeLibrary(HMODULE module) {
    void* handle = nullptr;
    {
        std::lock_guard<std::mutex> lock(TheModules().lock);
        auto it = TheModules().loaded.find(module);
        if (it == TheModules().loaded.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        handle = it->second.handle;
        if (--it->second.loads == 0) TheModules().loaded.erase(it);
    }
    dlclose(handle);
    return TRUE;
}

extern "C" FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR procName) {
    // Exports are found by name only; this loader has no ordinals.
    if (!module || !procName || (reinterpret_cast<ULONG_PTR>(procName) >> 16) == 0) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    void* handle = nullptr;
    bool borrowed = false;
    {
        std::lock_guard<std::mutex> lock(TheModules().lock);
        auto it = TheModules().loaded.find(module);
        if (it != TheModules().loaded.end()) handle = it->second.handle;
    }
    if (!handle) {  // a module this loader did not load: find it by its file
        std::string path = ModulePath(module);
        handle = path.empty() ? nullptr : dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
        if (!handle && ModulePath(nullptr) == path) handle = dlopen(nullptr, RTLD_NOW);
        borrowed = handle != nullptr;
    }
    void* symbol = handle ? dlsym(handle, procName) : nullptr;
    if (borrowed) dlclose(handle);
    if (!symbol) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}

extern "C" HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName) {
    Search search = {moduleName, nullptr};
    dl_iterate_phdr(VisitObject, &search);
    if (!search.found) SetLastError(ERROR_MOD_NOT_FOUND);
    return search.found;
}
