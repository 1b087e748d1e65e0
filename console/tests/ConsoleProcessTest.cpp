// BrivelC2jConsole as a real process under Wine, with the information dialog
// switched off in its profile so that nothing waits on a user.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "ConsoleHandOver.h"
#include "ConsoleProcess.h"
#include "ConsoleTexts.h"

using namespace brivel::console;
using namespace brivel::console::testing;

namespace {

constexpr DWORD kStalePort = 1;  // what a previous run might have left behind

class Console : public ::testing::Test {
protected:
    void SetUp() override {
        SetShowInfo(1);
        WritePublishedPort(kStalePort);
    }

    // Starts the console and waits until it accepts (its banner is out).
    void StartConsole(ConsoleProcess& console) {
        ASSERT_TRUE(console.Start());
        ASSERT_TRUE(console.WaitForOutputSize(BannerOnPipe().size())) << console.Output();
        port_ = ReadPublishedPort();
        ASSERT_NE(port_, kStalePort);
        ASSERT_NE(port_, 0u);
    }

    DWORD port_ = 0;
};

// Every byte value, zero bytes and both kinds of line end.
std::string BinaryPayload() {
    std::string bytes = "System.out line\nSystem.err line\r\n";
    for (int round = 0; round < 3; ++round)
        for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    return bytes + std::string(5, '\0') + "\n\n\xff";
}

}  // namespace

TEST_F(Console, PublishesItsPortAndCopiesAClientsBytesUnchanged) {
    ConsoleProcess console;
    StartConsole(console);
    EXPECT_EQ(console.Output(), BannerOnPipe());
    EXPECT_EQ(console.Output().substr(0, 50), "Brivel Com-to-Java Output/Error Console Window\r\n\r\n");
    EXPECT_NE(console.Output().find("\r\n" + std::string(38, '-') + "\r\n\r\n"), std::string::npos);

    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, kConsoleMutexName);
    EXPECT_NE(mutex, nullptr);  // what the runtime looks for
    if (mutex) CloseHandle(mutex);

    SOCKET client = ConnectToConsole(port_);
    ASSERT_NE(client, INVALID_SOCKET);
    const std::string payload = BinaryPayload();
    ASSERT_TRUE(SendAll(client, payload));
    closesocket(client);
    ASSERT_TRUE(console.WaitForOutputSize(BannerOnPipe().size() + payload.size()));
    Sleep(100);
    EXPECT_EQ(console.Output(), BannerOnPipe() + payload);
    EXPECT_EQ(ReadPublishedPort(), port_);
}

TEST_F(Console, BytesOfSeveralClientsAtOnceArriveWholeAndInOrder) {
    ConsoleProcess console;
    StartConsole(console);

    // Client k sends only byte values v with v % kClients == k, so that each
    // client's stream can be picked out of the interleaved output.
    constexpr int kClients = 4;
    constexpr size_t kBytesPerClient = 200000;
    std::vector<std::string> streams(kClients);
    unsigned seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 8; };
    for (int k = 0; k < kClients; ++k)
        for (size_t i = 0; i < kBytesPerClient; ++i)
            streams[k] += static_cast<char>((next() % (256 / kClients)) * kClients + k);

    std::vector<SOCKET> clients;
    for (int k = 0; k < kClients; ++k) {
        clients.push_back(ConnectToConsole(port_));
        ASSERT_NE(clients.back(), INVALID_SOCKET);
    }
    std::vector<std::thread> senders;
    std::vector<int> sentWhole(kClients, 0);
    for (int k = 0; k < kClients; ++k) {
        senders.emplace_back([&, k] {
            const std::string& stream = streams[k];
            unsigned chunkSeed = 7u + k;
            bool ok = true;
            for (size_t done = 0; ok && done < stream.size();) {
                chunkSeed = chunkSeed * 1103515245u + 12345u;
                size_t chunk = std::min<size_t>(1 + (chunkSeed >> 8) % 3000, stream.size() - done);
                ok = SendAll(clients[k], stream.substr(done, chunk));
                done += chunk;
            }
            sentWhole[k] = ok;
            closesocket(clients[k]);
        });
    }
    for (auto& sender : senders) sender.join();
    for (int k = 0; k < kClients; ++k) EXPECT_TRUE(sentWhole[k]) << "client " << k;

    const size_t expected = BannerOnPipe().size() + kClients * kBytesPerClient;
    ASSERT_TRUE(console.WaitForOutputSize(expected)) << console.Output().size() << " of " << expected;
    Sleep(100);
    const std::string output = console.Output();
    ASSERT_EQ(output.size(), expected);
    ASSERT_EQ(output.substr(0, BannerOnPipe().size()), BannerOnPipe());
    std::vector<std::string> picked(kClients);
    for (size_t i = BannerOnPipe().size(); i < output.size(); ++i)
        picked[static_cast<unsigned char>(output[i]) % kClients] += output[i];
    for (int k = 0; k < kClients; ++k) EXPECT_TRUE(picked[k] == streams[k]) << "client " << k;
}

TEST_F(Console, ClientThatSendsNothingPrintsNothing) {
    ConsoleProcess console;
    StartConsole(console);
    for (int i = 0; i < 3; ++i) {
        SOCKET silent = ConnectToConsole(port_);
        ASSERT_NE(silent, INVALID_SOCKET);
        closesocket(silent);
    }
    SOCKET client = ConnectToConsole(port_);
    ASSERT_NE(client, INVALID_SOCKET);
    ASSERT_TRUE(SendAll(client, "after"));
    closesocket(client);
    ASSERT_TRUE(console.WaitForOutputSize(BannerOnPipe().size() + 5));
    Sleep(200);
    EXPECT_EQ(console.Output(), BannerOnPipe() + "after");
}

TEST_F(Console, SecondInstanceSaysSoAndExitsWithOneWhileTheFirstGoesOn) {
    ConsoleProcess first;
    StartConsole(first);

    ConsoleProcess second;
    ASSERT_TRUE(second.Start());
    if (HaveDisplay()) {
        HWND box = second.WaitForDialog();
        ASSERT_NE(box, nullptr);
        EXPECT_NE(ChildTexts(box).find(kAlreadyRunningText), std::string::npos) << ChildTexts(box);
        char caption[256] = "";
        GetWindowTextA(box, caption, sizeof caption);
        EXPECT_STREQ(caption, "BrivelC2jConsole");
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    EXPECT_EQ(second.WaitForExit(), 1u);
    EXPECT_EQ(second.Output(), "");
    EXPECT_EQ(ReadPublishedPort(), port_);

    SOCKET client = ConnectToConsole(port_);
    ASSERT_NE(client, INVALID_SOCKET);
    ASSERT_TRUE(SendAll(client, "still here\n"));
    closesocket(client);
    ASSERT_TRUE(first.WaitForOutputSize(BannerOnPipe().size() + 11));
    EXPECT_EQ(first.Output(), BannerOnPipe() + "still here\n");
}
