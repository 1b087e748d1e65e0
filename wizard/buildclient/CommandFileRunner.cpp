#include "CommandFileRunner.h"

#include <vector>

namespace {

struct Waiter {
    HANDLE process;
    HWND notify;
    UINT message;
    WPARAM wParam;
};

// Holds no page: the window may be gone by the time the process ends, and
// a message posted to it then is simply lost.
DWORD WINAPI WaitForCommandFile(LPVOID parameter) {
    Waiter* waiter = static_cast<Waiter*>(parameter);
    WaitForSingleObject(waiter->process, INFINITE);
    CloseHandle(waiter->process);
    PostMessageA(waiter->notify, waiter->message, waiter->wParam, 0);
    delete waiter;
    return 0;
}

}  // namespace

bool StartCommandFile(const CString& folder, const char* file, HWND notify, UINT message, WPARAM wParam) {
    CString commandLine = "\"" + folder + file + "\"";
    std::vector<char> line(commandLine.c_str(), commandLine.c_str() + commandLine.GetLength() + 1);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const char* workingFolder = folder.IsEmpty() ? nullptr : folder.c_str();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, workingFolder, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    if (!notify) {
        CloseHandle(process.hProcess);
        return true;
    }
    auto* waiter = new Waiter{process.hProcess, notify, message, wParam};
    HANDLE thread = CreateThread(nullptr, 0, WaitForCommandFile, waiter, 0, nullptr);
    if (!thread) {
        // The step still ran; only its end cannot be told.
        CloseHandle(process.hProcess);
        delete waiter;
        return true;
    }
    CloseHandle(thread);
    return true;
}
