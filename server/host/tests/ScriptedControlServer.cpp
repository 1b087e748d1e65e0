#include "ScriptedControlServer.h"

#ifdef _WIN32
#include <winsock.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <chrono>

namespace brivel::serverhost::testing {
namespace {

#ifdef _WIN32
using NativeSocket = SOCKET;
using AddressLength = int;
constexpr int kShutBoth = 2;  // SD_BOTH
void CloseNativeSocket(NativeSocket s) { closesocket(s); }
#else
using NativeSocket = int;
using AddressLength = socklen_t;
constexpr NativeSocket INVALID_SOCKET = -1;
constexpr int kShutBoth = SHUT_RDWR;
void CloseNativeSocket(NativeSocket s) { ::close(s); }
#endif

NativeSocket ListenOnLoopBack(int& port) {
    NativeSocket s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = inet_addr("127.0.0.1");
    AddressLength length = sizeof address;
    if (s == INVALID_SOCKET || bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(s, 4) != 0 || getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (s != INVALID_SOCKET) CloseNativeSocket(s);
        return INVALID_SOCKET;
    }
    port = ntohs(address.sin_port);
    return s;
}

}  // namespace

ScriptedControlServer::ScriptedControlServer(std::vector<std::string> replies, Ending ending)
    : replies_(std::move(replies)), ending_(ending) {
    NativeSocket s = ListenOnLoopBack(port_);
    listener_ = static_cast<long long>(s);
    if (s != INVALID_SOCKET) thread_ = std::thread([this] { Serve(); });
}

ScriptedControlServer::~ScriptedControlServer() {
    Release();
    // Wakes an accept that waits for a connection that never came.
    if (listener_ != static_cast<long long>(INVALID_SOCKET)) {
        shutdown(static_cast<NativeSocket>(listener_), kShutBoth);
        CloseNativeSocket(static_cast<NativeSocket>(listener_));
    }
    if (thread_.joinable()) thread_.join();
}

void ScriptedControlServer::Serve() {
    for (const std::string& reply : replies_) {
        NativeSocket connection = accept(static_cast<NativeSocket>(listener_), nullptr, nullptr);
        if (connection == INVALID_SOCKET) return;
        std::string request;
        char buffer[4];
        const size_t taken = ending_ == Ending::Reset ? 2 : 4;
        while (request.size() < taken) {
            int n = recv(connection, buffer, static_cast<int>(taken - request.size()), 0);
            if (n <= 0) break;
            request.append(buffer, static_cast<size_t>(n));
        }
        {
            std::lock_guard<std::mutex> guard(lock_);
            requests_.push_back(request);
        }
        changed_.notify_all();
        if (ending_ == Ending::Hold) {
            std::unique_lock<std::mutex> guard(lock_);
            changed_.wait(guard, [this] { return released_; });
        } else if (ending_ == Ending::Reset) {
            linger abort{1, 0};
            setsockopt(connection, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort), sizeof abort);
        } else if (!reply.empty()) {
            send(connection, reply.data(), static_cast<int>(reply.size()), 0);
        }
        CloseNativeSocket(connection);
    }
}

std::vector<std::string> ScriptedControlServer::Requests(size_t count) {
    std::unique_lock<std::mutex> guard(lock_);
    changed_.wait_for(guard, std::chrono::seconds(20), [&] { return requests_.size() >= count; });
    std::vector<std::string> requests = requests_;
    requests.resize(count);
    return requests;
}

void ScriptedControlServer::Release() {
    {
        std::lock_guard<std::mutex> guard(lock_);
        released_ = true;
    }
    changed_.notify_all();
}

int UnusedPort() {
    int port = 0;
    NativeSocket s = ListenOnLoopBack(port);
    if (s != INVALID_SOCKET) CloseNativeSocket(s);
    return port;
}

}  // namespace brivel::serverhost::testing
