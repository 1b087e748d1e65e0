// The socket of one build: Windows Sockets started on demand, the TCP
// connection to the build host or the proxy, and its sends and receives.
// Only the worker uses and closes the socket. The user-interface thread may
// interrupt it: the worker's waits look at the interruption every quarter
// second and then end as on a lost connection (a socket closed under a
// blocked call could meanwhile be reused for another connection).
#pragma once

#include <winsock2.h>

#include <atomic>
#include <string>

namespace brivel::remotebuild {

class CBuildConnection {
public:
    enum class ConnectError { None, NoSockets, NoSocket, HostNotFound, ConnectFailed };

    CBuildConnection() = default;
    ~CBuildConnection();
    CBuildConnection(const CBuildConnection&) = delete;
    CBuildConnection& operator=(const CBuildConnection&) = delete;

    // Starts Windows Sockets (version 2) unless this connection already did.
    bool InitWinsock();
    // Cleans up the start of InitWinsock, if any (each start once).
    void CleanupWinsock();

    // A TCP connection to the host (a dotted address, else resolved; its
    // first address) on the port. Clears an earlier interruption.
    ConnectError Connect(const std::string& host, int port);
    // One send or receive: the bytes moved, below 1 when the connection is
    // lost or was interrupted.
    int Send(const char* bytes, int count);
    int Receive(char* buffer, int size);
    void Close();
    bool IsOpen() const { return socket_.load() != INVALID_SOCKET; }
    // Any thread: the connection's next or current wait ends as lost.
    void Interrupt() { interrupted_ = true; }

private:
    // Waits until the socket can be read or written; false when interrupted
    // or the wait failed.
    bool WaitUntilReady(bool forWriting);

    std::atomic<SOCKET> socket_{INVALID_SOCKET};
    std::atomic<bool> interrupted_{false};
    std::atomic<bool> socketsStarted_{false};
};

}  // namespace brivel::remotebuild
