// The listener's handling of failed accepts as the console ships it (the
// platform's branch, over the platform's real sockets). The listener calls
// accept through its import entry; this program defines that entry, so
// that accept fails as the system fails it (WSASetLastError, then
// INVALID_SOCKET) before the real accept takes the connections.
#include "ConsoleListener.h"

#include <gtest/gtest.h>

#include <winsock2.h>
#include <fcntl.h>
#include <io.h>

#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "TempFolder.h"
#include "WaitUntil.h"

using brivel::console::ConsoleListener;

namespace {
using AcceptFunction = SOCKET(WINAPI*)(SOCKET, sockaddr*, int*);

std::mutex g_lock;
std::deque<int> g_failures;  // the errors of the next accepts, guarded by g_lock
std::atomic<int> g_accepts{0};

void FailNext(int error, int times) {
    std::lock_guard<std::mutex> lock(g_lock);
    g_failures.insert(g_failures.end(), times, error);
}

size_t FailuresLeft() {
    std::lock_guard<std::mutex> lock(g_lock);
    return g_failures.size();
}

SOCKET WINAPI FailingAccept(SOCKET s, sockaddr* address, int* length) {
    ++g_accepts;
    {
        std::lock_guard<std::mutex> lock(g_lock);
        if (!g_failures.empty()) {
            WSASetLastError(g_failures.front());
            g_failures.pop_front();
            return INVALID_SOCKET;
        }
    }
    static const auto real = reinterpret_cast<AcceptFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("wsock32.dll"), "accept")));
    return real ? real(s, address, length) : INVALID_SOCKET;
}
}  // namespace

// The import entry of accept that the listener's code calls through.
extern "C" {
AcceptFunction g_acceptEntry __asm__("__imp__accept@12") = FailingAccept;
}

namespace {
class AcceptFailures : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        WSADATA data;
        ASSERT_EQ(WSAStartup(MAKEWORD(1, 1), &data), 0);
        ASSERT_EQ(listener_.Open(), ConsoleListener::OpenResult::Listening);
        output_ = _open(Path("output").c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, 0600);
        ASSERT_GE(output_, 0);
    }
    // The listener is closed and its thread joined however the test ends (a
    // joinable thread would end the whole test program).
    void TearDown() override {
        listener_.Close();
        if (accepting_.joinable()) accepting_.join();
        if (output_ >= 0) _close(output_);
        {
            std::lock_guard<std::mutex> lock(g_lock);
            g_failures.clear();
        }
        WSACleanup();
    }

    void StartAccepting() {
        finished_ = false;
        accepting_ = std::thread([this] {
            listener_.AcceptLoop(output_);
            finished_ = true;
        });
    }

    // Connects, sends `text` and closes; true when the listener wrote it.
    bool Delivered(const std::string& text) {
        SOCKET client = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(listener_.Port());
        bool sent = client != INVALID_SOCKET &&
                    connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                    send(client, text.data(), static_cast<int>(text.size()), 0) == static_cast<int>(text.size());
        if (client != INVALID_SOCKET) closesocket(client);
        return sent && brivel::testing::WaitUntil([&] {
                   return brivel::testing::ReadFileBytes(Path("output")).find(text) != std::string::npos;
               });
    }

    // Accepting fails with `error` for a while: it must pause between
    // attempts (a few in half a second, not hundreds), and once the failures
    // stop, the next connection is copied.
    void ExpectPausesWhileFailing(int error) {
        FailNext(error, 1000);
        StartAccepting();
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        int attempts = g_accepts;
        EXPECT_GE(attempts, 1);
        EXPECT_LE(attempts, 40) << "attempts without a pause";
        {
            std::lock_guard<std::mutex> lock(g_lock);
            g_failures.clear();
        }
        EXPECT_TRUE(Delivered("after the failures"));
    }

    ConsoleListener listener_;
    int output_ = -1;
    std::thread accepting_;
    std::atomic<bool> finished_{false};
};
}  // namespace

// A peer that gave up before it was accepted, an interrupted call, and a
// moment without descriptors or buffers do not end the console: the
// connection after them is copied.
TEST_F(AcceptFailures, FailuresThatPassDoNotEndAccepting) {
    for (int error : {WSAECONNRESET, WSAECONNABORTED, WSAEINTR, WSAEMFILE, WSAENOBUFS}) FailNext(error, 2);
    StartAccepting();
    EXPECT_TRUE(Delivered("still here"));
    EXPECT_EQ(FailuresLeft(), 0u);
    EXPECT_FALSE(finished_);
}

// Short of descriptors, accepting pauses between attempts instead of
// failing again at once; once there are descriptors again, it goes on.
TEST_F(AcceptFailures, AShortageOfDescriptorsPausesAccepting) {
    ExpectPausesWhileFailing(WSAEMFILE);
}

// A network subsystem that failed may stay down a while: accepting pauses
// between attempts, as for a shortage, instead of spinning; once the network
// is back, it goes on.
TEST_F(AcceptFailures, AFailedNetworkPausesAccepting) {
    ExpectPausesWhileFailing(WSAENETDOWN);
}

// A failure that lasts (the listening socket no longer valid) ends the
// loop by itself.
TEST_F(AcceptFailures, ALastingFailureEndsAccepting) {
    FailNext(WSAEINVAL, 1);
    StartAccepting();
    EXPECT_TRUE(brivel::testing::WaitUntil([&] { return finished_.load(); }));
    EXPECT_EQ(g_accepts, 1);
}
