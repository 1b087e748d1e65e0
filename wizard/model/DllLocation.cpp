#include "DllLocation.h"

#include "BuildClientTexts.h"

namespace {

CString WithBackslash(const char* folder) {
    CString result(folder);
    if (result.IsEmpty() || result.Right(1) != "\\") result += "\\";
    return result;
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

CString SystemFolderRadioText(const char* systemFolder) {
    CString text;
    text.Format(build_text::kSystemDirectory, systemFolder);
    return text;
}

CString WindowsFolderRadioText(const char* windowsFolder) {
    CString text;
    text.Format(build_text::kWindowsDirectory, windowsFolder);
    return text;
}

CString DllTargetPath(DllLocationChoice choice, const char* systemFolder, const char* windowsFolder,
                      const char* libraryName, const char* otherPath) {
    switch (choice) {
    case DllLocationChoice::SystemFolder:
        return WithBackslash(systemFolder) + libraryName + ".dll";
    case DllLocationChoice::WindowsFolder:
        return WithBackslash(windowsFolder) + libraryName + ".dll";
    case DllLocationChoice::OtherLocation:
    default:
        return CString(otherPath);
    }
}

PathParts SplitPath(const char* path) {
    std::string text(path ? path : "");
    PathParts parts;
    size_t rest = 0;
    if (text.size() >= 2 && text[1] == ':') {
        parts.drive = CString(text.substr(0, 2));
        rest = 2;
    }
    size_t lastSeparator = std::string::npos;
    for (size_t i = rest; i < text.size(); ++i)
        if (IsSeparator(text[i])) lastSeparator = i;
    size_t nameStart = rest;
    if (lastSeparator != std::string::npos) {
        parts.folder = CString(text.substr(rest, lastSeparator + 1 - rest));
        nameStart = lastSeparator + 1;
    }
    std::string file = text.substr(nameStart);
    size_t dot = file.rfind('.');
    if (dot == std::string::npos) {
        parts.name = CString(file);
    } else {
        parts.name = CString(file.substr(0, dot));
        parts.extension = CString(file.substr(dot));
    }
    return parts;
}

DllLocationVerdict CheckOtherLocation(const char* path, const char* libraryName,
                                      const std::function<bool(const char*)>& folderExists) {
    DllLocationVerdict verdict;
    if (!path || !*path) {
        verdict.message = build_text::kSpecifyLocation;
        verdict.caption = build_text::kErrorCaption;
        return verdict;
    }
    PathParts parts = SplitPath(path);
    if (parts.extension.CompareNoCase(".dll") != 0) {
        verdict.message = build_text::kMustEndWithDll;
        verdict.caption = build_text::kErrorCaption;
        return verdict;
    }
    if (parts.name.CompareNoCase(libraryName) != 0) {
        verdict.message.Format(build_text::kDllNameMustBe, libraryName);
        verdict.caption = build_text::kProgramCaption;
        return verdict;
    }
    CString folder = parts.drive + parts.folder;
    if (!folderExists(folder)) {
        verdict.message.Format(build_text::kDirectoryMissing, folder.c_str());
        verdict.caption = build_text::kErrorCaption;
    }
    return verdict;
}
