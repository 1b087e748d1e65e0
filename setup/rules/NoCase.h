// Case-insensitive comparisons of ANSI names (file names, registry-style
// keys, macro names), as the file system and the installer's rules compare
// them. ASCII letters only: the names compared here are the kit's own.
#pragma once

#include <cctype>
#include <string>

namespace brivel::setup {

inline char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string LowerText(const std::string& text) {
    std::string out(text);
    for (char& c : out) c = LowerAscii(c);
    return out;
}

// True when `text` holds `part` at `position`, in any letter case.
inline bool MatchesAtNoCase(const std::string& text, size_t position, const std::string& part) {
    if (position > text.size() || text.size() - position < part.size()) return false;
    for (size_t i = 0; i < part.size(); ++i)
        if (LowerAscii(text[position + i]) != LowerAscii(part[i])) return false;
    return true;
}

inline bool SameNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && MatchesAtNoCase(a, 0, b);
}

inline bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    return MatchesAtNoCase(text, 0, prefix);
}

inline bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && MatchesAtNoCase(text, text.size() - suffix.size(), suffix);
}

}  // namespace brivel::setup
