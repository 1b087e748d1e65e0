// What an archive directory must keep to be read or written: strings that
// fit their buffers, data inside the file, and names that stay inside the
// installation folder whatever the platform makes of them.
#include "PayloadArchive.h"

namespace brivel::setup {
namespace {

bool Fail(std::string* problem, const std::string& reason) {
    if (problem) *problem = reason;
    return false;
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or without an extension: the
// platform opens the device, not a file in the folder.
bool IsDeviceName(const std::string& part) {
    std::string stem;
    for (char c : part) {
        if (c == '.' || c == ' ') break;
        stem += Upper(c);
    }
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) && stem[3] >= '1' &&
           stem[3] <= '9';
}

// A part of only dots and blanks is "." or ".." to the platform, which
// drops trailing dots and blanks from names.
bool IsOnlyDotsAndBlanks(const std::string& part) { return part.find_first_not_of(". ") == std::string::npos; }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

bool CheckPayloadPath(const std::string& path, std::string* problem) {
    if (path.empty()) return Fail(problem, "the name is empty");
    if (path.size() > kMaxPayloadStringLength)
        return Fail(problem, "the name is " + std::to_string(path.size()) + " bytes long (at most 519)");
    for (char c : path) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 32) return Fail(problem, Quoted(path) + " holds a control character");
        if (c == ':') return Fail(problem, Quoted(path) + " names a drive or a stream (\":\")");
        if (c == '<' || c == '>' || c == '"' || c == '|' || c == '?' || c == '*')
            return Fail(problem, Quoted(path) + " holds a character a file name cannot hold");
    }
    if (IsSeparator(path[0])) return Fail(problem, Quoted(path) + " begins at the root");
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = start;
        while (end < path.size() && !IsSeparator(path[end])) ++end;
        std::string part = path.substr(start, end - start);
        if (part.empty()) return Fail(problem, Quoted(path) + " has an empty part");
        if (IsOnlyDotsAndBlanks(part)) return Fail(problem, Quoted(path) + " has the part " + Quoted(part));
        if (IsDeviceName(part)) return Fail(problem, Quoted(path) + " names the device " + Quoted(part));
        start = end + 1;
    }
    return true;
}

bool CheckPayloadDirectory(const PayloadDirectory& directory, uint32_t directoryOffset, std::string* problem) {
    uint64_t sum = 0;
    for (size_t i = 0; i < directory.entries.size(); ++i) {
        const PayloadEntry& entry = directory.entries[i];
        std::string which = "entry " + std::to_string(i + 1);
        std::string reason;
        if (!CheckPayloadPath(entry.name, &reason)) return Fail(problem, which + ": " + reason);
        which += " (" + Quoted(entry.name) + ")";
        if (entry.flags != kPayloadCopiedAsIs && entry.flags != kPayloadExpandMacros)
            return Fail(problem, which + " has the unknown flags " + std::to_string(entry.flags));
        if (uint64_t{entry.offset} + entry.size > directoryOffset)
            return Fail(problem, which + " has its data at " + std::to_string(entry.offset) + " to " +
                                     std::to_string(uint64_t{entry.offset} + entry.size) +
                                     ", beyond the directory at " + std::to_string(directoryOffset));
        sum += entry.size;
    }
    if (sum != directory.totalDataBytes)
        return Fail(problem, "the total of the data bytes is " + std::to_string(directory.totalDataBytes) +
                                 ", not the entries' sum " + std::to_string(sum));
    for (size_t i = 0; i < directory.shortcuts.size(); ++i) {
        const PayloadShortcut& shortcut = directory.shortcuts[i];
        if (shortcut.title.size() > kMaxPayloadStringLength || shortcut.target.size() > kMaxPayloadStringLength)
            return Fail(problem, "shortcut " + std::to_string(i + 1) + " has a string over 519 bytes");
    }
    for (size_t i = 0; i < directory.folders.size(); ++i) {
        std::string reason;
        if (!CheckPayloadPath(directory.folders[i], &reason))
            return Fail(problem, "folder " + std::to_string(i + 1) + ": " + reason);
    }
    return true;
}

}  // namespace brivel::setup
