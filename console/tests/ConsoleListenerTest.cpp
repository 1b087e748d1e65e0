// The listener in-process, over real loop-back sockets, writing to a file.
#include "ConsoleListener.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <string>
#include <thread>

#ifdef _WIN32
#include <winsock2.h>
#include <io.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include "TempFolder.h"
#include "WaitUntil.h"

using brivel::console::ConsoleListener;

namespace {

#ifdef _WIN32
using Socket = SOCKET;
void CloseSocket(Socket s) { closesocket(s); }
int OpenOutput(const std::string& path) { return _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, 0600); }
void CloseOutput(int fd) { _close(fd); }
struct Sockets {
    Sockets() {
        WSADATA data;
        WSAStartup(MAKEWORD(1, 1), &data);
    }
    ~Sockets() { WSACleanup(); }
};
#else
using Socket = int;
constexpr Socket INVALID_SOCKET = -1;
void CloseSocket(Socket s) { ::close(s); }
int OpenOutput(const std::string& path) { return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600); }
void CloseOutput(int fd) { ::close(fd); }
struct Sockets {};
#endif

Socket Connect(unsigned short port) {
    Socket s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (s != INVALID_SOCKET && connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        CloseSocket(s);
        return INVALID_SOCKET;
    }
    return s;
}

void Send(Socket s, const std::string& bytes) {
    for (size_t done = 0; done < bytes.size();) {
        int sent = static_cast<int>(send(s, bytes.data() + done, static_cast<int>(bytes.size() - done), 0));
        ASSERT_GT(sent, 0);
        done += sent;
    }
}

// The bytes the listener has written so far, once they are at least `size`
// or the wait gave up (the caller compares them, so a failure shows them).
std::string WaitForFileSize(const std::string& path, size_t size) {
    std::string bytes;
    brivel::testing::WaitUntil([&] {
        bytes = brivel::testing::ReadFileBytes(path);
        return bytes.size() >= size;
    });
    return bytes;
}

class Listener : public brivel::testing::TempFolderTest {
    Sockets sockets_;
};

}  // namespace

TEST_F(Listener, CopiesConnectionsUnchangedAndCloseEndsTheOpenOnes) {
    std::string payload = "out\nerr\r\n";
    for (int i = 0; i < 256; ++i) payload += static_cast<char>(i);
    payload += std::string(3000, '\0');

    ConsoleListener listener;
    ASSERT_EQ(listener.Open(), ConsoleListener::OpenResult::Listening);
    const unsigned short port = listener.Port();
    ASSERT_NE(port, 0);
    const std::string outputPath = Path("output.bin");
    int output = OpenOutput(outputPath);
    ASSERT_GE(output, 0);
    std::thread accepting([&] { listener.AcceptLoop(output); });
    // However the test ends, the listener is closed and its thread joined
    // (a failed assertion returns early; a joinable thread would end the
    // whole test program).
    struct CloseOnExit {
        ConsoleListener& listener;
        std::thread& accepting;
        ~CloseOnExit() {
            if (!accepting.joinable()) return;
            listener.Close();
            accepting.join();
        }
    } closeOnExit{listener, accepting};

    Socket silent = Connect(port);
    ASSERT_NE(silent, INVALID_SOCKET);
    CloseSocket(silent);
    Socket first = Connect(port);
    ASSERT_NE(first, INVALID_SOCKET);
    Send(first, payload);
    CloseSocket(first);
    ASSERT_EQ(WaitForFileSize(outputPath, payload.size()), payload);

    // A client still connected when the listener closes: its reader ends.
    Socket lingering = Connect(port);
    ASSERT_NE(lingering, INVALID_SOCKET);
    Send(lingering, "open");
    ASSERT_EQ(WaitForFileSize(outputPath, payload.size() + 4), payload + "open");
    listener.Close();
    accepting.join();
    EXPECT_EQ(listener.Port(), 0);
    EXPECT_EQ(Connect(port), INVALID_SOCKET);
    CloseSocket(lingering);
    CloseOutput(output);

    EXPECT_EQ(brivel::testing::ReadFileBytes(outputPath), payload + "open");
}
