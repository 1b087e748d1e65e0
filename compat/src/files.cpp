// File operations over POSIX calls.
#include <windows.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {
DWORD ErrorFromErrno(int error) {
    switch (error) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR: return ERROR_ACCESS_DENIED;
    case EEXIST: return ERROR_ALREADY_EXISTS;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    default: return ERROR_INVALID_PARAMETER;
    }
}

BOOL Fail(int error) {
    SetLastError(ErrorFromErrno(error));
    return FALSE;
}
}  // namespace

extern "C" BOOL WINAPI MoveFileExA(LPCSTR existingName, LPCSTR newName, DWORD flags) {
    if (!existingName || !newName) return Fail(EINVAL);
    struct stat st;
    if (!(flags & MOVEFILE_REPLACE_EXISTING) && stat(newName, &st) == 0) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return FALSE;
    }
    if (std::rename(existingName, newName) != 0) return Fail(errno);
    return TRUE;
}

extern "C" BOOL WINAPI DeleteFileA(LPCSTR fileName) {
    if (!fileName) return Fail(EINVAL);
    struct stat st;
    if (stat(fileName, &st) == 0 && S_ISDIR(st.st_mode)) return Fail(EACCES);
    if (unlink(fileName) != 0) return Fail(errno);
    return TRUE;
}

extern "C" DWORD WINAPI GetFileAttributesA(LPCSTR fileName) {
    struct stat st;
    if (!fileName || stat(fileName, &st) != 0) {
        Fail(fileName ? errno : EINVAL);
        return INVALID_FILE_ATTRIBUTES;
    }
    return S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
}
