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

TEST_F(AcceptFailures, ADescriptorShortageForAWhileDoesNotEndAccepting) {
    ConsoleListener listener;
    ASSERT_EQ(listener.Open(), ConsoleListener::OpenResult::Listening);
    const std::string output = Path("output");
    int fd = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    int client = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    ASSERT_GE(client, 0);
    std::thread accepting([&] { listener.AcceptLoop(fd); });

    // No descriptor can be opened beyond those open now.
    rlimit before;
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &before), 0);
    int lowestFree = dup(0);
    ASSERT_GE(lowestFree, 0);
    close(lowestFree);
    rlimit lowered = before;
    lowered.rlim_cur = static_cast<rlim_t>(lowestFree);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &lowered), 0);

    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(listener.Port());
    int connected = connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // accepting fails meanwhile
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &before), 0);
    ASSERT_EQ(connected, 0);

    ASSERT_EQ(send(client, "still here", 10, 0), 10);
    close(client);
    std::string received;
    for (int i = 0; i < 500 && received.size() < 10; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        received = brivel::testing::ReadFileBytes(output);
    }
    EXPECT_EQ(received, "still here");
    listener.Close();
    accepting.join();
    close(fd);
}
