// File handles, the standard handles and child processes over POSIX calls.
#include <windows.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "handles.h"

extern char** environ;

using brivel_compat::FileObject;
using brivel_compat::ObjectOf;

brivel_compat::FileObject::~FileObject() {
    if (owned) close(fd);
}

namespace {
FileObject* FileOf(HANDLE handle) { return dynamic_cast<FileObject*>(ObjectOf(handle)); }

DWORD ErrorFromErrno(int error) {
    switch (error) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR: return ERROR_ACCESS_DENIED;
    case EEXIST: return ERROR_FILE_EXISTS;
    default: return ERROR_INVALID_PARAMETER;
    }
}

// Splits a command line as the platform's C run-time does: words separated
// by blanks and tabs, double quotes group, 2n backslashes before a quote
// give n backslashes, 2n+1 give n and a literal quote.
std::vector<std::string> SplitCommandLine(const char* line) {
    std::vector<std::string> words;
    const char* p = line;
    for (;;) {
        while (*p == ' ' || *p == '\t') ++p;
        if (!*p) break;
        std::string word;
        bool quoted = false;
        while (*p && (quoted || (*p != ' ' && *p != '\t'))) {
            if (*p == '\\') {
                size_t slashes = 0;
                while (*p == '\\') ++slashes, ++p;
                if (*p == '"') {
                    word.append(slashes / 2, '\\');
                    if (slashes % 2) word += '"', ++p;
                } else {
                    word.append(slashes, '\\');
                }
            } else if (*p == '"') {
                if (quoted && p[1] == '"') word += '"', p += 2;
                else quoted = !quoted, ++p;
            } else {
                word += *p++;
            }
        }
        words.push_back(word);
    }
    return words;
}
}  // namespace

extern "C" HANDLE WINAPI CreateFileA(LPCSTR fileName, DWORD access, DWORD, LPSECURITY_ATTRIBUTES security,
                                     DWORD disposition, DWORD, HANDLE) {
    if (!fileName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    int flags = O_CLOEXEC;
    bool read = access & GENERIC_READ, write = access & GENERIC_WRITE;
    flags |= read && write ? O_RDWR : write ? O_WRONLY : O_RDONLY;
    switch (disposition) {
    case CREATE_NEW: flags |= O_CREAT | O_EXCL; break;
    case CREATE_ALWAYS: flags |= O_CREAT | O_TRUNC; break;
    case OPEN_EXISTING: break;
    case OPEN_ALWAYS: flags |= O_CREAT; break;
    case TRUNCATE_EXISTING: flags |= O_TRUNC; break;
    default: SetLastError(ERROR_INVALID_PARAMETER); return INVALID_HANDLE_VALUE;
    }
    int fd = open(fileName, flags, 0666);
    if (fd < 0) {
        SetLastError(ErrorFromErrno(errno));
        return INVALID_HANDLE_VALUE;
    }
    bool inheritable = security && security->bInheritHandle;
    SetLastError(ERROR_SUCCESS);
    return brivel_compat::NewHandle(std::make_shared<FileObject>(fd, true, inheritable));
}

extern "C" BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD size, LPDWORD written, void*) {
    FileObject* f = FileOf(file);
    if (!f) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const char* bytes = static_cast<const char*>(buffer);
    DWORD done = 0;
    while (done < size) {
        ssize_t n = write(f->fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            SetLastError(ErrorFromErrno(errno));
            if (written) *written = done;
            return FALSE;
        }
        done += static_cast<DWORD>(n);
    }
    if (written) *written = done;
    return TRUE;
}

extern "C" BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD size, LPDWORD read, void*) {
    FileObject* f = FileOf(file);
    if (!f) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    ssize_t n;
    do n = ::read(f->fd, buffer, size);
    while (n < 0 && errno == EINTR);
    if (n < 0) {
        SetLastError(ErrorFromErrno(errno));
        return FALSE;
    }
    if (read) *read = static_cast<DWORD>(n);
    return TRUE;
}

// The standard handles stay valid for the life of the process.
extern "C" HANDLE WINAPI GetStdHandle(DWORD which) {
    static HANDLE handles[3] = {
        brivel_compat::NewHandle(std::make_shared<FileObject>(0, false, true)),
        brivel_compat::NewHandle(std::make_shared<FileObject>(1, false, true)),
        brivel_compat::NewHandle(std::make_shared<FileObject>(2, false, true)),
    };
    if (which == STD_INPUT_HANDLE) return handles[0];
    if (which == STD_OUTPUT_HANDLE) return handles[1];
    if (which == STD_ERROR_HANDLE) return handles[2];
    SetLastError(ERROR_INVALID_HANDLE);
    return INVALID_HANDLE_VALUE;
}

// The window flags have no meaning here: no child has a window. Only handles
// passed as standard handles are inherited (every descriptor this layer
// opens is close-on-exec).
extern "C" BOOL WINAPI CreateProcessA(LPCSTR applicationName, LPSTR commandLine, LPSECURITY_ATTRIBUTES,
                                      LPSECURITY_ATTRIBUTES, BOOL inheritHandles, DWORD, LPVOID,
                                      LPCSTR currentDirectory, LPSTARTUPINFOA startupInfo,
                                      LPPROCESS_INFORMATION processInformation) {
    if ((!applicationName && !commandLine) || !startupInfo || !processInformation || currentDirectory) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::vector<std::string> words = SplitCommandLine(commandLine ? commandLine : applicationName);
    if (words.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(&word[0]);
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if ((startupInfo->dwFlags & STARTF_USESTDHANDLES) && inheritHandles) {
        HANDLE standard[3] = {startupInfo->hStdInput, startupInfo->hStdOutput, startupInfo->hStdError};
        for (int i = 0; i < 3; ++i) {
            FileObject* f = FileOf(standard[i]);
            if (f) posix_spawn_file_actions_adddup2(&actions, f->fd, i);
        }
    }
    pid_t pid = 0;
    int result = applicationName ? posix_spawn(&pid, applicationName, &actions, nullptr, argv.data(), environ)
                                 : posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) {
        SetLastError(ErrorFromErrno(result));
        return FALSE;
    }
    auto process = std::make_shared<brivel_compat::Process>();
    std::thread([process, pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        process->exitCode = WIFEXITED(status) ? static_cast<DWORD>(WEXITSTATUS(status)) : 1u;
        process->Set();
    }).detach();
    processInformation->hProcess = brivel_compat::NewHandle(process);
    processInformation->hThread = brivel_compat::NewHandle(process);
    processInformation->dwProcessId = static_cast<DWORD>(pid);
    processInformation->dwThreadId = static_cast<DWORD>(pid);
    return TRUE;
}

extern "C" BOOL WINAPI GetExitCodeProcess(HANDLE handle, LPDWORD exitCode) {
    auto* process = dynamic_cast<brivel_compat::Process*>(ObjectOf(handle));
    if (!process || !exitCode) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    *exitCode = process->Wait(0) ? process->exitCode : STILL_ACTIVE;
    return TRUE;
}
