#include "ExtraClassPath.h"

namespace brivel::serverhost {

std::vector<std::string> SplitExtraClassPath(const char* value) {
    std::vector<std::string> entries;
    if (!value) return entries;
    std::string text = value;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(';', start);
        std::string entry = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!entry.empty()) entries.push_back(entry);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return entries;
}

std::string JoinExtraClassPath(const std::vector<std::string>& entries) {
    std::string joined;
    for (const std::string& entry : entries) joined += (joined.empty() ? "" : ";") + entry;
    return joined;
}

}  // namespace brivel::serverhost
