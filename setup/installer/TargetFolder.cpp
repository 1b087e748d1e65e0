#include "TargetFolder.h"

#include "InstallerDialogs.h"
#include "InstallerTexts.h"

namespace brivel::setup {
namespace {

enum class PathKind { Missing, Directory, File };

PathKind KindOf(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Directory : PathKind::File;
}

// The path in full: a path without a drive and root ("Kit", "C:Kit",
// "\Kit") names a place under the current folder (of that drive). The path
// as given when the system cannot tell.
std::string FullPathOf(const std::string& path) {
    std::string full(MAX_PATH, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD length = GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), &full[0], nullptr);
        if (length == 0) return path;
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length + 1);
    }
    return path;
}

// The drive and folder part of the path, without its trailing backslash.
std::string ParentOf(const std::string& path) {
    std::string::size_type slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return path;
    return path.substr(0, slash);
}

}  // namespace

bool EnsureDirectory(const std::string& given, bool parentsOnly, HWND owner) {
    // In full, so that every parent up to the root is made: a name without
    // a separator has one too.
    const std::string path = FullPathOf(given);
    std::string parent = ParentOf(path);
    if (parent == path || parent.empty()) return true;  // the root, or a bare drive
    if (KindOf(parent) == PathKind::Missing && !EnsureDirectory(parent, false, owner)) return false;
    if (parentsOnly || KindOf(path) == PathKind::Directory) return true;
    if (CreateDirectoryA(path.c_str(), nullptr) || KindOf(path) == PathKind::Directory) return true;
    std::string message = given + texts::kCannotCreateFolder;
    MessageBoxA(owner, message.c_str(), texts::kCannotCreateFolderCaption, MB_OK | MB_ICONERROR);
    return false;
}

bool ConfirmTargetFolder(InstallSession& session) {
    HWND owner = session.background;
    // The folder in full, which the installation and its settings name
    // from here on (a relative one would be read elsewhere later); a
    // trailing backslash names the same folder ("C:\Brivel\").
    std::string folder = FullPathOf(session.folder);
    while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    session.folder = folder;
    switch (KindOf(folder)) {
    case PathKind::File:
        MessageBoxA(owner, texts::kNotADirectory, texts::kNotADirectoryCaption, MB_OK | MB_ICONERROR);
        return false;
    case PathKind::Missing:
        if (lstrcmpiA(folder.c_str(), session.defaultFolder.c_str()) != 0 &&
            MessageBoxA(owner, texts::kCreateFolder, texts::kCreateFolderCaption, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return false;
        if (!EnsureDirectory(folder, false, owner)) return false;
        break;
    case PathKind::Directory:
        break;
    }
    ProgressDialog progress(session);
    progress.DoModal(owner);
    return true;
}

}  // namespace brivel::setup
