// The child programs that the process tests start, and how they start them
// (through the layer's CreateProcessA, as the product does).
#pragma once
#include <windows.h>

#include <string>

#include "ProgramFolder.h"

namespace brivel::testing {
// The child program that the process tests start (it exits with 7).
inline std::string EchoProgram() { return ProgramFolder() + "/compat_echo_arguments"; }

// Starts `program`; answers the exit code, or the start's error with its
// sign inverted.
inline long RunProgram(const std::string& program) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + program + "\"";
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -static_cast<long>(GetLastError());
    DWORD code = 0;
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<long>(code);
}
}  // namespace brivel::testing
