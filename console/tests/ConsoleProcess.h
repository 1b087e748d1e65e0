// Runs BrivelC2jConsole.exe (built beside the tests) as a real process with
// its standard output on a pipe, and talks to it as the runtime would:
// through its registry values and loop-back connections.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

#include "WaitUntil.h"

namespace brivel::console::testing {

// How long a wait for the console may take before it counts as failed: as
// long as the tests' other waits, since every step of a Wine process (its
// start, its first window, a thread it starts) slows down when the suite
// runs in parallel. A wait that succeeds ends at once.
constexpr DWORD kPatientWaitMs =
    static_cast<DWORD>(std::chrono::milliseconds(brivel::testing::kPatientWait).count());

class ConsoleProcess {
public:
    ConsoleProcess() = default;
    ConsoleProcess(const ConsoleProcess&) = delete;
    ConsoleProcess& operator=(const ConsoleProcess&) = delete;
    // Ends the process if it still runs: no console outlives its test.
    ~ConsoleProcess();

    bool Start();
    // True once the output holds `bytes` bytes, false after `timeoutMs`.
    bool WaitForOutputSize(size_t bytes, DWORD timeoutMs = kPatientWaitMs);
    // Everything the process wrote so far.
    const std::string& Output();
    // The exit code, or STILL_ACTIVE when it runs on after `timeoutMs`.
    DWORD WaitForExit(DWORD timeoutMs = kPatientWaitMs);
    // The first visible dialog-class window of the process's main thread (a
    // dialog or a message box), or null after `timeoutMs`.
    HWND WaitForDialog(DWORD timeoutMs = kPatientWaitMs);

private:
    void Drain();

    PROCESS_INFORMATION process_{};
    HANDLE output_ = nullptr;
    std::string received_;
};

// The banner as it reaches a pipe: the C run-time writes its lines in text mode.
std::string BannerOnPipe();

// HKCU\Software\Orvanth Software\C2jConsole `port`; 0 when absent.
DWORD ReadPublishedPort();
void WritePublishedPort(DWORD port);
// HKCU\Software\Orvanth Software\BrivelC2jConsole\C2JConsole `ShowInfo`;
// set, or removed when `value` is negative.
void SetShowInfo(long long value);
// -1 when absent.
long long ReadShowInfo();

// A connected client socket, or INVALID_SOCKET.
SOCKET ConnectToConsole(DWORD port);
bool SendAll(SOCKET socket, const std::string& bytes);

// True when windows can be shown (a display is present).
bool HaveDisplay();

// The texts of a window's children, joined with '|'.
std::string ChildTexts(HWND window);

}  // namespace brivel::console::testing
