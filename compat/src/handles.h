// Kernel object handles of this layer: events, mutexes, threads, files,
// processes and folder listings. A handle is a number in a table of the
// open handles that holds a shared reference to its object, so a closed or
// made-up handle is refused instead of followed, and an object outlives its
// last handle while a call still uses it.
#ifndef BRIVEL_COMPAT_SRC_HANDLES_H
#define BRIVEL_COMPAT_SRC_HANDLES_H

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace brivel_compat {

// An object that is signalled or not; waiting on an auto-reset one takes the
// signal.
class Waitable {
public:
    Waitable(bool manualReset, bool signalled) : manualReset_(manualReset), signalled_(signalled) {}
    virtual ~Waitable() = default;

    void Set() {
        std::lock_guard<std::mutex> lock(mutex_);
        signalled_ = true;
        if (manualReset_) changed_.notify_all();
        else changed_.notify_one();
    }
    void Reset() {
        std::lock_guard<std::mutex> lock(mutex_);
        signalled_ = false;
    }
    // True when the object was (or became) signalled within the time.
    virtual bool Wait(DWORD milliseconds) {
        std::unique_lock<std::mutex> lock(mutex_);
        auto ready = [this] { return signalled_; };
        if (milliseconds == INFINITE) changed_.wait(lock, ready);
        else if (!changed_.wait_for(lock, std::chrono::milliseconds(milliseconds), ready)) return false;
        if (!manualReset_) signalled_ = false;
        return true;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool manualReset_;
    bool signalled_;
};

class Event : public Waitable {
public:
    using Waitable::Waitable;
};

// Signalled when the thread has ended; then holds its exit code.
class Thread : public Waitable {
public:
    Thread() : Waitable(true, false) {}
    DWORD exitCode = STILL_ACTIVE;
};

// An open file descriptor: files, and the standard handles (not owned).
class FileObject : public Waitable {
public:
    FileObject(int fd, bool owned, bool inheritable) : Waitable(true, false), fd(fd), owned(owned), inheritable(inheritable) {}
    ~FileObject() override;
    const int fd;
    const bool owned;
    const bool inheritable;
};

// Signalled when the process has ended; then holds its exit code.
class Process : public Waitable {
public:
    Process() : Waitable(true, false) {}
    DWORD exitCode = STILL_ACTIVE;
};

// A new handle for the object.
HANDLE NewHandle(std::shared_ptr<Waitable> object);
// Where the search for the next handle's value starts (tests start it near
// the end of the values, which a process reaches only after a billion
// handles).
void SetNextHandleValue(uintptr_t value);
// The object of an open handle; null for any other value.
std::shared_ptr<Waitable> ObjectOf(HANDLE handle);
template <typename T>
std::shared_ptr<T> ObjectAs(HANDLE handle) {
    return std::dynamic_pointer_cast<T>(ObjectOf(handle));
}
// Closes the handle; false when it is not an open handle.
bool CloseObjectHandle(HANDLE handle);

}  // namespace brivel_compat

#endif
