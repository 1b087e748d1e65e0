#include "ConfigItemList.h"

#include <windows.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "BrvString.h"

namespace brivel {

namespace {

#ifdef _WIN32
// Gives the new text the old file's access list and attributes before it
// takes the old file's place, so that it is never readable more widely
// than the old file was (not every ReplaceFile keeps the access list).
void TakeProtectionOf(const std::string& old, const std::string& text, DWORD attributes) {
    DWORD needed = 0;
    GetFileSecurityA(old.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
    std::vector<char> descriptor(needed);
    if (needed > 0 && GetFileSecurityA(old.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed, &needed)) {
        SECURITY_DESCRIPTOR_CONTROL control = 0;
        DWORD revision = 0;
        GetSecurityDescriptorControl(descriptor.data(), &control, &revision);
        SECURITY_INFORMATION what = DACL_SECURITY_INFORMATION | ((control & SE_DACL_PROTECTED)
                                                                     ? PROTECTED_DACL_SECURITY_INFORMATION
                                                                     : UNPROTECTED_DACL_SECURITY_INFORMATION);
        SetFileSecurityA(text.c_str(), what, descriptor.data());
    }
    SetFileAttributesA(text.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
}
#endif

bool IsWhite(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string TrimRight(const std::string& text) {
    size_t end = text.size();
    while (end > 0 && IsWhite(text[end - 1])) --end;
    return text.substr(0, end);
}

}  // namespace

CConfigItemList::Item* CConfigItemList::FindKept(const char* key) {
    if (!key) return nullptr;
    for (Item& item : m_items)
        if (!item.isComment && EqualsNoCase(item.key.c_str(), key)) return &item;
    return nullptr;
}

CConfigItemList::Item* CConfigItemList::Find(const char* key) {
    Item* item = FindKept(key);
    return item && !item->deleted ? item : nullptr;
}

const CConfigItemList::Item* CConfigItemList::Find(const char* key) const {
    return const_cast<CConfigItemList*>(this)->Find(key);
}

void CConfigItemList::Set(const char* key, const char* value, const char* comment) {
    if (!key) {
        m_items.push_back(Item{true, std::string(), std::string(), false, comment ? comment : (value ? value : "")});
        return;
    }
    if (Item* item = FindKept(key)) {
        item->deleted = false;  // a deleted key comes back in its place, with its comment
        item->value = value ? value : "";
        if (comment) {
            item->hasComment = true;
            item->text = comment;
        }
        return;
    }
    m_items.push_back(Item{false, key, value ? value : "", comment != nullptr, comment ? comment : ""});
}

const char* CConfigItemList::Get(const char* key) const {
    const Item* item = Find(key);
    return item ? item->value.c_str() : nullptr;
}

int CConfigItemList::GetInt(const char* key, int defaultValue) const {
    const char* value = Get(key);
    if (!value) return defaultValue;
    // Decimal, with leading white space and a sign; text after the number is ignored.
    char* end = nullptr;
    errno = 0;
    long number = std::strtol(value, &end, 10);
    if (end == value) return defaultValue;
    if (errno == ERANGE || number > INT_MAX || number < INT_MIN) return number < 0 ? INT_MIN : INT_MAX;
    return static_cast<int>(number);
}

bool CConfigItemList::Delete(const char* key) {
    Item* item = Find(key);
    if (!item) return false;
    item->deleted = true;
    return true;
}

void CConfigItemList::ReadLine(const std::string& line) {
    // Keys, values and comments are C strings: a line holding a NUL byte can
    // be none of them, and is kept whole as it is.
    if (line.find('\0') != std::string::npos) {
        m_items.push_back(Item{true, std::string(), std::string(), false, line});
        return;
    }
    size_t start = 0;
    while (start < line.size() && IsWhite(line[start])) ++start;
    if (start < line.size() && (line[start] == ';' || line[start] == '#')) {
        Set(nullptr, nullptr, line.c_str());
        return;
    }
    size_t keyEnd = start;
    while (keyEnd < line.size() && line[keyEnd] != ':' && !IsWhite(line[keyEnd])) ++keyEnd;
    size_t colon = keyEnd < line.size() && line[keyEnd] == ':' ? keyEnd : line.find(':', keyEnd);
    if (colon == std::string::npos) {  // not "key: value": kept as it is
        Set(nullptr, nullptr, line.c_str());
        return;
    }
    // After the colon comes one separating blank, then the value. A '#' that
    // follows white space starts the comment, so '#' inside a value ("ab#c")
    // and a value that begins with '#' stay in the value, and an empty value
    // with a comment (written "key:  #comment") reads back as empty.
    size_t area = colon + 1;
    if (area < line.size() && IsWhite(line[area])) ++area;
    size_t valueStart = area;
    while (valueStart < line.size() && IsWhite(line[valueStart])) ++valueStart;
    size_t hash = std::string::npos;
    for (size_t i = valueStart; i < line.size(); ++i)
        if (line[i] == '#' && i > area && IsWhite(line[i - 1])) {
            hash = i;
            break;
        }
    std::string key = line.substr(start, keyEnd - start);
    if (hash == std::string::npos) {
        Set(key.c_str(), TrimRight(line.substr(valueStart)).c_str(), nullptr);
    } else {
        std::string value = TrimRight(line.substr(valueStart, hash - valueStart));
        Set(key.c_str(), value.c_str(), line.substr(hash + 1).c_str());
    }
}

bool CConfigItemList::ReadFile(const std::string& path) {
    // Read as bytes: a text-mode read would end the file at a Ctrl-Z byte on
    // the platform, and the lines are cut here anyway.
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    std::string bytes;
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) bytes.append(chunk, n);
    std::fclose(file);
    // A line ends at a line feed; carriage returns before it belong to the
    // line end (a line of the file never ends in one when written back).
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();  // the last line may have no line end
        size_t last = end;
        while (last > start && bytes[last - 1] == '\r') --last;
        ReadLine(bytes.substr(start, last - start));
        start = end + 1;
    }
    return true;
}

std::string CConfigItemList::Text() const {
    std::string text;
    for (const Item& item : m_items) {
        if (item.deleted) continue;
        if (item.isComment) {
            text += item.text;
        } else {
            text += item.key;
            text += ": ";
            text += item.value;
            if (item.hasComment) {
                text += " #";
                text += item.text;
            }
        }
        text += '\n';
    }
    return text;
}

// The new text is written beside the file first, so that a failed write
// leaves the old file whole. It then takes the old file's place keeping
// what protects it (the file holds the keystore password). Only a file
// that is not there yet is simply moved in.
bool CConfigItemList::WriteFile(const std::string& path) const {
    std::string temporary = path + ".new";
    FILE* file = std::fopen(temporary.c_str(), "w");
    if (!file) return false;
    std::string text = Text();
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    written = (std::fclose(file) == 0) && written;
    if (written) {
        DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            if (MoveFileExA(temporary.c_str(), path.c_str(), 0)) return true;
        } else if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
#ifdef _WIN32
            TakeProtectionOf(path, temporary, attributes);
#endif
            if (ReplaceFileA(path.c_str(), temporary.c_str(), nullptr, 0, nullptr, nullptr)) {
#ifdef _WIN32
                if (attributes & FILE_ATTRIBUTE_READONLY) SetFileAttributesA(path.c_str(), attributes);
#endif
                return true;
            }
        }
    }
    DeleteFileA(temporary.c_str());
    return false;
}

}  // namespace brivel
