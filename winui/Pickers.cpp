#include "Pickers.h"

#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include <vector>

namespace brivel::winui {

std::string SystemFilter(const char* filter) {
    std::string result = filter ? filter : "";
    for (char& c : result)
        if (c == '|') c = '\0';
    // Two terminators end the list, however the filter ended.
    while (!result.empty() && result.back() == '\0') result.pop_back();
    result.append(2, '\0');
    return result;
}

bool PickFile(HWND owner, const FilePickerOptions& options, CString& path) {
    std::string filter = SystemFilter(options.filter);
    // Room for long paths; the proposed name starts the buffer.
    std::vector<char> file(32768, '\0');
    if (options.initialName) lstrcpynA(file.data(), options.initialName, static_cast<int>(file.size()));
    const char* extension = options.defaultExtension;
    if (extension && *extension == '.') ++extension;

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.size() > 2 ? filter.c_str() : nullptr;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = options.initialFolder;
    dialog.lpstrTitle = options.title;
    dialog.lpstrDefExt = extension;
    dialog.Flags = options.flags | OFN_EXPLORER | OFN_NOCHANGEDIR | (options.save ? 0 : OFN_FILEMUSTEXIST);
    BOOL chosen = options.save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (!chosen) return false;
    path = file.data();
    return true;
}

bool PickFolder(HWND owner, const char* title, CString& folder) {
    char display[MAX_PATH] = "";
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.pszDisplayName = display;
    browse.lpszTitle = title;
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST item = SHBrowseForFolderA(&browse);
    if (!item) return false;
    char chosen[MAX_PATH] = "";
    BOOL isFolder = SHGetPathFromIDListA(item, chosen);
    CoTaskMemFree(item);
    if (!isFolder || !*chosen) return false;
    folder = chosen;
    return true;
}

}  // namespace brivel::winui
