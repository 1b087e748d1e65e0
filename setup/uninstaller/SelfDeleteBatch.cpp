#include "SelfDeleteBatch.h"

#include "PathUtil.h"

namespace brivel::setup {

std::string SelfDeleteBatchPath(const std::string& temporaryName,
                                const std::function<bool(const std::string&)>& exists) {
    std::string stem = temporaryName;
    size_t dot = stem.rfind('.');
    size_t separator = LastPathSeparator(stem);
    if (dot != std::string::npos && (separator == std::string::npos || dot > separator)) stem.erase(dot);
    int number = 0;
    while (number < 98 && exists(stem + std::to_string(number) + ".bat")) ++number;
    return stem + std::to_string(number) + ".bat";
}

namespace {

// A path as a batch line's quoted argument: "%" would start a variable
// there, "%%" is the character itself.
std::string Quoted(const std::string& path) {
    std::string out = "\"";
    for (char c : path) {
        if (c == '%') out += '%';
        out += c;
    }
    return out + "\"";
}

}  // namespace

std::string SelfDeleteBatchText(const std::string& programPath, const std::string& folder,
                                const std::string& batchPath, int tries) {
    const std::string program = Quoted(programPath);
    std::string text;
    for (int i = 0; i < tries; ++i) {
        if (i > 0) text += "ping -n 2 127.0.0.1 >nul\n";
        text += "del " + program + "\n";
        text += "if not exist " + program + " goto removed\n";
    }
    // A trailing backslash before the closing quote would read as an
    // escaped quote to some programs; a drive's root keeps its own.
    std::string folderPath = folder;
    if (folderPath.size() > 3 && (folderPath.back() == '\\' || folderPath.back() == '/')) folderPath.pop_back();
    text += ":removed\n";
    text += "rmdir " + Quoted(folderPath) + "\n";
    text += "del " + Quoted(batchPath) + "\n";
    return text;
}

}  // namespace brivel::setup
