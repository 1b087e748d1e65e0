// The default browser's program, for items that open a web address: the
// open command of the class registered for ".htm" (else ".html", else
// "http"), its program taken out, and that program's short form, so that
// the item's command line needs no quotes.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "ProgramGroupClient.h"
#include "ProgramGroupCommands.h"

namespace brivel::setup {

namespace {

// The default value of HKEY_CLASSES_ROOT\<path>, each key of the path opened
// in turn; the whole value, whatever its length.
bool ReadClassesDefault(const std::string& path, std::string& value) {
    HKEY key = HKEY_CLASSES_ROOT;
    size_t start = 0;
    bool opened = true;
    while (opened && start <= path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        HKEY next = nullptr;
        opened = RegOpenKeyExA(key, path.substr(start, end - start).c_str(), 0, KEY_QUERY_VALUE, &next) == ERROR_SUCCESS;
        if (key != HKEY_CLASSES_ROOT) RegCloseKey(key);
        key = opened ? next : nullptr;
        start = end + 1;
    }
    if (!opened) return false;
    std::vector<char> bytes(512);
    bool found = false;
    for (int attempt = 0; attempt < 8; ++attempt) {
        DWORD size = static_cast<DWORD>(bytes.size()), type = 0;
        LONG rc = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size);
        if (rc == ERROR_MORE_DATA) {
            bytes.resize(std::max<size_t>(size, bytes.size() * 2) + 2);
            continue;
        }
        if (rc == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ)) {
            value.assign(bytes.data(), strnlen(bytes.data(), size));
            found = true;
        }
        break;
    }
    RegCloseKey(key);
    return found;
}

std::string ExpandedVariables(const std::string& text) {
    DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0) return text;
    std::vector<char> expanded(needed + 1);
    DWORD length = ExpandEnvironmentStringsA(text.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
    return length > 0 && length <= expanded.size() ? std::string(expanded.data()) : text;
}

// The program as a path that runs without quotes: its short form when the
// file exists; a bare name found on the search path, in short form; else
// the text itself.
std::string RunnableProgramPath(const std::string& program) {
    std::string path = program;
    if (path.find_first_of("\\/:") == std::string::npos) {
        char found[MAX_PATH];
        DWORD length = SearchPathA(nullptr, path.c_str(), nullptr, sizeof found, found, nullptr);
        if (length > 0 && length < sizeof found) path.assign(found, length);
    }
    char shortPath[MAX_PATH];
    DWORD length = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    if (length > 0 && length < sizeof shortPath) return std::string(shortPath, length);
    return path;
}

}  // namespace

std::string DefaultBrowserProgram() {
    std::string type;
    if (!ReadClassesDefault(".htm", type) || type.empty()) {
        if (!ReadClassesDefault(".html", type) || type.empty()) type = "http";
    }
    std::string command;
    std::string program = "IExplore.exe";
    if (ReadClassesDefault(type + "\\shell\\open\\command", command)) {
        // Variables are expanded in the program only: one that holds a
        // blank (%ProgramFiles%) must not split an unquoted program.
        std::string named = ExpandedVariables(ProgramOfOpenCommand(command));
        if (!named.empty()) program = named;
    }
    return RunnableProgramPath(program);
}

bool FindDefaultBrowser(char* buffer, size_t bufferSize) {
    std::string program = DefaultBrowserProgram();
    if (!buffer || program.size() + 1 > bufferSize) return false;
    std::memcpy(buffer, program.c_str(), program.size() + 1);
    return true;
}

}  // namespace brivel::setup
