// Named mutexes shared by the processes of one user. A name is a file in a
// folder of named objects; every handle to the mutex holds a shared
// lock on it, so the mutex exists exactly while some process holds a lock.
#include <windows.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "handles.h"

namespace {
class NamedMutex : public brivel_compat::Waitable {
public:
    explicit NamedMutex(int fd) : Waitable(true, false), fd_(fd) {}
    ~NamedMutex() override { close(fd_); }  // drops the shared lock

private:
    int fd_;
};

// The folder of the name files: BRIVEL_COMPAT_OBJECTS when set (a build's
// tests set it, so that test runs of several builds at once do not share
// names), else the system's temporary folder.
std::string FileOfName(const char* name) {
    const char* folder = std::getenv("BRIVEL_COMPAT_OBJECTS");
    std::string path = folder && *folder ? folder : "/tmp";
    path += "/brivel-compat-mutex-" + std::to_string(getuid()) + "-";
    for (const char* p = name; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-') {
            path += static_cast<char>(c);
        } else {
            static const char hex[] = "0123456789ABCDEF";
            path += '%';
            path += hex[c >> 4];
            path += hex[c & 15];
        }
    }
    return path;
}

// True when another handle (of any process) holds the name.
bool HeldElsewhere(int fd) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return false;
    return errno == EWOULDBLOCK;
}
}  // namespace

extern "C" HANDLE WINAPI CreateMutexA(LPSECURITY_ATTRIBUTES, BOOL, LPCSTR name) {
    if (!name || !*name) {
        // An unnamed mutex is private to its handle: nothing to share.
        SetLastError(ERROR_SUCCESS);
        return brivel_compat::NewHandle(std::make_shared<brivel_compat::Event>(true, false));
    }
    int fd = open(FileOfName(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    bool existed = HeldElsewhere(fd);
    flock(fd, LOCK_SH);
    SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return brivel_compat::NewHandle(std::make_shared<NamedMutex>(fd));
}

extern "C" HANDLE WINAPI OpenMutexA(DWORD, BOOL, LPCSTR name) {
    if (!name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    int fd = open(FileOfName(name).c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0 || !HeldElsewhere(fd)) {
        if (fd >= 0) close(fd);
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    flock(fd, LOCK_SH);
    SetLastError(ERROR_SUCCESS);
    return brivel_compat::NewHandle(std::make_shared<NamedMutex>(fd));
}
