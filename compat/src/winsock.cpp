// Windows Sockets start-up: POSIX sockets need none, so this only reports the
// version asked for, as a successful start does.
#include <winsock.h>

#include <cstring>

extern "C" int WINAPI WSAStartup(WORD versionRequested, LPWSADATA data) {
    if (!data) return 10014;  // WSAEFAULT
    std::memset(data, 0, sizeof *data);
    data->wVersion = versionRequested;
    data->wHighVersion = MAKEWORD(2, 2);
    std::strcpy(data->szDescription, "POSIX sockets");
    std::strcpy(data->szSystemStatus, "Running");
    return 0;
}

extern "C" int WINAPI WSACleanup(void) { return 0; }
