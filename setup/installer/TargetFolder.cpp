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

// The drive and folder part of the path, without its trailing backslash.
std::string ParentOf(const std::string& path) {
    std::string::size_type slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return path;
    return path.substr(0, slash);
}

}  // namespace

bool EnsureDirectory(const std::string& path, bool parentsOnly, HWND owner) {
    std::string parent = ParentOf(path);
    if (parent == path || parent.empty()) return true;  // the root, or a bare drive
    if (KindOf(parent) == PathKind::Missing && !EnsureDirectory(parent, false, owner)) return false;
    if (parentsOnly || KindOf(path) == PathKind::Directory) return true;
    if (CreateDirectoryA(path.c_str(), nullptr) || KindOf(path) == PathKind::Directory) return true;
    std::string message = path + texts::kCannotCreateFolder;
    MessageBoxA(owner, message.c_str(), texts::kCannotCreateFolderCaption, MB_OK | MB_ICONERROR);
    return false;
}

bool ConfirmTargetFolder(InstallSession& session) {
    HWND owner = session.background;
    // A trailing backslash names the same folder ("C:\Brivel\").
    std::string folder = session.folder;
    while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
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
