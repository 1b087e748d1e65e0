// The listener when accepting fails for a while: the process has no
// descriptor left for the connection (its limit lowered), then has again.
#include "ConsoleListener.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "TempFolder.h"

using brivel::console::ConsoleListener;
using AcceptFailures = brivel::testing::TempFolderTest;

namespace {
// A descriptor closed however the test ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) close(fd);
    }
};

// The accepting thread: the listener is closed and the thread joined
// however the test ends (a failed assertion returns early, and a joinable
// thread would end the whole test program).
struct Accepting {
    ConsoleListener& listener;
    std::thread thread;
    ~Accepting() {
        listener.Close();
        if (thread.joinable()) thread.join();
    }
};

// The descriptor limit, put back however the test ends.
struct LimitRestored {
    rlimit saved;
    ~LimitRestored() { setrlimit(RLIMIT_NOFILE, &saved); }
};
}  // namespace

TEST_F(AcceptFailures, ADescriptorShortageForAWhileDoesNotEndAccepting) {
    ConsoleListener listener;
    ASSERT_EQ(listener.Open(), ConsoleListener::OpenResult::Listening);
    const std::string output = Path("output");
    Descriptor file{::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600)};
    ASSERT_GE(file.fd, 0);
    Descriptor client{socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)};
    ASSERT_GE(client.fd, 0);
    const int outputFd = file.fd;
    Accepting accepting{listener, std::thread([&listener, outputFd] { listener.AcceptLoop(outputFd); })};

    // No descriptor can be opened beyond those open now.
    rlimit before;
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &before), 0);
    int lowestFree = dup(0);
    ASSERT_GE(lowestFree, 0);
    close(lowestFree);
    int connected = -1;
    {
        LimitRestored restore{before};
        rlimit lowered = before;
        lowered.rlim_cur = static_cast<rlim_t>(lowestFree);
        ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &lowered), 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(listener.Port());
        connected = connect(client.fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));  // accepting fails meanwhile
    }
    ASSERT_EQ(connected, 0);

    ASSERT_EQ(send(client.fd, "still here", 10, 0), 10);
    close(client.fd);
    client.fd = -1;
    std::string received;
    for (int i = 0; i < 500 && received.size() < 10; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        received = brivel::testing::ReadFileBytes(output);
    }
    EXPECT_EQ(received, "still here");
}
