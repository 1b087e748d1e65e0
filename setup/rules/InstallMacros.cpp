#include "InstallMacros.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "NoCase.h"

namespace brivel::setup {

namespace {

enum class Macro { TgtDir, TgtDrive, WinSys, WinDir, WebPort, WebAdmin, EjbPort, EjbAdmin, WebPwd, EjbPwd, Host, Url,
                   LocalHost, Sep };

struct MacroName {
    const char* name;
    Macro macro;
};

// The order in which the macros are tried at each position.
const MacroName kMacros[] = {
    {"$TGTDIR", Macro::TgtDir},     {"$TGTDRIVE", Macro::TgtDrive},   {"$WINSYS", Macro::WinSys},
    {"$WINDIR", Macro::WinDir},     {"$WEBPORT", Macro::WebPort},     {"$WEBADMIN", Macro::WebAdmin},
    {"$EJBPORT", Macro::EjbPort},   {"$EJBADMIN", Macro::EjbAdmin},   {"$WEBPWD", Macro::WebPwd},
    {"$EJBPWD", Macro::EjbPwd},     {"$HOST", Macro::Host},           {"$URL", Macro::Url},
    {"$LOCALHOST", Macro::LocalHost}, {"$SEP", Macro::Sep},
};

std::string Replacement(Macro macro, const InstallMacroValues& v) {
    switch (macro) {
    case Macro::TgtDir: return v.targetFolder;
    case Macro::TgtDrive: return v.targetDrive;
    case Macro::WinSys: return v.systemFolder;
    case Macro::WinDir: return v.windowsFolder;
    case Macro::WebPort: return v.webPort;
    case Macro::WebAdmin: return v.webAdmin;
    case Macro::EjbPort: return v.ejbPort;
    case Macro::EjbAdmin: return v.ejbAdmin;
    case Macro::WebPwd: return v.webPassword;
    case Macro::EjbPwd: return v.ejbPassword;
    case Macro::Host: return v.host;
    case Macro::Url: return HostWithPort(v.host, v.webPort);
    case Macro::LocalHost: return HostWithPort("localhost", v.webPort);
    case Macro::Sep: return "\\";
    }
    return std::string();
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trimmed(const std::string& text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// True when the port reads as the number 80 ("80", "080", " 80 ").
bool IsDefaultWebPort(const std::string& port) {
    std::string digits = Trimmed(port);
    if (digits.empty()) return false;
    size_t i = 0;
    while (i + 1 < digits.size() && digits[i] == '0') ++i;
    return digits.substr(i) == "80";
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string DriveOfPath(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        // \\server\share: up to the separator after the share name.
        size_t server = path.find_first_of("\\/", 2);
        if (server == std::string::npos) return path;
        size_t share = path.find_first_of("\\/", server + 1);
        return share == std::string::npos ? path : path.substr(0, share);
    }
    return std::string();
}

InstallMacroValues MakeInstallMacroValues(const std::string& shortFolder, const std::string& systemFolder,
                                          const std::string& windowsFolder) {
    InstallMacroValues values;
    values.targetFolder = shortFolder;
    while (!values.targetFolder.empty() && IsSeparator(values.targetFolder.back())) values.targetFolder.pop_back();
    values.targetDrive = DriveOfPath(shortFolder);
    values.systemFolder = systemFolder;
    values.windowsFolder = windowsFolder;
    return values;
}

std::string HostWithPort(const std::string& host, const std::string& port) {
    std::string trimmed = Trimmed(port);
    if (trimmed.empty() || IsDefaultWebPort(trimmed)) return host;
    return host + ":" + trimmed;
}

std::string ExpandMacrosInLine(const std::string& line, const InstallMacroValues& values) {
    std::string out;
    out.reserve(line.size());
    size_t position = 0;
    while (position < line.size()) {
        bool replaced = false;
        if (line[position] == '$') {
            for (const MacroName& m : kMacros) {
                std::string name(m.name);
                if (MatchesAtNoCase(line, position, name)) {
                    out += Replacement(m.macro, values);
                    position += name.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += line[position++];
    }
    return out;
}

std::string MacroOutputPath(const std::string& path) {
    size_t nameStart = path.find_last_of("\\/");
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    size_t dot = path.rfind('.');
    std::string output = (dot == std::string::npos || dot < nameStart) ? path + ".tmp" : path.substr(0, dot) + ".tmp";
    if (SameNoCase(output, path)) output = path + ".tmp";
    return output;
}

namespace {

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return false;
    char block[4096];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, in)) > 0) bytes.append(block, got);
    bool ok = !std::ferror(in);
    std::fclose(in);
    return ok;
}

}  // namespace

bool ExpandInstallMacros(const std::string& path, const InstallMacroValues& values) {
    std::string input;
    if (!ReadWholeFile(path, input)) return false;
    const std::string outputPath = MacroOutputPath(path);
    std::FILE* out = std::fopen(outputPath.c_str(), "wb");
    if (!out) return false;

    bool written = true;
    size_t lineStart = 0;
    while (written && lineStart < input.size()) {
        size_t lineEnd = input.find('\n', lineStart);
        lineEnd = lineEnd == std::string::npos ? input.size() : lineEnd + 1;
        std::string expanded = ExpandMacrosInLine(input.substr(lineStart, lineEnd - lineStart), values);
        written = std::fwrite(expanded.data(), 1, expanded.size(), out) == expanded.size();
        lineStart = lineEnd;
    }
    written = std::fclose(out) == 0 && written;
    // The expanded file replaces the original in one move, so a failure at
    // any point leaves the original as it was.
    if (!written || !MoveFileExA(outputPath.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileA(outputPath.c_str());
        return false;
    }
    return true;
}

}  // namespace brivel::setup
