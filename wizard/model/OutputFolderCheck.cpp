#include "OutputFolderCheck.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace {

enum class PathKind { kMissing, kFolder, kOther };

PathKind KindOf(const CString& path) {
#ifdef _WIN32
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::kMissing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::kFolder : PathKind::kOther;
#else
    struct stat info;
    if (stat(path, &info) != 0) return PathKind::kMissing;
    return S_ISDIR(info.st_mode) ? PathKind::kFolder : PathKind::kOther;
#endif
}

bool MakeFolder(const CString& path) {
#ifdef _WIN32
    return CreateDirectoryA(path, nullptr) != FALSE;
#else
    return mkdir(path, 0777) == 0;
#endif
}

// The parent folder: the path cut at its last backslash (or, without one,
// its last '/'); a separator that is the first character or follows a
// drive's colon stays. False when the path has no separator.
bool ParentOf(const CString& path, CString& parent) {
    int cut = path.ReverseFind('\\');
    if (cut < 0) cut = path.ReverseFind('/');
    if (cut < 0) return false;
    bool keep = cut == 0 || path.GetAt(cut - 1) == ':';
    parent = path.Left(keep ? cut + 1 : cut);
    return true;
}

}  // namespace

bool CheckOutputFolder(const CString& path, bool ask, IFolderCheckUser& user) {
    switch (KindOf(path)) {
    case PathKind::kFolder:
        return true;
    case PathKind::kOther:
        user.ShowError(path + c2j_text::kNotADirectory);
        return false;
    case PathKind::kMissing:
        break;
    }
    if (ask && !user.Ask(path + c2j_text::kCreateQuestion)) return false;
    CString parent;
    // A root that does not exist has itself as parent: it cannot be made.
    if (ParentOf(path, parent) && parent != path && !CheckOutputFolder(parent, false, user)) return false;
    if (!MakeFolder(path)) {
        user.ShowError(path + c2j_text::kCreateFailed);
        return false;
    }
    return true;
}
