#include "BuildTools.h"

#include "GeneratorHelpers.h"

#include <cstdarg>
#include <string>
#include <vector>

bool QueryRegistryString(HKEY root, const char* path, CString& out, const char* valueName) {
    std::vector<HKEY> opened;
    HKEY key = root;
    std::string rest(path ? path : "");
    bool ok = true;
    size_t start = 0;
    while (ok && start <= rest.size()) {
        size_t end = rest.find('\\', start);
        std::string part = rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!part.empty()) {
            HKEY next = nullptr;
            if (RegOpenKeyExA(key, part.c_str(), 0, KEY_READ, &next) != ERROR_SUCCESS) {
                ok = false;
                break;
            }
            opened.push_back(next);
            key = next;
        }
        if (end == std::string::npos) break;
        start = end + 1;
    }
    bool found = false;
    if (ok) {
        char buffer[2000] = {};
        DWORD size = sizeof buffer - 1;
        DWORD type = 0;
        if (RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS &&
            size > 0) {
            buffer[size < sizeof buffer ? size : sizeof buffer - 1] = '\0';
            out = buffer;
            found = true;
        }
    }
    for (auto it = opened.rbegin(); it != opened.rend(); ++it) RegCloseKey(*it);
    return found;
}

bool FindVisualCppFolder(CString& command) {
    static const char* const kKeys[] = {
        "dswfile\\shell\\&Open with MSDev\\command", "mdpfile\\shell\\&Open with MSDev\\command",
        "dswfile\\shell\\Open with &MSDev\\command", "mdpfile\\shell\\Open with &MSDev\\command",
        "mdpfile\\shell\\&Open\\command",            "mdpfile\\shell\\open\\command",
    };
    for (const char* key : kKeys)
        if (QueryRegistryString(HKEY_CLASSES_ROOT, key, command, nullptr)) return true;
    CString type;
    if (!QueryRegistryString(HKEY_CLASSES_ROOT, ".c", type, nullptr) &&
        !QueryRegistryString(HKEY_CLASSES_ROOT, ".cpp", type, nullptr) &&
        !QueryRegistryString(HKEY_CLASSES_ROOT, ".cxx", type, nullptr))
        return false;
    return QueryRegistryString(HKEY_CLASSES_ROOT, type + "\\shell\\&Open with MSDEV\\command", command, nullptr) ||
           QueryRegistryString(HKEY_CLASSES_ROOT, type + "\\shell\\Open\\command", command, nullptr);
}

bool GetCommandFolder(const char* commandLine, CString& folder) {
    std::string line(commandLine ? commandLine : "");
    size_t i = line.find_first_not_of(" \t\r\n");
    if (i == std::string::npos) return false;
    std::string token;
    if (line[i] == '"') {
        size_t close = line.find('"', i + 1);
        token = line.substr(i + 1, close == std::string::npos ? std::string::npos : close - i - 1);
    } else {
        size_t end = line.find_first_of(" \t\r\n", i);
        token = line.substr(i, end == std::string::npos ? std::string::npos : end - i);
    }
    size_t slash = token.find_last_of("\\/");
    if (token.empty() || slash == std::string::npos) return false;
    folder = token.substr(0, slash + 1).c_str();
    return true;
}

static std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

bool SearchFileUnderFolder(const char* folderIn, CString& found, const char* fileName,
                           brivel::StringKeyedMap<int>& visited, const char* stopFolder) {
    std::string folder = WithSlash(folderIn ? folderIn : "");
    CString key(folder.c_str());
    key.MakeLower();
    if (visited.Contains(key)) return false;
    visited.SetAt(key, 1);
    if (GetFileAttributesA((folder + fileName).c_str()) != INVALID_FILE_ATTRIBUTES) {
        found = folder.c_str();
        return true;
    }
    // The search never walks a whole drive: it stops at any drive's root and
    // its program folder, not only those of drive C.
    std::string root = folder.size() >= 3 && folder[1] == ':' ? folder.substr(0, 3) : std::string();
    CString stop = stopFolder ? CString(stopFolder) : ShortPath("C:\\Program Files\\");
    if (_stricmp(folder.c_str(), root.c_str()) == 0 || _stricmp(folder.c_str(), (root + "Program Files\\").c_str()) == 0 ||
        _stricmp(folder.c_str(), WithSlash(stop.str()).c_str()) == 0 || root.empty())
        return false;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*.*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
            if (strcmp(data.cFileName, ".") == 0 || strcmp(data.cFileName, "..") == 0) continue;
            if (SearchFileUnderFolder((folder + data.cFileName).c_str(), found, fileName, visited, stopFolder)) {
                FindClose(find);
                return true;
            }
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    size_t parentEnd = folder.find_last_of('\\', folder.size() - 2);
    if (parentEnd == std::string::npos) return false;
    return SearchFileUnderFolder(folder.substr(0, parentEnd + 1).c_str(), found, fileName, visited, stopFolder);
}

CString ShortPath(const char* path) {
    DWORD length = GetShortPathNameA(path, nullptr, 0);
    if (length == 0) return path;
    std::string shortPath(length, '\0');
    DWORD got = GetShortPathNameA(path, &shortPath[0], length);
    if (got == 0 || got >= length) return path;
    shortPath.resize(got);
    return shortPath.c_str();
}

CString FindVcvars32BatFolder() {
    CString command, folder, found;
    if (!FindVisualCppFolder(command) || !GetCommandFolder(command, folder)) return CString();
    brivel::StringKeyedMap<int> visited;
    if (!SearchFileUnderFolder(folder, found, "vcvars32.bat", visited)) return CString();
    return ShortPath(found);
}

CString FindJdkHomeFolder() {
    CString version, home;
    const char* kKey = "SOFTWARE\\JavaSoft\\Java Development Kit";
    if (!QueryRegistryString(HKEY_LOCAL_MACHINE, kKey, version, "CurrentVersion")) return CString();
    if (!QueryRegistryString(HKEY_LOCAL_MACHINE, CString(kKey) + "\\" + version, home, "JavaHome")) return CString();
    CString result = ShortPath(home);
    if (result.IsEmpty() || result.GetAt(result.GetLength() - 1) != '\\') result += "\\";
    return result;
}

void FindJdkTools(CString& javac, CString& jar, CString& javadoc) {
    javac = "javac";
    jar = "jar";
    javadoc = "javadoc";
    CString* tools[] = {&javac, &jar, &javadoc};
    const char* names[] = {"javac", "jar", "javadoc"};
    bool found[3];
    // The program search path, as the shell searches it for a program name;
    // asked directly, since the shell's own lookup starts the desktop
    // process of the session.
    for (int i = 0; i < 3; ++i) {
        char result[MAX_PATH] = {};
        found[i] = SearchPathA(nullptr, (CString(names[i]) + ".exe").c_str(), nullptr, MAX_PATH, result, nullptr) > 0;
    }
    if (found[0] && found[1] && found[2]) return;
    CString home = FindJdkHomeFolder();
    if (home.IsEmpty()) return;
    for (int i = 0; i < 3; ++i) {
        if (found[i]) continue;
        CString file = home + "bin\\" + names[i] + ".exe";
        if (GetFileAttributesA(file) != INVALID_FILE_ATTRIBUTES) *tools[i] = ShortPath(file);
    }
}

void CopySampleDll(const char* programFolder, const char* dllName, const char* systemFolder) {
    CString source(programFolder);
    if (source.IsEmpty() || source.GetAt(source.GetLength() - 1) != '\\') source += "\\";
    source += CString("sample\\") + dllName;
    CString target(systemFolder);
    if (target.IsEmpty() || target.GetAt(target.GetLength() - 1) != '\\') target += "\\";
    target += dllName;
    CopyFileA(source, target, TRUE);
}

void PrintToTwoFiles(FILE* a, FILE* b, const char* format, ...) {
    va_list args;
    if (a) {
        va_start(args, format);
        vfprintf(a, format, args);
        va_end(args);
    }
    if (b) {
        va_start(args, format);
        vfprintf(b, format, args);
        va_end(args);
    }
}

CString HtmlEscape(const char* text) {
    CString out;
    for (const char* p = text ? text : ""; *p; ++p) {
        switch (*p) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += *p; break;
        }
    }
    return out;
}
