#include "VmLocation.h"

#include <cctype>
#include <cstring>
#include <strings.h>

#include "JvmPlatformNames.h"

namespace brivel::c2j {

std::string BuildProbeCommand(const std::string& launcher, const std::string& tempFolder) {
    std::string folder = tempFolder;
    if (folder.size() > 3) folder.pop_back();  // the trailing separator; a drive root stays whole
    return launcher + " -classpath \"" + folder + "\" PrintJavaHome";
}

std::string JavaHomeFromProbeLine(const std::string& line) {
    std::string home = line.substr(0, 259);
    size_t lf = home.find('\n');
    if (lf != std::string::npos) home.erase(lf);
    size_t cr = home.find('\r');
    if (cr != std::string::npos) home.erase(cr);
    return home;
}

std::string JvmSearchFolder(const std::string& javaHome) {
    std::string folder = javaHome;
    if (folder.empty() || folder.back() != kPathSeparator) folder += kPathSeparator;
    return folder + kJvmLibraryFolder;
}

std::string JvmLibraryPath(const std::string& folder, const std::string& subFolder) {
    std::string path = folder + subFolder;
    const char* extension = std::strrchr(kJvmLibraryName, '.');
    size_t n = std::strlen(extension);
    bool namesLibrary = path.size() >= n + 1 && strcasecmp(path.c_str() + path.size() - n, extension) == 0;
    if (!namesLibrary) {
        if (path.empty() || path.back() != kPathSeparator) path += kPathSeparator;
        path += kJvmLibraryName;
    }
    return path;
}

const std::vector<std::string>& PreferredJvmSubFolders() {
    static const std::vector<std::string> folders = {"client", "hotspot", "server"};
    return folders;
}

std::vector<std::string> SplitJvmArguments(const std::string& text, size_t maxOptions) {
    std::vector<std::string> options;
    size_t i = 0, n = text.size();
    while (options.size() < maxOptions) {
        while (i < n && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
        if (i >= n) break;
        size_t start, end;
        if (text[i] == '"') {
            start = i + 1;
            end = text.find('"', start);
            if (end == std::string::npos) end = n;
        } else {
            start = i;
            end = start;
            while (end < n && !std::isspace(static_cast<unsigned char>(text[end]))) ++end;
        }
        options.push_back(text.substr(start, end - start));
        i = end + 1;  // the ending character is consumed
    }
    return options;
}

}  // namespace brivel::c2j
