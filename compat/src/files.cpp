// File operations over POSIX calls.
#include <windows.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "environment.h"
#include "errors.h"

namespace {
BOOL Fail(int error) {
    SetLastError(brivel_compat::ErrorFromErrno(error));
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

extern "C" BOOL WINAPI ReplaceFileA(LPCSTR replacedName, LPCSTR replacementName, LPCSTR backupName, DWORD flags,
                                    LPVOID exclude, LPVOID reserved) {
    if (!replacedName || !replacementName || backupName || flags || exclude || reserved) return Fail(EINVAL);
    struct stat replaced;
    if (stat(replacedName, &replaced) != 0) return Fail(errno);
    if (chmod(replacementName, replaced.st_mode & 07777) != 0) return Fail(errno);
    if (chown(replacementName, replaced.st_uid, replaced.st_gid) != 0 && errno != EPERM) return Fail(errno);
    if (std::rename(replacementName, replacedName) != 0) return Fail(errno);
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

extern "C" BOOL WINAPI CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES) {
    if (!path) return Fail(EINVAL);
    if (mkdir(path, 0777) != 0) return Fail(errno == ENOENT ? ENOTDIR : errno);
    return TRUE;
}

extern "C" BOOL WINAPI RemoveDirectoryA(LPCSTR path) {
    if (!path) return Fail(EINVAL);
    if (rmdir(path) != 0) return Fail(errno);
    return TRUE;
}

// TMPDIR, or /tmp, always with a trailing separator.
extern "C" DWORD WINAPI GetTempPathA(DWORD size, LPSTR buffer) {
    std::string path;
    if (!brivel_compat::EnvironmentValue("TMPDIR", &path) || path.empty()) path = "/tmp";
    if (path.back() != '/') path += '/';
    if (!buffer || path.size() + 1 > size) return static_cast<DWORD>(path.size() + 1);
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}

// "<path><up to 3 prefix characters><hex number>.tmp". With `unique` 0 the
// number is chosen and the file created, empty; otherwise only the name is
// made, from the low 16 bits of `unique`.
extern "C" UINT WINAPI GetTempFileNameA(LPCSTR path, LPCSTR prefix, UINT unique, LPSTR tempFileName) {
    if (!path || !tempFileName) {
        Fail(EINVAL);
        return 0;
    }
    std::string folder = path;
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
    std::string start = folder + std::string(prefix ? prefix : "").substr(0, 3);
    char number[8];
    if (unique) {
        unique &= 0xFFFF;
        std::snprintf(number, sizeof number, "%X", unique);
        std::string name = start + number + ".tmp";
        if (name.size() >= MAX_PATH) {
            Fail(ENAMETOOLONG);
            return 0;
        }
        std::memcpy(tempFileName, name.c_str(), name.size() + 1);
        return unique;
    }
    UINT first = (static_cast<UINT>(getpid()) * 7919u + static_cast<UINT>(time(nullptr))) & 0xFFFF;
    for (UINT i = 0; i < 0x10000; ++i) {
        UINT candidate = (first + i) & 0xFFFF;
        if (candidate == 0) continue;
        std::snprintf(number, sizeof number, "%X", candidate);
        std::string name = start + number + ".tmp";
        int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            close(fd);
            std::memcpy(tempFileName, name.c_str(), name.size() + 1);
            return candidate;
        }
        if (errno != EEXIST) {
            Fail(errno);
            return 0;
        }
    }
    Fail(EEXIST);
    return 0;
}
