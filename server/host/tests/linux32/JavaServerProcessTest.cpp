// The Java server (BrivelServer.jar's BrvServerMain) run by the real i386
// java launcher with BrvServerLib: it serves a client connection, starts the
// connection's own Java process, and answers the server host's control
// request on its configured port.
#include <windows.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "ControlConnection.h"
#include "ScriptedControlServer.h"
#include "TempFolder.h"

using namespace brivel::serverhost;
using brivel::testing::ReadFileBytes;
using brivel::testing::WriteFileBytes;

namespace {

const std::string kConfigFile = std::string(BRIVEL_LIBRARY_DIR) + "/BrivelServer.config";

bool WaitUntil(const std::function<bool()>& condition, int seconds = 60) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

class JavaServer : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        port_ = brivel::serverhost::testing::UnusedPort();
        WriteFileBytes(kConfigFile, "defaultPort: " + std::to_string(port_) + "\n");
        log_ = Path("server.log");
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        HANDLE log = CreateFileA(log_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(log, INVALID_HANDLE_VALUE);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = log;
        startup.hStdError = log;
        // BRIVEL_JAVA32: the launcher as this build needs it to load the
        // build's JNI library (the sanitizer build preloads its runtime).
        std::string command = "\"" BRIVEL_JAVA32 "\" -Djava.library.path=\"" BRIVEL_LIBRARY_DIR
                              "\" -classpath \"" BRIVEL_SERVER_JAR ":" BRIVEL18_JAR "\" brivel.server.BrvServerMain";
        bool started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                      &process_);
        CloseHandle(log);
        ASSERT_TRUE(started) << GetLastError();
        ASSERT_TRUE(WaitUntil([&] { return Log().find("listening on port") != std::string::npos; })) << Log();
    }

    void TearDown() override {
        if (process_.hProcess) {
            if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0)
                ExchangeControlRequest(port_, true, 10000);  // a server left running must not outlive the test
            WaitForSingleObject(process_.hProcess, 30000);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
            // The output of the server's VM and of its connections' VMs,
            // where the run looks for the VM's reports of JNI faults.
            std::printf("The server's output:\n%s\n", Log().c_str());
        }
        std::remove(kConfigFile.c_str());
        TempFolderTest::TearDown();
    }

    std::string Log() const { return ReadFileBytes(log_); }

    // A client connection: its opening request, then the id the server answers.
    int ConnectClient(int clientNumber) {
        client_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<unsigned short>(port_));
        address.sin_addr.s_addr = inet_addr("127.0.0.1");
        if (connect(client_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return -100;
        unsigned char opening[4] = {4, 0, 'C', static_cast<unsigned char>(clientNumber)};
        send(client_, opening, sizeof opening, 0);
        unsigned char answer[7];
        size_t got = 0;
        while (got < sizeof answer) {
            ssize_t n = recv(client_, answer + got, sizeof answer - got, 0);
            if (n <= 0) return -200;
            got += static_cast<size_t>(n);
        }
        if (answer[2] != 'I') return -300;
        return answer[3] | answer[4] << 8 | answer[5] << 16 | answer[6] << 24;
    }

    DWORD ExitCode() {
        if (WaitForSingleObject(process_.hProcess, 30000) != WAIT_OBJECT_0) return STILL_ACTIVE;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

    int port_ = 0;
    std::string log_;
    PROCESS_INFORMATION process_{};
    int client_ = -1;
};

}  // namespace

TEST_F(JavaServer, ServesAClientThroughItsOwnProcessAndQuitsOnceTheLastConnectionEnded) {
    EXPECT_EQ(ConnectClient(9), 0x100);
    ASSERT_TRUE(WaitUntil([&] { return Log().find("Connection 256 of client 9") != std::string::npos; })) << Log();

    ControlExchange whileOpen = ExchangeControlRequest(port_, false, 10000);
    EXPECT_EQ(whileOpen.outcome, ControlOutcome::Running);
    EXPECT_EQ(whileOpen.openConnections, 1u);

    close(client_);
    ControlExchange last;
    ASSERT_TRUE(WaitUntil([&] {
        last = ExchangeControlRequest(port_, false, 10000);
        return last.outcome != ControlOutcome::Running;
    }));
    EXPECT_EQ(last.outcome, ControlOutcome::Quitting);
    EXPECT_EQ(ExitCode(), 0u);
    EXPECT_NE(Log().find("Brivel server quits"), std::string::npos);
}

TEST_F(JavaServer, AForcedRequestEndsTheServerWithConnectionsOpen) {
    EXPECT_EQ(ConnectClient(1), 0x100);
    EXPECT_EQ(ExchangeControlRequest(port_, true, 10000).outcome, ControlOutcome::Quitting);
    EXPECT_EQ(ExitCode(), 0u);
    close(client_);
}
