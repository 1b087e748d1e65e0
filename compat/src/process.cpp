// File handles, the standard handles and child processes over POSIX calls.
#include <windows.h>

#include <fcntl.h>
#include <pthread.h>
#include <sched.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "environment.h"
#include "errors.h"
#include "handles.h"

#if defined(__SANITIZE_ADDRESS__)
#define BRIVEL_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BRIVEL_ADDRESS_SANITIZER 1
#endif
#endif
#ifdef BRIVEL_ADDRESS_SANITIZER
#include <sanitizer/asan_interface.h>
#endif

using brivel_compat::FileObject;

brivel_compat::FileObject::~FileObject() {
    if (owned) close(fd);
}

namespace {
std::shared_ptr<FileObject> FileOf(HANDLE handle) { return brivel_compat::ObjectAs<FileObject>(handle); }

DWORD ErrorFromErrno(int error) { return brivel_compat::ErrorFromErrno(error, ERROR_FILE_EXISTS); }

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

// The files a program name may stand for, in the order exec tries them: the
// name itself when it holds a '/' or is not to be searched, else the name in
// each folder of PATH.
std::vector<std::string> ProgramCandidates(const std::string& name, bool searchPath) {
    if (!searchPath || name.find('/') != std::string::npos) return {name};
    std::string folders;
    if (!brivel_compat::EnvironmentValue("PATH", &folders)) folders = "/usr/local/bin:/usr/bin:/bin";
    std::vector<std::string> candidates;
    size_t start = 0;
    for (;;) {
        size_t end = folders.find(':', start);
        std::string folder = folders.substr(start, end == std::string::npos ? std::string::npos : end - start);
        candidates.push_back((folder.empty() ? "." : folder) + "/" + name);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return candidates;
}

// What the child needs, prepared by the parent (the child may not allocate).
struct ChildStart {
    const std::vector<std::string>* candidates;
    char* const* argv;
    char* const* envp;
    const int* standard;  // its standard input, output and error; -1: none
    int report;           // the pipe's end that reports a failed start
    sigset_t mask;        // the signal mask to run the program with
};

// The child, until it runs its program: it shares the parent's memory (the
// parent waits meanwhile), runs on a stack of its own and calls only
// async-signal-safe functions. A failure to start is written to the pipe.
int RunChild(void* argument) {
    const ChildStart& start = *static_cast<const ChildStart*>(argument);
    int error = 0;
    // Handlers installed by the process (the Java VM's among them) are not
    // for the child: every caught signal goes back to its default (the
    // child has its own table of handlers).
    for (int sig = 1; sig < NSIG; ++sig) {
        struct sigaction action;
        if (sigaction(sig, nullptr, &action) == 0 && action.sa_handler != SIG_IGN && action.sa_handler != SIG_DFL) {
            action.sa_handler = SIG_DFL;
            action.sa_flags = 0;
            sigaction(sig, &action, nullptr);
        }
    }
    // Move the descriptors above 2 first, so one cannot overwrite another.
    int moved[3] = {-1, -1, -1};
    for (int i = 0; i < 3 && !error; ++i)
        if (start.standard[i] >= 0 && (moved[i] = fcntl(start.standard[i], F_DUPFD_CLOEXEC, 3)) < 0) error = errno;
    for (int i = 0; i < 3 && !error; ++i)
        if (moved[i] >= 0 && dup2(moved[i], i) < 0) error = errno;
    if (!error) {
        sigprocmask(SIG_SETMASK, &start.mask, nullptr);
        bool denied = false;
        error = ENOENT;
        for (const std::string& candidate : *start.candidates) {
            execve(candidate.c_str(), start.argv, start.envp);
            if (errno == EACCES) denied = true;
            else if (errno != ENOENT && errno != ENOTDIR) {
                error = errno;
                break;
            }
        }
        if (denied && error == ENOENT) error = EACCES;
    }
    ssize_t ignored = write(start.report, &error, sizeof error);
    (void)ignored;
    _exit(127);
}

// Starts a child that runs the first candidate exec accepts, with the given
// descriptors (-1: none) as its standard input, output and error and the
// environment `envp`. Returns its pid, or -1 with errno saying why no
// candidate could be run. The child reports a failed exec through a
// close-on-exec pipe, so a missing program fails here whatever the C
// library's spawn would report (under a user-mode emulator, glibc's spawn
// reports success and the child exits with 127).
// The child is made as vfork makes it: it shares the parent's memory until
// it runs its program, so starting a process costs the same however large
// the parent is (a Java VM), and fails only where the system is short of
// processes or memory for the child itself.
pid_t StartChild(const std::vector<std::string>& candidates, const std::vector<char*>& argv,
                 const std::vector<char*>& envp, const int standard[3]) {
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) return -1;
    const size_t stackSize = 64 * 1024;
    void* stack = mmap(nullptr, stackSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
    if (stack == MAP_FAILED) {
        int error = errno;
        close(report[0]);
        close(report[1]);
        errno = error;
        return -1;
    }
    ChildStart start = {&candidates, argv.data(), envp.data(), standard, report[1], {}};
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, &start.mask);  // no handler of ours may run in the child
    pid_t pid = clone(RunChild, static_cast<char*>(stack) + stackSize, CLONE_VM | CLONE_VFORK | SIGCHLD, &start);
    int cloneError = errno;
    pthread_sigmask(SIG_SETMASK, &start.mask, nullptr);
    // The child has run its program or ended without returning from its
    // frames, so under the address sanitizer the guards around them are
    // still marked (the marks live in memory the child shared with us):
    // clear them, or memory mapped here later would be reported as a stack
    // overflow on its first write.
#ifdef BRIVEL_ADDRESS_SANITIZER
    __asan_unpoison_memory_region(stack, stackSize);
#endif
    munmap(stack, stackSize);
    close(report[1]);
    if (pid < 0) {
        close(report[0]);
        errno = cloneError;
        return -1;
    }
    int childError = 0;
    ssize_t n;
    do n = read(report[0], &childError, sizeof childError);
    while (n < 0 && errno == EINTR);
    close(report[0]);
    if (n == static_cast<ssize_t>(sizeof childError)) {
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
        errno = childError;
        return -1;
    }
    return pid;
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
    std::shared_ptr<FileObject> f = FileOf(file);
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
    std::shared_ptr<FileObject> f = FileOf(file);
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

// The standard handles are made once. As on the platform they are handles
// like any other: a closed one is closed for good (the descriptor itself,
// which the process did not open, stays open), and is still what
// GetStdHandle answers.
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

    int standard[3] = {-1, -1, -1};
    std::shared_ptr<FileObject> passed[3];
    if ((startupInfo->dwFlags & STARTF_USESTDHANDLES) && inheritHandles) {
        HANDLE handles[3] = {startupInfo->hStdInput, startupInfo->hStdOutput, startupInfo->hStdError};
        for (int i = 0; i < 3; ++i) {
            passed[i] = FileOf(handles[i]);  // kept open until the child has its copies
            if (passed[i]) standard[i] = passed[i]->fd;
        }
    }
    // The child's environment, copied under the environment's lock.
    std::vector<std::string> block = brivel_compat::EnvironmentBlock();
    std::vector<char*> envp;
    for (auto& entry : block) envp.push_back(&entry[0]);
    envp.push_back(nullptr);

    // The thread that waits for the child is there before the child: a
    // process nobody waits for would never end as a handle.
    auto process = std::make_shared<brivel_compat::Process>();
    auto started = std::make_shared<std::promise<pid_t>>();
    try {
        std::thread([process, pid = started->get_future()]() mutable {
            pid_t child = pid.get();
            if (child < 0) return;
            int status = 0;
            while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
            }
            process->exitCode = WIFEXITED(status) ? static_cast<DWORD>(WEXITSTATUS(status)) : 1u;
            process->Set();
        }).detach();
    } catch (const std::exception&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
    pid_t pid = StartChild(applicationName ? ProgramCandidates(applicationName, false)
                                           : ProgramCandidates(argv[0], true),
                           argv, envp, standard);
    int error = errno;
    started->set_value(pid);
    if (pid < 0) {
        // EAGAIN: no process may be made now (the user's or the system's
        // limit); ENOMEM: no memory for one.
        SetLastError(error == EAGAIN ? ERROR_NO_PROC_SLOTS : ErrorFromErrno(error));
        return FALSE;
    }
    processInformation->hProcess = brivel_compat::NewHandle(process);
    processInformation->hThread = brivel_compat::NewHandle(process);
    processInformation->dwProcessId = static_cast<DWORD>(pid);
    processInformation->dwThreadId = static_cast<DWORD>(pid);
    return TRUE;
}

namespace {
// UTF-16 text as UTF-8; `ok` turns false for text that is not UTF-16.
std::string Utf8Text(LPCWSTR text, bool& ok) {
    if (!text) return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 0) {
        ok = false;
        return std::string();
    }
    std::string utf8(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &utf8[0], n, nullptr, nullptr);
    utf8.resize(n - 1);
    return utf8;
}
}  // namespace

extern "C" BOOL WINAPI CreateProcessW(LPCWSTR applicationName, LPWSTR commandLine,
                                      LPSECURITY_ATTRIBUTES processAttributes, LPSECURITY_ATTRIBUTES threadAttributes,
                                      BOOL inheritHandles, DWORD creationFlags, LPVOID environment,
                                      LPCWSTR currentDirectory, LPSTARTUPINFOW startupInfo,
                                      LPPROCESS_INFORMATION processInformation) {
    if (!startupInfo) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    bool ok = true;
    std::string application = Utf8Text(applicationName, ok), line = Utf8Text(commandLine, ok),
                folder = Utf8Text(currentDirectory, ok);
    if (!ok) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return FALSE;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = startupInfo->dwFlags;
    startup.wShowWindow = startupInfo->wShowWindow;
    startup.hStdInput = startupInfo->hStdInput;
    startup.hStdOutput = startupInfo->hStdOutput;
    startup.hStdError = startupInfo->hStdError;
    return CreateProcessA(applicationName ? application.c_str() : nullptr, commandLine ? &line[0] : nullptr,
                          processAttributes, threadAttributes, inheritHandles, creationFlags, environment,
                          currentDirectory ? folder.c_str() : nullptr, &startup, processInformation);
}

extern "C" BOOL WINAPI GetExitCodeProcess(HANDLE handle, LPDWORD exitCode) {
    auto process = brivel_compat::ObjectAs<brivel_compat::Process>(handle);
    if (!process || !exitCode) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    *exitCode = process->Wait(0) ? process->exitCode : STILL_ACTIVE;
    return TRUE;
}
