#include "OutputFolderRules.h"

#include <windows.h>

#include "JavaToComTexts.h"

CString TrimOutputFolder(const char* text) {
    CString folder(text);
    int length = folder.GetLength();
    if (length >= 2 && folder.GetAt(length - 1) == '\\' && folder.GetAt(length - 2) != ':')
        folder = folder.Left(length - 1);
    return folder;
}

CString ParentFolder(const char* text) {
    CString path(text);
    int separator = path.ReverseFind('\\');
    if (separator < 0) separator = path.ReverseFind('/');
    if (separator < 0) return CString();
    bool keepSeparator = separator == 0 || path.GetAt(separator - 1) == ':';
    return path.Left(keepSeparator ? separator + 1 : separator);
}

bool CheckFolder(const char* text, bool ask, IFolderPrompts& prompts) {
    CString path(text);
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) return true;
        prompts.ShowError(path + j2c_text::kNotADirectory);
        return false;
    }
    if (ask && !prompts.AskQuestion(path + j2c_text::kCreateQuestion)) return false;
    // The parents first, without questions. A root that does not exist
    // (a missing drive) is its own parent: making it is tried once.
    CString parent = ParentFolder(path);
    if (!parent.IsEmpty() && parent != path && !CheckFolder(parent, false, prompts)) return false;
    if (!CreateDirectoryA(path, nullptr)) {
        prompts.ShowError(path + j2c_text::kFailedToCreate);
        return false;
    }
    return true;
}
