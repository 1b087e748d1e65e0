#include "C2jPageRules.h"

#include <cctype>
#include <cstring>
#include <vector>

#include "AsciiCharacters.h"
#include "JavaVmHostInterface.h"

namespace {

bool EndsWithNoCase(const CString& text, const char* tail) {
    int length = static_cast<int>(std::strlen(tail));
    return text.GetLength() >= length && text.Right(length).CompareNoCase(tail) == 0;
}


std::vector<CString> Split(const CString& text, char separator) {
    std::vector<CString> parts;
    int start = 0;
    for (;;) {
        int end = text.Find(separator, start);
        if (end < 0) {
            parts.push_back(text.Mid(start));
            return parts;
        }
        parts.push_back(text.Mid(start, end - start));
        start = end + 1;
    }
}

// The part after the last folder separator or drive colon.
CString FileNameOf(const CString& path) {
    int cut = -1;
    for (int i = 0; i < path.GetLength(); ++i) {
        char c = path.GetAt(i);
        if (c == '\\' || c == '/' || c == ':') cut = i;
    }
    return path.Mid(cut + 1);
}

}  // namespace

CString SavedSpecificationPath(const CString& dir, const CString& file) {
    if (dir.IsEmpty() || file.IsEmpty()) return CString();
    CString path = dir;
    if (path.Right(1) != "\\") path += '\\';
    return path + file;
}

CString ClassPathWithoutProductJar(const CString& environmentValue) {
    CString kept;
    bool first = true;
    for (const CString& entry : Split(environmentValue, ';')) {
        if (FileNameOf(entry).CompareNoCase("brivel18.jar") == 0) continue;
        if (!first) kept += ';';
        kept += entry;
        first = false;
    }
    return kept;
}

void AppendClassPathEntry(CString& text, const CString& entry) {
    if (!text.IsEmpty() && text.Right(1) != ";") text += ';';
    text += entry;
}

bool CheckLibraryName(CString& name, CString& message) {
    name.Trim();
    if (name.IsEmpty()) {
        message = c2j_text::kSpecifyLibraryName;
        return false;
    }
    bool valid = IsAsciiLetter(name.GetAt(0));
    for (int i = 0; valid && i < name.GetLength(); ++i) {
        char c = name.GetAt(i);
        valid = IsAsciiLetter(c) || IsAsciiDigit(c) || c == '_';
    }
    if (!valid) message = c2j_text::kBadLibraryName;
    return valid;
}

bool VmTakesClassPath(const IJavaVmHost* host, const CString& classPath, CString& running) {
    CString vmClassPath;
    if (!host || !host->RunningClassPath(vmClassPath) || vmClassPath == classPath) return true;
    running = vmClassPath;
    return false;
}

bool CheckSpecificationPath(const CString& path, CString& message) {
    if (path.GetLength() >= 5 && EndsWithNoCase(path, c2j_text::kC2jExtension)) return true;
    message = path.IsEmpty() ? c2j_text::kSpecifyFile : c2j_text::kExtensionMustBeC2j;
    return false;
}

CString ProposedSpecificationPath(const CString& folder, const CString& libraryName) {
    CString path = folder;
    if (path.Right(1) != "\\") path += '\\';
    path += libraryName.IsEmpty() ? CString("input") : libraryName;
    return path + c2j_text::kC2jExtension;
}

void SplitSpecificationPath(const CString& path, CString& dir, CString& file) {
    file = FileNameOf(path);
    dir = path.Left(path.GetLength() - file.GetLength());
}

bool IsTutorialClassPath(const CString& classPath) {
    return classPath.GetLength() > static_cast<int>(std::strlen(c2j_text::kTutorialJar)) &&
           EndsWithNoCase(classPath, c2j_text::kTutorialJar);
}
