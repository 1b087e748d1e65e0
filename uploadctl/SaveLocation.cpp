#include "SaveLocation.h"

#include "BrvString.h"
#include "PathUtil.h"

namespace brivel::uploadctl {
namespace {

bool IsDeviceName(const std::string& name) {
    std::string base = name.substr(0, name.find('.'));
    // The platform ignores blanks at the end of a device name ("NUL .dll").
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (const char* device : {"CON", "PRN", "AUX", "NUL"})
        if (brivel::EqualsNoCase(base.c_str(), device)) return true;
    if (base.size() == 4 && base[3] >= '1' && base[3] <= '9') {
        std::string stem = base.substr(0, 3);
        if (brivel::EqualsNoCase(stem.c_str(), "COM") || brivel::EqualsNoCase(stem.c_str(), "LPT")) return true;
    }
    return false;
}

}  // namespace

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20) return false;
        if (std::string("\\/:*?\"<>|").find(c) != std::string::npos) return false;
    }
    return !IsDeviceName(name);
}

bool DllPathInFolder(const std::string& folder, const std::string& libraryName, std::string& path) {
    if (!IsPlainFileName(libraryName)) return false;
    path = folder;
    if (path.empty() || (path.back() != '\\' && path.back() != '/')) path += '\\';
    path += libraryName + ".dll";
    return true;
}

std::string DriveAndFolder(const std::string& path) {
    size_t end = brivel::LastPathSeparator(path);
    if (end != std::string::npos) return path.substr(0, end + 1);
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
    return std::string();
}

OtherLocationProblem CheckOtherLocation(const std::string& path,
                                        const std::function<bool(const std::string& folder)>& folderExists) {
    if (path.empty()) return OtherLocationProblem::Empty;
    std::string name = path.substr(DriveAndFolder(path).size());
    if (name.size() < 5 || !brivel::EqualsNoCase(name.substr(name.size() - 4).c_str(), ".dll"))
        return OtherLocationProblem::NotDll;
    std::string folder = DriveAndFolder(path);
    if (folder.empty() || !folderExists(folder)) return OtherLocationProblem::NoSuchFolder;
    return OtherLocationProblem::None;
}

}  // namespace brivel::uploadctl
