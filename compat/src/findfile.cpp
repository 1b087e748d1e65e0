// Folder listing over readdir: the entries of one folder whose names match
// the pattern of the last path element.
#include <windows.h>

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "handles.h"

// Directory offsets and inode numbers of common file systems exceed 32 bits;
// with 32-bit types, readdir and stat fail with EOVERFLOW (the build defines
// _FILE_OFFSET_BITS=64 for that reason).
static_assert(sizeof(ino_t) == 8 && sizeof(off_t) == 8, "build with _FILE_OFFSET_BITS=64");

namespace {
class FindObject : public brivel_compat::Waitable {
public:
    FindObject() : Waitable(true, false) {}
    std::vector<WIN32_FIND_DATAA> entries;
    size_t next = 0;
};

FILETIME FileTimeOf(time_t seconds) {
    unsigned long long ticks = (static_cast<unsigned long long>(seconds) + 11644473600ull) * 10000000ull;
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(ticks);
    ft.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return ft;
}
}  // namespace

extern "C" HANDLE WINAPI FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data) {
    if (!pattern || !data) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    std::string path = pattern;
    size_t cut = path.find_last_of("/\\");
    std::string folder = cut == std::string::npos ? "." : path.substr(0, cut + 1);
    std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    DIR* dir = opendir(folder.c_str());
    if (!dir) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    auto find = std::make_shared<FindObject>();
    // readdir gives null both at the end and on an error: only errno tells
    // them apart. A listing that breaks off is a failure, not a short list.
    for (;;) {
        errno = 0;
        dirent* entry = readdir(dir);
        if (!entry) break;
        if (fnmatch(name.c_str(), entry->d_name, FNM_CASEFOLD) != 0) continue;
        if (std::strlen(entry->d_name) >= MAX_PATH) continue;
        WIN32_FIND_DATAA found;
        std::memset(&found, 0, sizeof found);
        struct stat st;
        std::string full = folder + entry->d_name;
        if (stat(full.c_str(), &st) == 0) {
            found.dwFileAttributes = S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
            unsigned long long size = S_ISDIR(st.st_mode) ? 0 : static_cast<unsigned long long>(st.st_size);
            found.nFileSizeHigh = static_cast<DWORD>(size >> 32);
            found.nFileSizeLow = static_cast<DWORD>(size);
            found.ftLastWriteTime = FileTimeOf(st.st_mtime);
            found.ftLastAccessTime = FileTimeOf(st.st_atime);
            found.ftCreationTime = FileTimeOf(st.st_ctime);
        } else {
            found.dwFileAttributes = FILE_ATTRIBUTE_NORMAL;
        }
        std::strcpy(found.cFileName, entry->d_name);
        find->entries.push_back(found);
    }
    int readError = errno;
    closedir(dir);
    if (readError != 0) {
        SetLastError(ERROR_READ_FAULT);
        return INVALID_HANDLE_VALUE;
    }
    if (find->entries.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    *data = find->entries[find->next++];
    return brivel_compat::NewHandle(find);
}

extern "C" BOOL WINAPI FindNextFileA(HANDLE handle, LPWIN32_FIND_DATAA data) {
    auto find = brivel_compat::ObjectAs<FindObject>(handle);
    if (!find || !data) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (find->next >= find->entries.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    *data = find->entries[find->next++];
    return TRUE;
}

extern "C" BOOL WINAPI FindClose(HANDLE handle) {
    if (!brivel_compat::ObjectAs<FindObject>(handle)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return CloseHandle(handle);
}
