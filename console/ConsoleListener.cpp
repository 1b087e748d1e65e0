#include "ConsoleListener.h"

#ifdef _WIN32
#include <winsock.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "OutputCopier.h"

namespace brivel::console {
namespace {

enum class AcceptFailure { Lasting, Transient, ResourcesShort };

#ifdef _WIN32
using NativeSocket = SOCKET;
using AddressLength = int;
constexpr int kShutBoth = 2;  // SD_BOTH
void CloseNativeSocket(NativeSocket s) { closesocket(s); }

AcceptFailure KindOfAcceptFailure() {
    switch (WSAGetLastError()) {
    case WSAEINTR:
    case WSAECONNRESET:  // the peer gave up before it was accepted
    case WSAECONNABORTED:
        return AcceptFailure::Transient;
    case WSAENETDOWN:  // the network subsystem failed: it may stay down a while
    case WSAEMFILE:
    case WSAENOBUFS:
        return AcceptFailure::ResourcesShort;
    default:
        return AcceptFailure::Lasting;
    }
}
#else
using NativeSocket = int;
using AddressLength = socklen_t;
constexpr NativeSocket INVALID_SOCKET = -1;
constexpr int kShutBoth = SHUT_RDWR;
void CloseNativeSocket(NativeSocket s) { ::close(s); }

AcceptFailure KindOfAcceptFailure() {
    switch (errno) {
    case EINTR:
    case ECONNABORTED:  // the peer gave up before it was accepted
    case EPROTO:
    case EPERM:
    // Network errors of the new connection that accept passes on.
    case ENETDOWN:
    case ENOPROTOOPT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case EOPNOTSUPP:
    case ENETUNREACH:
    case ETIMEDOUT:
        return AcceptFailure::Transient;
    case EMFILE:
    case ENFILE:
    case ENOBUFS:
    case ENOMEM:
        return AcceptFailure::ResourcesShort;
    default:
        return AcceptFailure::Lasting;
    }
}
#endif

// How long accepting pauses when the system is short of descriptors or
// memory, or its network is down, instead of failing at once again.
constexpr auto kResourcePause = std::chrono::milliseconds(50);

// Connections that arrive before accepting starts (the console shows its
// information dialog first) wait in the backlog, so it is not kept short.
constexpr int kListenBacklog = 64;

NativeSocket Native(ConsoleListener::SocketHandle s) { return static_cast<NativeSocket>(s); }

}  // namespace

ConsoleListener::SocketHandle ConsoleListener::InvalidSocket() {
    return static_cast<SocketHandle>(INVALID_SOCKET);
}

ConsoleListener::OpenResult ConsoleListener::Open() {
    NativeSocket server = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (server == INVALID_SOCKET) return OpenResult::SocketFailed;

    sockaddr_in address;
    std::memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;  // the system picks a free port
    sockaddr_in bound;
    AddressLength boundSize = sizeof bound;
    if (bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(server, kListenBacklog) != 0 ||
        getsockname(server, reinterpret_cast<sockaddr*>(&bound), &boundSize) != 0) {
        CloseNativeSocket(server);
        return OpenResult::BindFailed;
    }
    listening_ = static_cast<SocketHandle>(server);
    port_ = ntohs(bound.sin_port);
    return OpenResult::Listening;
}

void ConsoleListener::AcceptLoop(int outputFd) {
    for (;;) {
        sockaddr_in peer;
        AddressLength peerSize = sizeof peer;
        NativeSocket connection = accept(Native(listening_), reinterpret_cast<sockaddr*>(&peer), &peerSize);
        if (connection == INVALID_SOCKET) {
            // A failure that passes (a peer that gave up, descriptors short
            // for a moment) does not end the console; a closed or broken
            // listening socket does.
            AcceptFailure failure = KindOfAcceptFailure();
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (closed_) return;
            }
            if (failure == AcceptFailure::Lasting) return;
            if (failure == AcceptFailure::ResourcesShort) std::this_thread::sleep_for(kResourcePause);
            continue;
        }
        SocketHandle handle = static_cast<SocketHandle>(connection);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (closed_) {
                CloseNativeSocket(connection);
                return;
            }
            open_.insert(handle);
            ++readers_;
        }
        try {
            std::thread(&ConsoleListener::ReadConnection, this, handle, outputFd).detach();
        } catch (...) {
            std::lock_guard<std::mutex> lock(mutex_);
            open_.erase(handle);
            CloseNativeSocket(connection);
            --readers_;
        }
    }
}

void ConsoleListener::ReadConnection(SocketHandle connection, int outputFd) {
    NativeSocket s = Native(connection);
    CopyBlocks([s](char* buffer, int size) { return static_cast<int>(recv(s, buffer, size, 0)); },
               [outputFd](const char* data, int size) { return WriteToDescriptor(outputFd, data, size); });
    std::lock_guard<std::mutex> lock(mutex_);
    if (open_.erase(connection)) CloseNativeSocket(s);  // else Close has closed it
    if (--readers_ == 0) readersDone_.notify_all();
}

void ConsoleListener::CloseListeningSocket() {
    std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
    if (listening_ != InvalidSocket()) {
        // Shutting down first also wakes an accept blocked in another thread.
        shutdown(Native(listening_), kShutBoth);
        CloseNativeSocket(Native(listening_));
        listening_ = InvalidSocket();
        port_ = 0;
    }
}

void ConsoleListener::Close() {
    CloseListeningSocket();
    std::unique_lock<std::mutex> lock(mutex_);
    for (SocketHandle connection : open_) {
        shutdown(Native(connection), kShutBoth);
#ifdef _WIN32
        // Only closing wakes a receive that waits in another thread here.
        CloseNativeSocket(Native(connection));
#endif
    }
#ifdef _WIN32
    open_.clear();
#endif
    readersDone_.wait(lock, [this] { return readers_ == 0; });
}

}  // namespace brivel::console
