#include "ServerSocket.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "ConsoleHandOver.h"
#include "ConsoleTexts.h"

namespace brivel::console {
namespace {

[[noreturn]] void Fail(const std::string& programName, const char* text, SOCKET socketToClose) {
    if (socketToClose != INVALID_SOCKET) closesocket(socketToClose);
    ShowMessage(programName, text);
    std::exit(1);
}

}  // namespace

void ShowMessage(const std::string& programName, const char* text) {
    MessageBoxA(nullptr, text, programName.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

SOCKET CreateServerSocket(const std::string& programName) {
    SOCKET server = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (server == INVALID_SOCKET) Fail(programName, kSocketFailedText, INVALID_SOCKET);

    sockaddr_in address;
    std::memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    // Connections that arrive while the information dialog is still open wait
    // in the backlog, so it is not kept short.
    if (bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(server, SOMAXCONN) != 0)
        Fail(programName, kBindFailedText, server);

    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kPortKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        Fail(programName, kRegistryFailedText, server);

    sockaddr_in bound;
    int boundSize = sizeof bound;
    DWORD port = 0;
    if (getsockname(server, reinterpret_cast<sockaddr*>(&bound), &boundSize) == 0) port = ntohs(bound.sin_port);

    LONG written = port == 0 ? ERROR_INVALID_DATA
                             : RegSetValueExA(key, kPortValueName, 0, REG_DWORD,
                                              reinterpret_cast<const BYTE*>(&port), sizeof port);
    RegCloseKey(key);
    if (written != ERROR_SUCCESS) Fail(programName, kPortWriteFailedText, server);
    return server;
}

}  // namespace brivel::console
