// Mutexes. A mutex is owned by one thread at a time: a wait acquires it,
// the owner may acquire it again, and only the owner releases it, as often
// as it acquired it.
//
// Named mutexes are shared by the processes of one user. A name is a file in
// a folder of named objects; every process that has handles to the mutex
// holds a shared lock on that file, so the mutex exists exactly while some
// process holds a lock. Whether a name exists is decided under an exclusive
// lock on a second file of the name (its guard), so that two creators never
// both create it and an opener's look never makes a creator think it
// exists. The handles of one process share one mutex object; ownership is
// not shared with other processes.
#include <windows.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <map>
#include <string>

#include "handles.h"

namespace {
class Mutex : public brivel_compat::Waitable {
public:
    explicit Mutex(bool initiallyOwned) : Waitable(false, false) {
        if (initiallyOwned) {
            owner_ = GetCurrentThreadId();
            count_ = 1;
        }
    }

    bool Wait(DWORD milliseconds) override {
        const DWORD self = GetCurrentThreadId();
        std::unique_lock<std::mutex> lock(mutex_);
        auto free = [&] { return count_ == 0 || owner_ == self; };
        if (milliseconds == INFINITE) released_.wait(lock, free);
        else if (!released_.wait_for(lock, std::chrono::milliseconds(milliseconds), free)) return false;
        owner_ = self;
        ++count_;
        return true;
    }

    // False when the calling thread does not own the mutex.
    bool Release() {
        std::lock_guard<std::mutex> lock(mutex_);
        if (count_ == 0 || owner_ != GetCurrentThreadId()) return false;
        if (--count_ == 0) released_.notify_one();
        return true;
    }

private:
    std::mutex mutex_;
    std::condition_variable released_;
    DWORD owner_ = 0;
    unsigned count_ = 0;
};

class NamedMutex : public Mutex {
public:
    NamedMutex(int fd, bool initiallyOwned) : Mutex(initiallyOwned), fd_(fd) {}
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

// The named mutexes this process has handles to; as long as the process
// lives (threads that nobody waits for may still call while it exits,
// after static objects are destroyed).
struct Names {
    std::mutex lock;
    std::map<std::string, std::weak_ptr<NamedMutex>> byFile;
};
Names& TheNames() {
    static Names* names = new Names;
    return *names;
}

std::shared_ptr<NamedMutex> HeldHere(const std::string& file) {
    auto it = TheNames().byFile.find(file);
    if (it == TheNames().byFile.end()) return nullptr;
    std::shared_ptr<NamedMutex> mutex = it->second.lock();
    if (!mutex) TheNames().byFile.erase(it);
    return mutex;
}

// Holds the exclusive lock on a name's guard file for its lifetime.
class NameGuard {
public:
    explicit NameGuard(const std::string& file) : fd_(open((file + ".guard").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (fd_ >= 0) {
            while (flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~NameGuard() {
        if (fd_ >= 0) close(fd_);
    }
    bool ok() const { return fd_ >= 0; }

private:
    int fd_;
};

enum class Presence { Absent, Held, Failed };

// Under the name's guard: whether another process holds the name; with
// `join`, the descriptor then holds its shared lock whatever the answer.
Presence TakeName(int fd, bool join) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        if (join) return flock(fd, LOCK_SH) == 0 ? Presence::Absent : Presence::Failed;
        flock(fd, LOCK_UN);
        return Presence::Absent;
    }
    if (errno != EWOULDBLOCK) return Presence::Failed;
    if (join) return flock(fd, LOCK_SH) == 0 ? Presence::Held : Presence::Failed;
    return Presence::Held;
}

HANDLE HandleFor(std::shared_ptr<NamedMutex> mutex, DWORD error) {
    SetLastError(error);
    return brivel_compat::NewHandle(std::move(mutex));
}
}  // namespace

extern "C" HANDLE WINAPI CreateMutexA(LPSECURITY_ATTRIBUTES, BOOL initialOwner, LPCSTR name) {
    if (!name || !*name) {
        SetLastError(ERROR_SUCCESS);
        return brivel_compat::NewHandle(std::make_shared<Mutex>(initialOwner != FALSE));
    }
    const std::string file = FileOfName(name);
    std::lock_guard<std::mutex> names(TheNames().lock);
    if (std::shared_ptr<NamedMutex> held = HeldHere(file)) return HandleFor(held, ERROR_ALREADY_EXISTS);

    NameGuard guard(file);
    int fd = guard.ok() ? open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600) : -1;
    Presence presence = fd >= 0 ? TakeName(fd, true) : Presence::Failed;
    if (presence == Presence::Failed) {
        if (fd >= 0) close(fd);
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    // Ownership goes only to the creator of the mutex.
    bool created = presence == Presence::Absent;
    auto mutex = std::make_shared<NamedMutex>(fd, created && initialOwner);
    TheNames().byFile[file] = mutex;
    return HandleFor(mutex, created ? ERROR_SUCCESS : ERROR_ALREADY_EXISTS);
}

extern "C" HANDLE WINAPI OpenMutexA(DWORD, BOOL, LPCSTR name) {
    if (!name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const std::string file = FileOfName(name);
    std::lock_guard<std::mutex> names(TheNames().lock);
    if (std::shared_ptr<NamedMutex> held = HeldHere(file)) return HandleFor(held, ERROR_SUCCESS);

    NameGuard guard(file);
    int fd = guard.ok() ? open(file.c_str(), O_RDWR | O_CLOEXEC) : -1;
    if (fd < 0 || TakeName(fd, false) != Presence::Held || flock(fd, LOCK_SH) != 0) {
        if (fd >= 0) close(fd);
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    auto mutex = std::make_shared<NamedMutex>(fd, false);
    TheNames().byFile[file] = mutex;
    return HandleFor(mutex, ERROR_SUCCESS);
}

extern "C" BOOL WINAPI ReleaseMutex(HANDLE handle) {
    std::shared_ptr<Mutex> mutex = brivel_compat::ObjectAs<Mutex>(handle);
    if (!mutex) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!mutex->Release()) {
        SetLastError(ERROR_NOT_OWNER);
        return FALSE;
    }
    return TRUE;
}
