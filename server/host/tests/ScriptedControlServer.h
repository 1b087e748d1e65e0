// A loop-back listener that plays the Java server's side of one control
// request for the tests: it keeps the request's bytes and answers with
// scripted bytes, or holds the connection without answering until it is
// released. Both builds (Windows Sockets must be started on win32).
#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace brivel::serverhost::testing {

class ScriptedControlServer {
public:
    enum class Ending {
        Close,  // answers its reply, then closes the connection
        Hold,   // answers nothing and keeps the connection until Release
        Reset,  // answers nothing and resets the connection (it leaves part
                // of the request unread, which makes the close a reset)
    };

    // Answers `reply` to the one connection it accepts.
    explicit ScriptedControlServer(std::string reply, Ending ending = Ending::Close)
        : ScriptedControlServer(std::vector<std::string>{std::move(reply)}, ending) {}
    // Answers the connections it accepts one after the other, each with its
    // reply.
    explicit ScriptedControlServer(std::vector<std::string> replies, Ending ending = Ending::Close);
    ~ScriptedControlServer();
    ScriptedControlServer(const ScriptedControlServer&) = delete;
    ScriptedControlServer& operator=(const ScriptedControlServer&) = delete;

    int Port() const { return port_; }
    // The request bytes received (waits for the connection to be served).
    std::string Request() { return Requests(1).front(); }
    // The requests of the first `count` connections, as far as they came.
    std::vector<std::string> Requests(size_t count);
    void Release();

private:
    void Serve();

    std::vector<std::string> replies_;
    Ending ending_;
    long long listener_ = -1;
    int port_ = 0;
    std::thread thread_;
    std::mutex lock_;
    std::condition_variable changed_;
    bool released_ = false;
    std::vector<std::string> requests_;
};

// A port on 127.0.0.1 that nobody listens on (one the system just gave and
// took back).
int UnusedPort();

}  // namespace brivel::serverhost::testing
