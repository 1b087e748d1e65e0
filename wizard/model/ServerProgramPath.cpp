#include "ServerProgramPath.h"

CString ServerProgramPath(const char* text, const std::function<bool(const char*)>& fileExists) {
    CString value(text);
    value.Trim();
    if (!value.IsEmpty() && value.GetAt(0) == '"') {
        int closing = value.Find('"', 1);
        return closing < 0 ? value.Mid(1) : value.Mid(1, closing - 1);
    }
    if (fileExists(value)) return value;
    for (int blank = value.Find(' '); blank >= 0; blank = value.Find(' ', blank + 1)) {
        CString part = value.Left(blank);
        if (fileExists(part)) return part;
    }
    for (int blank = value.Find(' '); blank >= 0; blank = value.Find(' ', blank + 1)) {
        char next = blank + 1 < value.GetLength() ? value.GetAt(blank + 1) : '\0';
        if (next == '/' || next == '-') {
            CString part = value.Left(blank);
            part.TrimRight();
            return part;
        }
    }
    return value;
}
