#include "InstallerSystem.h"

#include <shellapi.h>

#include <cstdio>

#include "InstallerTexts.h"

namespace brivel::setup {

bool IsServiceRunning(const char* serviceName) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (!manager) return false;
    bool running = false;
    SC_HANDLE service = OpenServiceA(manager, serviceName, SERVICE_QUERY_STATUS);
    if (service) {
        SERVICE_STATUS status{};
        if (QueryServiceStatus(service, &status)) running = status.dwCurrentState != SERVICE_STOPPED;
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return running;
}

bool RegisterComServer(const std::string& folder, const char* fileName) {
    std::string path = folder;
    if (!path.empty() && path.back() != '\\') path += '\\';
    path += fileName;
    // The library's own folder first, so that DLLs it needs beside it are found.
    HMODULE library = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!library) return false;
    using RegisterFunction = HRESULT(STDAPICALLTYPE*)();
    auto registerServer = reinterpret_cast<RegisterFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, "DllRegisterServer")));
    bool registered = registerServer && SUCCEEDED(registerServer());
    FreeLibrary(library);
    return registered;
}

bool IsOnSearchPath(const char* fileName) {
    char found[MAX_PATH];
    char* filePart = nullptr;
    DWORD length = SearchPathA(nullptr, fileName, nullptr, MAX_PATH, found, &filePart);
    return length > 0 && length < MAX_PATH;
}

namespace {

// A string value of at most `maxChars` characters; empty when absent or longer.
std::string ReadStringValue(HKEY key, const char* name, DWORD maxChars) {
    std::string value(maxChars + 1, '\0');
    DWORD size = maxChars + 1;
    DWORD type = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value[0]), &size) != ERROR_SUCCESS)
        return "";
    if (type != REG_SZ && type != REG_EXPAND_SZ) return "";
    value.resize(size);
    while (!value.empty() && value.back() == '\0') value.pop_back();
    return value;
}

}  // namespace

std::string FindJdkJavac() {
    HKEY jdk = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\JavaSoft\\Java Development Kit", 0, KEY_READ, &jdk) !=
        ERROR_SUCCESS)
        return "";
    std::string version = ReadStringValue(jdk, "CurrentVersion", 99);
    std::string home;
    HKEY versionKey = nullptr;
    if (!version.empty() && RegOpenKeyExA(jdk, version.c_str(), 0, KEY_READ, &versionKey) == ERROR_SUCCESS) {
        home = ReadStringValue(versionKey, "JavaHome", 199);
        RegCloseKey(versionKey);
    }
    RegCloseKey(jdk);
    if (home.empty()) return "";
    if (home.back() != '\\') home += '\\';
    std::string javac = home + "bin\\javac.exe";
    DWORD attributes = GetFileAttributesA(javac.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return "";
    return javac;
}

void OpenBrowserAt(HWND owner, const char* address) {
    auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(owner, "open", address, nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32) return;
    char message[512];
    std::snprintf(message, sizeof message, texts::kBrowserFailed, address);
    MessageBoxA(owner, message, texts::kBrowserFailedCaption, MB_OK | MB_ICONEXCLAMATION);
}

std::string SystemFolder() {
    char folder[MAX_PATH] = "";
    UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string();
}

std::string WindowsFolder() {
    char folder[MAX_PATH] = "";
    UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string();
}

}  // namespace brivel::setup
