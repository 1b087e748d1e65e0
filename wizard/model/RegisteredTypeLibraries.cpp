#include "RegisteredTypeLibraries.h"

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Versions are 16-bit numbers.
constexpr int kMaxDigits = 4;

}  // namespace

bool MajorVersionOfKey(const char* keyName, unsigned& major) {
    CString name(keyName);
    int dot = name.Find('.');
    CString digits = dot < 0 ? name : name.Left(dot);
    if (digits.IsEmpty() || digits.GetLength() > kMaxDigits) return false;
    unsigned value = 0;
    for (int i = 0; i < digits.GetLength(); ++i) {
        int digit = HexDigit(digits.GetAt(i));
        if (digit < 0) return false;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    major = value;
    return true;
}

bool HighestMajorVersion(const std::vector<CString>& keyNames, unsigned& major) {
    bool found = false;
    for (const CString& name : keyNames) {
        unsigned version = 0;
        if (!MajorVersionOfKey(name, version)) continue;
        if (!found || version > major) major = version;
        found = true;
    }
    return found;
}

CString TypeLibraryDescription(const char* documentation, const char* name, const char* path) {
    CString doc(documentation), title(name);
    if (!doc.IsEmpty()) return title.IsEmpty() ? doc : doc + " (" + title + ")";
    if (!title.IsEmpty()) return title;
    return path;
}
