#include "BuildConnection.h"

#include <cstring>

namespace brivel::remotebuild {
namespace {

constexpr long kInterruptCheckMicroseconds = 250000;

bool SetNonBlocking(SOCKET s) {
    u_long nonBlocking = 1;
    return ioctlsocket(s, FIONBIO, &nonBlocking) == 0;
}

}  // namespace

CBuildConnection::~CBuildConnection() {
    Close();
    CleanupWinsock();
}

bool CBuildConnection::InitWinsock() {
    if (socketsStarted_) return true;
    WSADATA data;
    if (WSAStartup(2, &data) != 0) return false;
    socketsStarted_ = true;
    return true;
}

void CBuildConnection::CleanupWinsock() {
    if (socketsStarted_.exchange(false)) WSACleanup();
}

CBuildConnection::ConnectError CBuildConnection::Connect(const std::string& host, int port) {
    if (interrupted_) return ConnectError::Interrupted;
    if (port < 0 || port > 65535) return ConnectError::ConnectFailed;
    if (!InitWinsock()) return ConnectError::NoSockets;
    SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
    if (s == INVALID_SOCKET) return ConnectError::NoSocket;
    socket_ = s;

    sockaddr_in address;
    std::memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    unsigned long dotted = inet_addr(host.c_str());
    if (dotted != INADDR_NONE) {
        address.sin_addr.s_addr = dotted;
    } else {
        hostent* found = gethostbyname(host.c_str());
        if (!found || !found->h_addr_list[0]) {
            Close();
            return ConnectError::HostNotFound;
        }
        std::memcpy(&address.sin_addr, found->h_addr_list[0], sizeof address.sin_addr);
    }

    // Connecting, sending and receiving without blocking, so that an
    // interruption is seen.
    bool connected = SetNonBlocking(s);
    if (connected && connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        connected = WSAGetLastError() == WSAEWOULDBLOCK && WaitUntilReady(true);
        int error = 0;
        int size = sizeof error;
        if (connected && (getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0 || error != 0))
            connected = false;
    }
    if (!connected) {
        Close();
        return ConnectError::ConnectFailed;
    }
    return ConnectError::None;
}

bool CBuildConnection::WaitUntilReady(bool forWriting) {
    SOCKET s = socket_.load();
    for (;;) {
        if (interrupted_ || s == INVALID_SOCKET) return false;
        fd_set ready, failed;
        FD_ZERO(&ready);
        FD_ZERO(&failed);
        FD_SET(s, &ready);
        FD_SET(s, &failed);
        timeval wait{0, kInterruptCheckMicroseconds};
        int count = select(0, forWriting ? nullptr : &ready, forWriting ? &ready : nullptr, &failed, &wait);
        if (count == SOCKET_ERROR) return false;
        if (count > 0) return !interrupted_;
    }
}

// Ready does not promise room for every byte (nor a byte to read): a call
// that would block waits again.
int CBuildConnection::Send(const char* bytes, int count) {
    for (;;) {
        if (!WaitUntilReady(true)) return -1;
        int sent = send(socket_.load(), bytes, count, 0);
        if (sent != SOCKET_ERROR || WSAGetLastError() != WSAEWOULDBLOCK) return sent;
    }
}

int CBuildConnection::Receive(char* buffer, int size) {
    for (;;) {
        if (!WaitUntilReady(false)) return -1;
        int received = recv(socket_.load(), buffer, size, 0);
        if (received != SOCKET_ERROR || WSAGetLastError() != WSAEWOULDBLOCK) return received;
    }
}

void CBuildConnection::Close() {
    SOCKET s = socket_.exchange(INVALID_SOCKET);
    if (s != INVALID_SOCKET) closesocket(s);
}

}  // namespace brivel::remotebuild
