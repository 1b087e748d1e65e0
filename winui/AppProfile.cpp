#include "AppProfile.h"

#include <windows.h>

#include <utility>
#include <vector>

namespace brivel::winui {

std::string ProgramName() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return std::string();
        if (n < path.size()) {
            std::string name(path.data(), n);
            std::string::size_type slash = name.find_last_of("\\/");
            if (slash != std::string::npos) name.erase(0, slash + 1);
            std::string::size_type dot = name.rfind('.');
            if (dot != std::string::npos) name.erase(dot);
            return name;
        }
        path.resize(path.size() * 2);
    }
}

AppProfile::AppProfile(std::string registryKey, std::string programName)
    : registryKey_(std::move(registryKey)), programName_(std::move(programName)) {}

std::string AppProfile::SectionKeyPath(const std::string& section) const {
    return "Software\\" + registryKey_ + "\\" + programName_ + "\\" + section;
}

unsigned AppProfile::ReadInt(const std::string& section, const std::string& entry,
                                   unsigned defaultValue) const {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionKeyPath(section).c_str(), 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return defaultValue;
    DWORD type = 0, value = 0, size = sizeof value;
    LONG rc = RegQueryValueExA(key, entry.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return defaultValue;
    return value;
}

bool AppProfile::WriteInt(const std::string& section, const std::string& entry,
                                 unsigned value) const {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionKeyPath(section).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    DWORD data = value;
    LONG rc = RegSetValueExA(key, entry.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                             sizeof data);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

std::string AppProfile::ReadString(const std::string& section, const std::string& entry,
                                   const std::string& defaultValue) const {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionKeyPath(section).c_str(), 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return defaultValue;
    std::string value = defaultValue;
    // The size first, then the bytes; a value that grows in between is read again.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0, size = 0;
        if (RegQueryValueExA(key, entry.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
            break;
        std::vector<char> bytes(size + 1, '\0');
        DWORD read = size;
        LONG rc = RegQueryValueExA(key, entry.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &read);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc == ERROR_SUCCESS && type == REG_SZ) value.assign(bytes.data());  // up to the terminator
        break;
    }
    RegCloseKey(key);
    return value;
}

bool AppProfile::WriteString(const std::string& section, const std::string& entry, const std::string& value) const {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionKeyPath(section).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG rc = RegSetValueExA(key, entry.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

}  // namespace brivel::winui
