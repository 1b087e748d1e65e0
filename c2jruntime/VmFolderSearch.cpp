#include "VmFolderSearch.h"

#include <windows.h>

#include <vector>

#include "VmLocation.h"

namespace brivel::c2j {

std::string EnvironmentValue(const char* name) {
    DWORD n = GetEnvironmentVariableA(name, nullptr, 0);
    if (!n) return std::string();
    std::vector<char> value(n + 1);
    DWORD got = GetEnvironmentVariableA(name, value.data(), n + 1);
    return got && got <= n ? std::string(value.data(), got) : std::string();
}

bool SearchJvmFolders(const std::string& searchFolder, const std::function<bool(const std::string& subFolder)>& tryFolder) {
    for (const std::string& sub : PreferredJvmSubFolders())
        if (tryFolder(sub)) return true;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((searchFolder + "*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool found = false;
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) found = tryFolder(entry.cFileName);
    } while (!found && FindNextFileA(find, &entry));
    FindClose(find);
    return found;
}

}  // namespace brivel::c2j
