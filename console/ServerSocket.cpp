#include "ServerSocket.h"

#include <windows.h>

#include <cstdlib>

#include "ConsoleHandOver.h"
#include "ConsoleTexts.h"

namespace brivel::console {
namespace {

[[noreturn]] void Fail(const std::string& programName, const char* text, ConsoleListener& listener) {
    listener.CloseListeningSocket();
    ShowMessage(programName, text);
    std::exit(1);
}

}  // namespace

void ShowMessage(const std::string& programName, const char* text) {
    MessageBoxA(nullptr, text, programName.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void CreateServerSocket(ConsoleListener& listener, const std::string& programName) {
    switch (listener.Open()) {
    case ConsoleListener::OpenResult::Listening:
        break;
    case ConsoleListener::OpenResult::SocketFailed:
        Fail(programName, kSocketFailedText, listener);
    case ConsoleListener::OpenResult::BindFailed:
        Fail(programName, kBindFailedText, listener);
    }

    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kPortKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        Fail(programName, kRegistryFailedText, listener);
    DWORD port = listener.Port();
    LONG written =
        RegSetValueExA(key, kPortValueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&port), sizeof port);
    RegCloseKey(key);
    if (written != ERROR_SUCCESS) Fail(programName, kPortWriteFailedText, listener);
}

}  // namespace brivel::console
