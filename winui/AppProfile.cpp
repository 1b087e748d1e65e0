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

}  // namespace brivel::winui
