// Windows Sockets for the length of a test (nothing to do on linux32).
#pragma once

#ifdef _WIN32
#include <winsock.h>
#endif

namespace brivel::serverhost::testing {

class SocketsForTests {
public:
#ifdef _WIN32
    SocketsForTests() {
        WSADATA data;
        WSAStartup(MAKEWORD(1, 1), &data);
    }
    ~SocketsForTests() { WSACleanup(); }
#endif
};

}  // namespace brivel::serverhost::testing
