// The socket of one build: Windows Sockets started on demand, the TCP
// connection to the build host or the proxy, and its sends and receives.
// Only the worker uses and closes the socket. The user-interface thread may
// interrupt it: the socket never blocks (a send to a proxy that stops
// reading would wait for good), and every wait for it looks at the
// interruption each quarter second and then ends as on a lost connection
// (a socket closed under a blocked call could meanwhile be reused for
// another connection).
#pragma once

#include <winsock2.h>

#include <atomic>
#include <string>

namespace brivel::remotebuild {

class CBuildConnection {
public:
    enum class ConnectError { None, NoSockets, NoSocket, HostNotFound, ConnectFailed, Interrupted };

    CBuildConnection() = default;
    ~CBuildConnection();
    CBuildConnection(const CBuildConnection&) = delete;
    CBuildConnection& operator=(const CBuildConnection&) = delete;

    // Starts Windows Sockets (version 2) unless this connection already did.
    bool InitWinsock();
    // Cleans up the start of InitWinsock, if any (each start once).
    void CleanupWinsock();

    // A TCP connection to the host (a dotted address, else resolved; its
    // first address) on the port (0 to 65535). Nothing is connected once
    // interrupted.
    ConnectError Connect(const std::string& host, int port);
    // One send or receive, once the socket is ready: the bytes moved (a send
    // may take part of them), below 1 when the connection is lost or was
    // interrupted.
    int Send(const char* bytes, int count);
    int Receive(char* buffer, int size);
    void Close();
    bool IsOpen() const { return socket_.load() != INVALID_SOCKET; }
    // Any thread: the connection's next or current wait ends as lost, until
    // the interruption is cleared.
    void Interrupt() { interrupted_ = true; }
    void ClearInterruption() { interrupted_ = false; }
    bool IsInterrupted() const { return interrupted_; }

private:
    // Waits until the socket can be read or written; false when interrupted
    // or the wait failed.
    bool WaitUntilReady(bool forWriting);

    std::atomic<SOCKET> socket_{INVALID_SOCKET};
    std::atomic<bool> interrupted_{false};
    std::atomic<bool> socketsStarted_{false};
};

}  // namespace brivel::remotebuild
