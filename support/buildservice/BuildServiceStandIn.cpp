#include "BuildServiceStandIn.h"

#ifdef _WIN32
#include <winsock2.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#endif

#include <algorithm>
#include <cstring>

namespace brivel::buildservice {
namespace {

#ifdef _WIN32
using NativeSocket = SOCKET;
constexpr int kShutBoth = SD_BOTH;
void CloseNative(NativeSocket s) { closesocket(s); }
// A port that another socket holds with SO_REUSEADDR set (the stand-in of a
// test run of another checkout) is refused as WSAEACCES, not WSAEADDRINUSE.
bool AddressInUse() { return WSAGetLastError() == WSAEADDRINUSE || WSAGetLastError() == WSAEACCES; }
#else
using NativeSocket = int;
constexpr NativeSocket INVALID_SOCKET = -1;
constexpr int kShutBoth = SHUT_RDWR;
void CloseNative(NativeSocket s) { ::close(s); }
bool AddressInUse() { return errno == EADDRINUSE; }
#endif

constexpr uintptr_t kNoSocket = static_cast<uintptr_t>(INVALID_SOCKET);
constexpr size_t kMaxHead = 64 * 1024;
constexpr uint64_t kMaxBody = 64 * 1024 * 1024;

NativeSocket Native(uintptr_t s) { return static_cast<NativeSocket>(s); }

bool SendBytes(uintptr_t connection, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        int n = static_cast<int>(send(Native(connection), bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0));
        if (n < 1) return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

// Base64 decoding of its own, so that the client's encoding is checked
// against an independent reading.
bool DecodeBase64(const std::string& text, std::string& out) {
    static const std::string kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (text.size() % 4 != 0) return false;
    out.clear();
    for (size_t i = 0; i < text.size(); i += 4) {
        uint32_t group = 0;
        int padding = 0;
        for (size_t j = 0; j < 4; ++j) {
            char c = text[i + j];
            size_t value = 0;
            if (c == '=' && i + 4 == text.size() && j >= 2) {
                ++padding;
            } else {
                value = kAlphabet.find(c);
                if (value == std::string::npos || padding) return false;
            }
            group = (group << 6) | static_cast<uint32_t>(value);
        }
        out += static_cast<char>(group >> 16);
        if (padding < 2) out += static_cast<char>((group >> 8) & 0xFF);
        if (padding < 1) out += static_cast<char>(group & 0xFF);
    }
    return true;
}

ScriptedReply PlainStatus(const std::string& statusLine, const std::string& extraHeader = std::string()) {
    ScriptedReply reply = ScriptedReply::Empty();
    reply.Bytes(statusLine + "\r\n" + extraHeader + "Content-Type: text/html\r\n\r\n<HTML>" + statusLine + "</HTML>\r\n");
    return reply;
}

}  // namespace

BuildServiceStandIn::BuildServiceStandIn()
    : listening_(kNoSocket),
      current_(kNoSocket),
      standing_(ScriptedReply::Ok().Message("The build service stand-in has no reply scripted", "Stand-in")) {
#ifdef _WIN32
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
#endif
}

BuildServiceStandIn::~BuildServiceStandIn() {
    Stop();
#ifdef _WIN32
    WSACleanup();
#endif
}

bool BuildServiceStandIn::Start(uint16_t port, std::chrono::milliseconds waitForPort) {
    sockaddr_in address;
    std::memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    auto deadline = std::chrono::steady_clock::now() + waitForPort;
    NativeSocket s;
    for (;;) {
        s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        if (s == INVALID_SOCKET) return false;
        int on = 1;
        // A port just used by the stand-in before may still hold connections
        // in TIME_WAIT.
        setsockopt(s, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on), sizeof on);
        // With the address reusable, two programs may both bind the port and
        // only the second to listen learns that it is taken: either step
        // failing so means the port is busy, and the stand-in waits for it.
        if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(s, 8) == 0) break;
        bool busy = AddressInUse();
        CloseNative(s);
        if (!busy || std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    sockaddr_in bound;
#ifdef _WIN32
    int boundSize = sizeof bound;
#else
    socklen_t boundSize = sizeof bound;
#endif
    if (getsockname(s, reinterpret_cast<sockaddr*>(&bound), &boundSize) != 0) {
        CloseNative(s);
        return false;
    }
    listening_ = static_cast<uintptr_t>(s);
    port_ = ntohs(bound.sin_port);
    stopping_ = false;
    thread_ = std::thread([this] { Serve(); });
    return true;
}

void BuildServiceStandIn::Stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        if (current_ != kNoSocket) shutdown(Native(current_), kShutBoth);
        if (listening_ != kNoSocket) {
            shutdown(Native(listening_), kShutBoth);
            CloseNative(Native(listening_));  // wakes the accept
            listening_ = kNoSocket;
        }
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void BuildServiceStandIn::SetReply(const ScriptedReply& reply) {
    std::lock_guard<std::mutex> lock(mutex_);
    standing_ = reply;
}

void BuildServiceStandIn::QueueReply(const ScriptedReply& reply) {
    std::lock_guard<std::mutex> lock(mutex_);
    queued_.push_back(reply);
}

void BuildServiceStandIn::RequireProxyCredentials(const std::string& user, const std::string& password) {
    std::lock_guard<std::mutex> lock(mutex_);
    requiredCredentials_ = user + ":" + password;
}

std::vector<ReceivedRequest> BuildServiceStandIn::Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

bool BuildServiceStandIn::WaitForReplies(size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return repliesDone_ >= count; });
}

void BuildServiceStandIn::Serve() {
    for (;;) {
        uintptr_t listening;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stopping_) return;
            listening = listening_;
        }
        NativeSocket connection = accept(Native(listening), nullptr, nullptr);
        if (connection == INVALID_SOCKET) return;
        int on = 1;
        setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stopping_) {
                CloseNative(connection);
                return;
            }
            current_ = static_cast<uintptr_t>(connection);
        }
        HandleConnection(static_cast<uintptr_t>(connection));
        {
            std::lock_guard<std::mutex> lock(mutex_);
            current_ = kNoSocket;
        }
        CloseNative(connection);
    }
}

void BuildServiceStandIn::HandleConnection(uintptr_t connection) {
    ReceivedRequest request;
    bool complete = ReadRequest(connection, request);
    ScriptedReply reply = complete ? ReplyTo(request) : ScriptedReply::Empty();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(request);
    }
    if (complete) SendReply(connection, reply);
    else ResetOnClose(connection);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++repliesDone_;
    }
    changed_.notify_all();
}

// The head up to its blank line, then exactly the body that Content-Length
// announces; false when the client ended before (the request is kept).
bool BuildServiceStandIn::ReadRequest(uintptr_t connection, ReceivedRequest& request) {
    char block[4096];
    size_t headEnd = std::string::npos;
    while (headEnd == std::string::npos) {
        int n = static_cast<int>(recv(Native(connection), block, sizeof block, 0));
        if (n < 1) {
            request.problem = "connection ended inside the head";
            return false;
        }
        request.raw.append(block, static_cast<size_t>(n));
        headEnd = request.raw.find("\r\n\r\n");
        if (headEnd == std::string::npos && request.raw.size() > kMaxHead) {
            request.problem = "head without an end";
            return true;  // answered with 400
        }
    }
    request.head = request.raw.substr(0, headEnd + 4);
    if (!ParseRequestHead(request.head, request)) return true;
    if (TakeUploadCutOff()) {
        request.problem = "upload cut off as scripted";
        return false;
    }
    uint64_t length = 0;
    if (!ContentLengthOf(request, length) || length > kMaxBody) {
        request.problem = "no usable Content-Length";
        return true;
    }
    while (request.raw.size() - request.head.size() < length) {
        int n = static_cast<int>(recv(Native(connection), block, sizeof block, 0));
        if (n < 1) {
            request.body = request.raw.substr(request.head.size());
            request.problem = "connection ended inside the body";
            return false;
        }
        request.raw.append(block, static_cast<size_t>(n));
    }
    request.body = request.raw.substr(request.head.size(), static_cast<size_t>(length));
    if (request.raw.size() > request.head.size() + length) request.problem = "bytes beyond Content-Length";
    else DecodeBody(request);
    return true;
}

ScriptedReply BuildServiceStandIn::ReplyTo(const ReceivedRequest& request) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (request.viaProxy && !requiredCredentials_.empty()) {
        std::string given = request.Header("Proxy-Authorization"), decoded;
        bool valid = given.compare(0, 6, "Basic ") == 0 && DecodeBase64(given.substr(6), decoded) &&
                     decoded == requiredCredentials_;
        if (!valid)
            return PlainStatus("HTTP/1.0 407 Proxy Authentication Required",
                               "Proxy-Authenticate: Basic realm=\"build\"\r\n");
    }
    if (!request.problem.empty()) return PlainStatus("HTTP/1.0 400 Bad Request");
    if (request.method != "POST") return PlainStatus("HTTP/1.0 405 Method Not Allowed");
    if (request.kind == RequestKind::Unknown) return PlainStatus("HTTP/1.0 404 Not Found");
    if (!queued_.empty()) {
        ScriptedReply reply = queued_.front();
        queued_.pop_front();
        return reply;
    }
    return standing_;
}

void BuildServiceStandIn::SendReply(uintptr_t connection, const ScriptedReply& reply) {
    for (const ScriptedReply::Segment& segment : reply.Segments()) {
        if (segment.pauseBeforeMs > 0 && !PauseFor(connection, segment.pauseBeforeMs)) return;
        if (!segment.bytes.empty() && !SendBytes(connection, segment.bytes)) return;
    }
    if (reply.EndsWithReset()) ResetOnClose(connection);
}

// A zero linger time makes the close a reset.
void BuildServiceStandIn::ResetOnClose(uintptr_t connection) {
    linger immediate{};
    immediate.l_onoff = 1;
    immediate.l_linger = 0;
    setsockopt(Native(connection), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&immediate),
               sizeof immediate);
}

// The reply due next cuts the upload off: it is used up by that.
bool BuildServiceStandIn::TakeUploadCutOff() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!queued_.empty()) {
        if (!queued_.front().CutsOffUpload()) return false;
        queued_.pop_front();
        return true;
    }
    return standing_.CutsOffUpload();
}

// Waits out a pause of the script; false, ending the reply, when the stand-in
// stops or the client has gone meanwhile.
bool BuildServiceStandIn::PauseFor(uintptr_t connection, int ms) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stopping_) return false;
        }
        auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return true;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(Native(connection), &readable);
        timeval wait{0, static_cast<long>(std::min<long long>(left.count(), 20000))};
        int ready = select(static_cast<int>(Native(connection)) + 1, &readable, nullptr, nullptr, &wait);
        if (ready > 0) {
            char byte;
            if (recv(Native(connection), &byte, 1, MSG_PEEK) < 1) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));  // more bytes than the request: ignored
        }
    }
}

}  // namespace brivel::buildservice
