// Throughput of the console's listener and copy loop against a plain
// loopback copy on the same machine: clients on 127.0.0.1 send a fixed
// number of bytes; the listener copies them to a pipe that a drain thread
// empties, counting. The floor accepts the same connections and copies
// with a bare recv/write loop of the same block size into the same kind of
// pipe. Prints one BENCH line per client count, in MB/s (higher is better).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "BenchRounds.h"
#include "ConsoleListener.h"
#include "OutputCopier.h"

using brivel::console::ConsoleListener;

namespace {
constexpr long long kBytesPerRound = 64LL << 20;

void Fail(const char* what) {
    std::perror(what);
    std::exit(1);
}

int Connect(unsigned short port) {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (s < 0 || connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) Fail("connect");
    return s;
}

// Sends `bytes` in blocks from `clients` connections at once, then waits
// until the drain has read them all from `pipeOut`; seconds taken.
double Transfer(unsigned short port, int clients, int pipeOut) {
    long long each = kBytesPerRound / clients;
    auto start = std::chrono::steady_clock::now();
    std::atomic<long long> drained{0};
    std::thread drain([&] {
        std::vector<char> block(1 << 16);
        while (drained < each * clients) {
            ssize_t n = read(pipeOut, block.data(), block.size());
            if (n <= 0) Fail("drain");
            drained += n;
        }
    });
    std::vector<std::thread> senders;
    for (int c = 0; c < clients; ++c)
        senders.emplace_back([&] {
            int s = Connect(port);
            std::vector<char> block(1 << 16, 'x');
            for (long long sent = 0; sent < each;) {
                ssize_t n = send(s, block.data(), static_cast<size_t>(std::min<long long>(block.size(), each - sent)), 0);
                if (n <= 0) Fail("send");
                sent += n;
            }
            close(s);
        });
    for (auto& t : senders) t.join();
    drain.join();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The floor: a listening socket whose connections are each copied by a
// thread of their own with a bare recv/write loop.
class PlainCopier {
public:
    explicit PlainCopier(int outputFd) : output_(outputFd) {
        listening_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (bind(listening_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(listening_, 64) != 0 ||
            getsockname(listening_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            Fail("plain listener");
        port_ = ntohs(address.sin_port);
        accepting_ = std::thread([this] {
            for (;;) {
                int s = accept(listening_, nullptr, nullptr);
                if (s < 0) return;
                std::thread([this, s] {
                    char block[brivel::console::kReadBlockSize];
                    for (ssize_t n; (n = recv(s, block, sizeof block, 0)) > 0;)
                        for (ssize_t done = 0; done < n;) {
                            ssize_t w = write(output_, block + done, n - done);
                            if (w <= 0) break;
                            done += w;
                        }
                    close(s);
                }).detach();
            }
        });
    }
    ~PlainCopier() {
        shutdown(listening_, SHUT_RDWR);
        close(listening_);
        accepting_.join();
    }
    unsigned short Port() const { return port_; }

private:
    int output_;
    int listening_ = -1;
    unsigned short port_ = 0;
    std::thread accepting_;
};
}  // namespace

int main() {
    int console[2], plain[2];
    if (pipe(console) != 0 || pipe(plain) != 0) Fail("pipe");

    ConsoleListener listener;
    if (listener.Open() != ConsoleListener::OpenResult::Listening) Fail("console listener");
    std::thread accepting([&] { listener.AcceptLoop(console[1]); });
    PlainCopier copier(plain[1]);

    for (int clients : {1, 4}) {
        Transfer(listener.Port(), clients, console[0]);  // warm-up
        Transfer(copier.Port(), clients, plain[0]);
        std::vector<double> ours, floor;
        for (int round = 0; round < 5; ++round) {
            floor.push_back(kBytesPerRound / 1e6 / Transfer(copier.Port(), clients, plain[0]));
            ours.push_back(kBytesPerRound / 1e6 / Transfer(listener.Port(), clients, console[0]));
        }
        char key[32];
        std::snprintf(key, sizeof key, "console.clients_%d", clients);
        brivel::bench::Report(key, brivel::bench::Median(ours), brivel::bench::Median(floor), "MB/s");
    }
    listener.Close();
    accepting.join();
    return 0;
}
