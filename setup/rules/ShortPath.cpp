#include "ShortPath.h"

#include <windows.h>

#include <vector>

namespace brivel::setup {

#ifdef _WIN32

namespace {

using PathConversion = DWORD(WINAPI*)(LPCSTR, LPSTR, DWORD);

// The converted path, or empty when the system cannot convert it.
std::string Converted(PathConversion convert, const std::string& path) {
    DWORD needed = convert(path.c_str(), nullptr, 0);
    if (needed == 0) return std::string();
    std::vector<char> buffer(needed + 1, '\0');
    DWORD length = convert(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size()) return std::string();
    return std::string(buffer.data(), length);
}

}  // namespace

std::string ShortPathOf(const std::string& path) {
    std::string converted = Converted(GetShortPathNameA, path);
    if (!converted.empty()) return converted;
    size_t separator = path.find_last_of("\\/");
    if (separator == std::string::npos || separator == 0) return path;
    std::string folder = Converted(GetShortPathNameA, path.substr(0, separator));
    return folder.empty() ? path : folder + path.substr(separator);
}

std::string LongPathOf(const std::string& path) {
    std::string converted = Converted(GetLongPathNameA, path);
    return converted.empty() ? path : converted;
}

#else

std::string ShortPathOf(const std::string& path) { return path; }
std::string LongPathOf(const std::string& path) { return path; }

#endif

}  // namespace brivel::setup
