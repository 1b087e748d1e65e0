#include "BrvString.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace brivel {

std::string FormatStringV(const char* format, va_list args) {
    if (!format) return std::string();
    char small[256];
    va_list copy;
    va_copy(copy, args);
    int needed = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (needed < 0) return std::string();
    if (static_cast<size_t>(needed) < sizeof small) return std::string(small, static_cast<size_t>(needed));
    std::vector<char> big(static_cast<size_t>(needed) + 1);
    std::vsnprintf(big.data(), big.size(), format, args);
    return std::string(big.data(), static_cast<size_t>(needed));
}

std::string FormatString(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = FormatStringV(format, args);
    va_end(args);
    return text;
}

static unsigned char FoldAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

int CompareNoCase(const char* a, const char* b) {
    if (!a) a = "";
    if (!b) b = "";
    for (;; ++a, ++b) {
        unsigned char ca = FoldAscii(static_cast<unsigned char>(*a));
        unsigned char cb = FoldAscii(static_cast<unsigned char>(*b));
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
}

bool EqualsNoCase(const char* a, const char* b) { return CompareNoCase(a, b) == 0; }

}  // namespace brivel

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    m_text = brivel::FormatStringV(format, args);
    va_end(args);
}

void CString::AppendFormat(const char* format, ...) {
    va_list args;
    va_start(args, format);
    m_text += brivel::FormatStringV(format, args);
    va_end(args);
}

int CString::Compare(const char* other) const { return std::strcmp(m_text.c_str(), other ? other : ""); }
int CString::CompareNoCase(const char* other) const { return brivel::CompareNoCase(m_text.c_str(), other); }

static int ToIndex(size_t pos) { return pos == std::string::npos ? -1 : static_cast<int>(pos); }

int CString::Find(char ch, int start) const {
    if (start < 0 || start > GetLength()) return -1;
    return ToIndex(m_text.find(ch, static_cast<size_t>(start)));
}

int CString::Find(const char* text, int start) const {
    if (!text || start < 0 || start > GetLength()) return -1;
    return ToIndex(m_text.find(text, static_cast<size_t>(start)));
}

int CString::ReverseFind(char ch) const { return ToIndex(m_text.rfind(ch)); }

int CString::FindOneOf(const char* chars) const {
    return chars ? ToIndex(m_text.find_first_of(chars)) : -1;
}

CString CString::Left(int count) const {
    if (count <= 0) return CString();
    return CString(m_text.substr(0, static_cast<size_t>(count)));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
    if (first < 0) first = 0;
    if (first >= GetLength() || count <= 0) return CString();
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Right(int count) const {
    if (count <= 0) return CString();
    if (count >= GetLength()) return *this;
    return CString(m_text.substr(m_text.size() - static_cast<size_t>(count)));
}

void CString::MakeUpper() {
    for (char& c : m_text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
}

void CString::MakeLower() {
    for (char& c : m_text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
}

static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

void CString::TrimLeft() {
    size_t i = 0;
    while (i < m_text.size() && IsBlank(m_text[i])) ++i;
    m_text.erase(0, i);
}

void CString::TrimRight() {
    size_t n = m_text.size();
    while (n > 0 && IsBlank(m_text[n - 1])) --n;
    m_text.resize(n);
}

int CString::Replace(const char* oldText, const char* newText) {
    if (!oldText || !*oldText) return 0;
    std::string with = newText ? newText : "";
    size_t oldLength = std::strlen(oldText);
    int count = 0;
    for (size_t pos = m_text.find(oldText); pos != std::string::npos;
         pos = m_text.find(oldText, pos + with.size())) {
        m_text.replace(pos, oldLength, with);
        ++count;
    }
    return count;
}
