#include "MachineClasspath.h"

#include <string>
#include <vector>

#include "ClasspathMerge.h"

namespace {

constexpr const char* kValueName = "CLASSPATH";

std::string FullPath(const char* path) {
    DWORD needed = GetFullPathNameA(path, 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::vector<char> full(needed + 1, '\0');
    DWORD length = GetFullPathNameA(path, static_cast<DWORD>(full.size()), full.data(), nullptr);
    return length > 0 && length < full.size() ? std::string(full.data(), length) : std::string(path);
}

// The short 8.3 form; the full path itself where the system has none.
std::string ShortPath(const std::string& path) {
    DWORD needed = GetShortPathNameA(path.c_str(), nullptr, 0);
    if (needed == 0) return path;
    std::vector<char> shortPath(needed + 1, '\0');
    DWORD length = GetShortPathNameA(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
    return length > 0 && length < shortPath.size() ? std::string(shortPath.data(), length) : path;
}

enum class ReadResult { Text, Absent, Unusable };

// The value whole, of whatever length, with its type.
ReadResult ReadValue(HKEY key, std::string& value, DWORD& type) {
    std::vector<char> bytes(1024);
    for (int attempt = 0; attempt < 8; ++attempt) {
        DWORD size = static_cast<DWORD>(bytes.size());
        LONG rc = RegQueryValueExA(key, kValueName, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size);
        if (rc == ERROR_FILE_NOT_FOUND) return ReadResult::Absent;
        if (rc == ERROR_MORE_DATA) {
            bytes.resize(size + 2);
            continue;
        }
        if (rc != ERROR_SUCCESS) return ReadResult::Unusable;
        if (type != REG_SZ && type != REG_EXPAND_SZ) return ReadResult::Unusable;
        // The stored text may or may not end with its NUL.
        value.assign(bytes.data(), size);
        size_t end = value.find('\0');
        if (end != std::string::npos) value.resize(end);
        return ReadResult::Text;
    }
    return ReadResult::Unusable;
}

}  // namespace

ClasspathUpdate AddJarToClasspath(HKEY root, const char* subKey, const char* jarPath) {
    std::string fullPath = FullPath(jarPath);
    std::string shortPath = ShortPath(fullPath);

    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return ClasspathUpdate::Failed;
    std::string value;
    DWORD type = REG_SZ;
    ClasspathUpdate update = ClasspathUpdate::Failed;
    switch (ReadValue(key, value, type)) {
    case ReadResult::Unusable:
        break;  // never overwrite what could not be read
    case ReadResult::Absent:
        type = REG_SZ;
        value.clear();
        [[fallthrough]];
    case ReadResult::Text:
        if (ClasspathNamesJar(value, fullPath, shortPath)) {
            update = ClasspathUpdate::AlreadyThere;
            break;
        }
        value = ClasspathWithJar(value, shortPath);
        if (RegSetValueExA(key, kValueName, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS)
            update = ClasspathUpdate::Added;
        break;
    }
    RegCloseKey(key);
    return update;
}

void BroadcastEnvironmentChange() {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("Environment"),
                        SMTO_ABORTIFHUNG, 5000, &ignored);
}
