// The console's loop-back listener: accepts connections on 127.0.0.1 at a
// port the system picks and copies each connection's bytes, as they arrive,
// to one file descriptor, with one thread per connection. Portable: the
// console program runs it over standard output, and tests of the Java side
// run it in-process on any build.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <set>

namespace brivel::console {

class ConsoleListener {
public:
#ifdef _WIN32
    using SocketHandle = std::uintptr_t;
#else
    using SocketHandle = int;
#endif
    enum class OpenResult { Listening, SocketFailed, BindFailed };

    ConsoleListener() = default;
    ConsoleListener(const ConsoleListener&) = delete;
    ConsoleListener& operator=(const ConsoleListener&) = delete;
    ~ConsoleListener() { Close(); }

    // Binds 127.0.0.1 at a free port and listens. (Sockets must be started
    // on Windows.)
    OpenResult Open();
    // The listening port in host byte order; 0 when not listening.
    unsigned short Port() const { return port_; }

    // Accepts until Close is called or accepting fails for good (failures
    // that pass, such as a peer that gave up or descriptors short for a
    // moment, do not end it) and starts a reader thread for each connection
    // that writes to `outputFd`. Does not wait for the readers.
    void AcceptLoop(int outputFd);

    // Closes the listening socket only: connections being read go on.
    void CloseListeningSocket();
    // Closes the listening socket, ends the connections still open and waits
    // until their readers have finished.
    void Close();

private:
    void ReadConnection(SocketHandle connection, int outputFd);

    SocketHandle listening_ = InvalidSocket();
    unsigned short port_ = 0;

    std::mutex mutex_;
    std::condition_variable readersDone_;
    std::set<SocketHandle> open_;  // connections whose reader runs
    int readers_ = 0;
    bool closed_ = false;

    static SocketHandle InvalidSocket();
};

}  // namespace brivel::console
