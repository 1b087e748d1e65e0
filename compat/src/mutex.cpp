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
// exists. The process that closes the name's last handle anywhere removes
// both files, under the guard; opening a name that does not exist makes no
// file. The handles of one process share one mutex object; ownership is
// not shared with other processes.
#include <windows.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <map>
#include <string>

#include "environment.h"
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
    NamedMutex(std::string file, int fd, bool initiallyOwned) : Mutex(initiallyOwned), file_(std::move(file)), fd_(fd) {}
    ~NamedMutex() override;  // drops the shared lock, and the files with the last one

private:
    std::string file_;
    int fd_;
};

// The folder of the name files: BRIVEL_COMPAT_OBJECTS when set (a build's
// tests set it, so that test runs of several builds at once do not share
// names), else the system's temporary folder.
std::string FileOfName(const char* name) {
    std::string path;
    if (!brivel_compat::EnvironmentValue("BRIVEL_COMPAT_OBJECTS", &path) || path.empty()) path = "/tmp";
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

bool SameFile(int fd, const std::string& path) {
    struct stat held, named;
    return fstat(fd, &held) == 0 && stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

// Holds the exclusive lock on a name's guard file for its lifetime; with
// `create`, makes the guard when there is none. A guard is removed (with
// its name) under its own lock: one locked after its removal is no longer
// the name's, and the lock is taken again on the file the name has now.
class NameGuard {
public:
    NameGuard(const std::string& file, bool create) : path_(file + ".guard") {
        for (;;) {
            fd_ = open(path_.c_str(), O_RDWR | O_CLOEXEC | (create ? O_CREAT : 0), 0600);
            if (fd_ < 0) return;
            int locked;
            while ((locked = flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
            }
            if (locked == 0 && SameFile(fd_, path_)) return;
            close(fd_);
            fd_ = -1;
            if (locked != 0) return;
        }
    }
    ~NameGuard() {
        if (fd_ >= 0) close(fd_);
    }
    bool ok() const { return fd_ >= 0; }

    // Removes the name's files; only while no process holds the name.
    void RemoveName(const std::string& file) const {
        unlink(file.c_str());
        unlink(path_.c_str());
    }

private:
    std::string path_;
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

// The last handle of this process is closed: when no other process holds
// the name either (an exclusive lock can be had), its files go.
NamedMutex::~NamedMutex() {
    NameGuard guard(file_, false);
    if (guard.ok() && flock(fd_, LOCK_EX | LOCK_NB) == 0) guard.RemoveName(file_);
    close(fd_);
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

    NameGuard guard(file, true);
    int fd = guard.ok() ? open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600) : -1;
    Presence presence = fd >= 0 ? TakeName(fd, true) : Presence::Failed;
    if (presence == Presence::Failed) {
        if (fd >= 0) close(fd);
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    // Ownership goes only to the creator of the mutex.
    bool created = presence == Presence::Absent;
    auto mutex = std::make_shared<NamedMutex>(file, fd, created && initialOwner);
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

    // A name without files does not exist: none is made for it.
    NameGuard guard(file, false);
    int fd = guard.ok() ? open(file.c_str(), O_RDWR | O_CLOEXEC) : -1;
    Presence presence = fd >= 0 ? TakeName(fd, false) : Presence::Failed;
    if (presence != Presence::Held || flock(fd, LOCK_SH) != 0) {
        if (fd >= 0) close(fd);
        // Files that no process holds (left by a process that ended without
        // closing its handles) go.
        if (presence == Presence::Absent) guard.RemoveName(file);
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    auto mutex = std::make_shared<NamedMutex>(file, fd, false);
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
