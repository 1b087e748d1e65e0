#include "ClasspathMerge.h"

#include "BrvString.h"

namespace {

std::string TrimEntry(const std::string& entry) {
    size_t first = entry.find_first_not_of(" \t\"");
    if (first == std::string::npos) return std::string();
    size_t last = entry.find_last_not_of(" \t\"");
    return entry.substr(first, last - first + 1);
}

bool SamePath(const std::string& entry, const std::string& path) {
    return !path.empty() && brivel::EqualsNoCase(entry.c_str(), path.c_str());
}

}  // namespace

bool ClasspathNamesJar(const std::string& value, const std::string& fullPath, const std::string& shortPath) {
    size_t start = 0;
    for (;;) {
        size_t end = value.find(';', start);
        std::string entry = TrimEntry(value.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (!entry.empty() && (SamePath(entry, fullPath) || SamePath(entry, shortPath))) return true;
        if (end == std::string::npos) return false;
        start = end + 1;
    }
}

std::string ClasspathWithJar(const std::string& value, const std::string& shortPath) {
    if (!value.empty() && value.back() == ';') return value + shortPath;
    return value + ";" + shortPath;
}
