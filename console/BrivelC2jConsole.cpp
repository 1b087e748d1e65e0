// BrivelC2jConsole: shows what Java code running inside COM client processes
// writes to System.out and System.err. One instance runs at a time; it
// listens on the loop-back address, tells the COM-to-Java runtime its port
// through the registry and copies every byte that arrives to its standard
// output.
#include <winsock.h>
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

#include "AppProfile.h"
#include "ConsoleHandOver.h"
#include "ConsoleListener.h"
#include "ConsoleTexts.h"
#include "InfoDialog.h"
#include "ServerSocket.h"

using namespace brivel::console;

namespace {
constexpr int kStandardOutput = 1;
}  // namespace

int main() {
    const std::string programName = brivel::winui::ProgramName();
    if (programName.empty()) {
        std::printf("%s", kInitFailedText);
        return 1;
    }
    SetConsoleTitleA(kWindowTitle);

    HANDLE mutex = CreateMutexA(nullptr, TRUE, kConsoleMutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        if (mutex) CloseHandle(mutex);
        ShowMessage(programName, kAlreadyRunningText);
        return 1;
    }
    if (!mutex) {
        ShowMessage(programName, kMutexFailedText);
        return 1;
    }
    const brivel::winui::AppProfile profile(kProfileRegistryKey, programName);

    // The listener and its published port come before the dialog: a runtime
    // that finds the mutex while the dialog waits on the user must find the
    // port of this run, not the one a previous run left behind.
    WSADATA winsock;
    WSAStartup(0x0101, &winsock);
    // Lives until the process ends: reader threads may run to the last moment.
    ConsoleListener& listener = *new ConsoleListener;
    CreateServerSocket(listener, programName);

    ShowInfoIfWanted(profile);

    std::fputs(Banner().c_str(), stdout);
    std::fflush(stdout);
    // Received bytes pass unchanged: no line-end translation from here on.
    _setmode(kStandardOutput, _O_BINARY);

    // One reader thread per connection; the loop ends only when accepting
    // fails for good.
    listener.AcceptLoop(kStandardOutput);

    listener.CloseListeningSocket();
    WSACleanup();
    CloseHandle(mutex);
    return 0;
}
