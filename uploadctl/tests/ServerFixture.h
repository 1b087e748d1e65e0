// Helpers of the COM server's tests under Wine: the DLL's path as the
// platform sees it, programs run to their end, registry reads, and the DLL
// registered for the length of a test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProcAddress.h"
namespace brivel::uploadctl::testing {

constexpr char kClsid[] = "{5ECF48F1-AFBB-4E48-B250-E9E4677B92F2}";
constexpr char kLibid[] = "{07311675-787D-4FF1-969A-BCB30891EB44}";

// The build's DLL, as a Windows path on Wine's drive of the root folder.
inline std::string ServerDllPath() {
    std::string path = std::string("Z:") + UPLOADCTL_DLL;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

// Runs a command line to its end; its exit code, or -1 when it did not start.
inline int RunProgram(const std::string& commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

inline int RunRegsvr32(bool unregister) {
    return RunProgram(std::string("regsvr32.exe /s ") + (unregister ? "/u " : "") + "\"" + ServerDllPath() + "\"");
}

inline bool KeyExists(HKEY root, const std::string& key) {
    HKEY opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

// A text value ("" for the default value); "<none>" when it is absent.
inline std::string RegistryText(HKEY root, const std::string& key, const char* value = "") {
    HKEY opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return "<none>";
    char text[1024] = {};
    DWORD size = sizeof text - 1, type = 0;
    LONG result = RegQueryValueExA(opened, *value ? value : nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(opened);
    if (result != ERROR_SUCCESS || type != REG_SZ) return "<none>";
    return text;
}

}  // namespace brivel::uploadctl::testing

namespace brivel::uploadctl::testing {

// The DLL loaded into the test, and its class object: the control without
// the registry.
class LoadedServer {
public:
    LoadedServer() : module_(LoadLibraryA(ServerDllPath().c_str())) {}
    ~LoadedServer() {
        if (module_) FreeLibrary(module_);
    }
    LoadedServer(const LoadedServer&) = delete;
    LoadedServer& operator=(const LoadedServer&) = delete;

    bool Loaded() const { return module_ != nullptr; }
    HMODULE Module() const { return module_; }
    HRESULT GetClassObject(REFCLSID classId, REFIID iid, void** object) const {
        using Function = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
        auto function = brivel::ProcAddress<Function>(module_, "DllGetClassObject");
        return function ? function(classId, iid, object) : E_FAIL;
    }
    HRESULT CanUnloadNow() const {
        using Function = HRESULT(STDAPICALLTYPE*)();
        auto function = brivel::ProcAddress<Function>(module_, "DllCanUnloadNow");
        return function ? function() : E_FAIL;
    }
    // A new control through the class object; nullptr on failure.
    template <typename Interface>
    Interface* Create(REFIID iid) const {
        IClassFactory* factory = nullptr;
        if (FAILED(GetClassObject(kControlClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) return nullptr;
        Interface* object = nullptr;
        if (FAILED(factory->CreateInstance(nullptr, iid, reinterpret_cast<void**>(&object)))) object = nullptr;
        factory->Release();
        return object;
    }

    static constexpr CLSID kControlClsid = {0x5ECF48F1, 0xAFBB, 0x4E48, {0xB2, 0x50, 0xE9, 0xE4, 0x67, 0x7B, 0x92, 0xF2}};

private:
    HMODULE module_;
};

}  // namespace brivel::uploadctl::testing
