#include "ControlConnection.h"

#ifdef _WIN32
#include <winsock.h>
#else
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#endif

#include <chrono>
#include <string>

namespace brivel::serverhost {
namespace {

using Clock = std::chrono::steady_clock;

#ifdef _WIN32
using NativeSocket = SOCKET;
using OptionLength = int;
void CloseNativeSocket(NativeSocket s) { closesocket(s); }
bool SetNonBlocking(NativeSocket s) {
    u_long on = 1;
    return ioctlsocket(s, FIONBIO, &on) == 0;
}
bool ConnectPending() { return WSAGetLastError() == WSAEWOULDBLOCK; }
bool WouldBlock() { return WSAGetLastError() == WSAEWOULDBLOCK; }
int SelectWidth(NativeSocket) { return 0; }  // ignored by Windows Sockets
#else
using NativeSocket = int;
using OptionLength = socklen_t;
constexpr NativeSocket INVALID_SOCKET = -1;
void CloseNativeSocket(NativeSocket s) { ::close(s); }
bool SetNonBlocking(NativeSocket s) {
    int flags = fcntl(s, F_GETFL, 0);
    return flags >= 0 && fcntl(s, F_SETFL, flags | O_NONBLOCK) == 0;
}
bool ConnectPending() { return errno == EINPROGRESS; }
bool WouldBlock() { return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR; }
int SelectWidth(NativeSocket s) { return s + 1; }
#endif

class SocketOwner {
public:
    explicit SocketOwner(NativeSocket s) : s_(s) {}
    ~SocketOwner() {
        if (s_ != INVALID_SOCKET) CloseNativeSocket(s_);
    }
    SocketOwner(const SocketOwner&) = delete;
    SocketOwner& operator=(const SocketOwner&) = delete;
    NativeSocket get() const { return s_; }

private:
    NativeSocket s_;
};

enum class Readiness { Ready, TimedOut, Failed };

// Waits until the socket can be written (or, for a connect, has finished
// either way) or read, up to the deadline.
Readiness WaitFor(NativeSocket s, bool forWriting, Clock::time_point deadline) {
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left < 0) left = 0;
        fd_set ready, failed;
        FD_ZERO(&ready);
        FD_ZERO(&failed);
        FD_SET(s, &ready);
        FD_SET(s, &failed);  // where Windows Sockets reports a failed connect
        timeval wait{static_cast<long>(left / 1000), static_cast<long>((left % 1000) * 1000)};
        int n = forWriting ? select(SelectWidth(s), nullptr, &ready, &failed, &wait)
                           : select(SelectWidth(s), &ready, nullptr, &failed, &wait);
        if (n > 0) return FD_ISSET(s, &ready) ? Readiness::Ready : Readiness::Failed;
        if (n == 0) return Readiness::TimedOut;
#ifndef _WIN32
        if (errno == EINTR) continue;
#endif
        return Readiness::Failed;
    }
}

bool Connect(NativeSocket s, int port, Clock::time_point deadline) {
    if (port <= 0 || port > 65535) return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<unsigned short>(port));
    address.sin_addr.s_addr = inet_addr("127.0.0.1");
    if (connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return true;
    if (!ConnectPending() || WaitFor(s, true, deadline) != Readiness::Ready) return false;
    int error = 0;
    OptionLength length = sizeof error;
    return getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) == 0 && error == 0;
}

bool SendAll(NativeSocket s, const std::string& bytes, Clock::time_point deadline) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        int n = send(s, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (n >= 1) {
            sent += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && WouldBlock() && WaitFor(s, true, deadline) == Readiness::Ready) continue;
        return false;
    }
    return true;
}

}  // namespace

ControlExchange ExchangeControlRequest(int port, bool force, unsigned timeoutMs) {
    ControlExchange result;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    SocketOwner s(socket(AF_INET, SOCK_STREAM, 0));
    if (s.get() == INVALID_SOCKET || !SetNonBlocking(s.get())) return result;
    if (!Connect(s.get(), port, deadline)) {
        result.outcome = ControlOutcome::Unreachable;
        return result;
    }
    if (!SendAll(s.get(), ControlRequestBytes(force), deadline)) {
        result.outcome = ControlOutcome::SendFailed;
        return result;
    }
    std::string reply;
    while (reply.size() < kControlReplySize) {
        char buffer[kControlReplySize];
        int n = recv(s.get(), buffer, static_cast<int>(kControlReplySize - reply.size()), 0);
        if (n > 0) {
            reply.append(buffer, static_cast<size_t>(n));
            continue;
        }
        if (n == 0) break;  // the server closed the connection: it is quitting
        Readiness ready = n < 0 && WouldBlock() ? WaitFor(s.get(), false, deadline) : Readiness::Failed;
        if (ready == Readiness::Ready) continue;
        if (ready == Readiness::TimedOut) {  // nothing said the server quits
            result.outcome = ControlOutcome::NoAnswer;
            return result;
        }
        break;  // a failed receive (a reset) ends the reply short: the server is quitting
    }
    ControlReply meaning = ReadControlReply(reply);
    result.outcome = meaning.quitting ? ControlOutcome::Quitting : ControlOutcome::Running;
    result.openConnections = meaning.openConnections;
    return result;
}

}  // namespace brivel::serverhost
