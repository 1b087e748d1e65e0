#include "UninstallRegistry.h"

#include <vector>

namespace brivel::setup {

HKEY OpenRegistryPath(HKEY root, const std::string& path) {
    HKEY current = root;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        std::string part = path.substr(start, end - start);
        start = end + 1;
        if (part.empty()) continue;
        HKEY next = nullptr;
        LONG result = RegOpenKeyExA(current, part.c_str(), 0, KEY_ALL_ACCESS, &next);
        if (current != root) RegCloseKey(current);
        if (result != ERROR_SUCCESS) return nullptr;
        current = next;
    }
    return current == root ? nullptr : current;
}

bool DeleteRegistryTree(HKEY key, const std::string& subKey) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(key, subKey.c_str(), 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS) {
        RegDeleteKeyA(key, subKey.c_str());
        return true;
    }
    // All names first: deleting while enumerating would shift the indexes.
    // Key names have up to 255 characters; a longer one from some other
    // writer grows the buffer instead of being cut or skipped.
    std::vector<char> name(256);
    std::vector<std::string> names;
    for (DWORD index = 0;;) {
        DWORD size = static_cast<DWORD>(name.size());
        LONG result = RegEnumKeyExA(opened, index, name.data(), &size, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_MORE_DATA && name.size() < 65536) {
            name.resize(name.size() * 2);
            continue;
        }
        if (result != ERROR_SUCCESS) break;
        names.emplace_back(name.data(), size);
        ++index;
    }
    for (const std::string& child : names) DeleteRegistryTree(opened, child);
    RegCloseKey(opened);
    return RegDeleteKeyA(key, subKey.c_str()) == ERROR_SUCCESS;
}

}  // namespace brivel::setup
