#include "PathUtil.h"

namespace brivel {

size_t LastPathSeparator(const std::string& path) { return path.find_last_of("\\/"); }

std::string PathFolder(const std::string& path) {
    size_t sep = LastPathSeparator(path);
    return sep == std::string::npos ? std::string() : path.substr(0, sep);
}

std::string PathWithFileName(const std::string& path, const std::string& fileName) {
    size_t sep = LastPathSeparator(path);
    return sep == std::string::npos ? fileName : path.substr(0, sep + 1) + fileName;
}

std::string PathFileName(const std::string& path) {
    size_t sep = LastPathSeparator(path);
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

}  // namespace brivel
