// This test program stands in for the process of one connection: the natives
// start the running program (here, this one) with the arguments of
// brivel.server.TransactEnv. Run so, it appends its arguments and whether it
// inherited the thread-mode variable to the file that BRIVEL_CONNECTION_RECORD
// names, one line per run, and ends before any test runs.
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::string> OwnArguments() {
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> arguments;
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\0', start);
        if (end == std::string::npos) end = all.size();
        arguments.push_back(all.substr(start, end - start));
        start = end + 1;
    }
    return arguments;
}

struct ConnectionProcessStandIn {
    ConnectionProcessStandIn() {
        std::vector<std::string> arguments = OwnArguments();
        bool isConnection = false;
        for (const std::string& argument : arguments) isConnection |= argument == "brivel.server.TransactEnv";
        if (!isConnection) return;
        std::string line;
        for (const std::string& argument : arguments) line += argument + "|";
        const char* mode = std::getenv("__brivelThreadInitializationMode__");
        line += std::string("mode=") + (mode ? mode : "<absent>") + "\n";
        if (const char* record = std::getenv("BRIVEL_CONNECTION_RECORD")) {
            int fd = open(record, O_WRONLY | O_APPEND | O_CREAT, 0644);
            if (fd >= 0) {
                ssize_t ignored = write(fd, line.data(), line.size());  // one write: lines of processes do not mix
                (void)ignored;
                close(fd);
            }
        }
        _exit(0);
    }
} g_standIn;

}  // namespace
