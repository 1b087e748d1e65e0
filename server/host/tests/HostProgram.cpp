#include "HostProgram.h"

#include "ProgramWindows.h"

#include <vector>

namespace brivel::serverhost::testing {
HostProgram::~HostProgram() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool HostProgram::Start() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string path = folder_.Path("BrvService.exe");
    std::string commandLine = "\"" + path + "\"";
    if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder_.Folder().c_str(),
                        &startup, &process_)) {
        process_ = PROCESS_INFORMATION{};
        return false;
    }
    return true;
}

bool HostProgram::Shows(const char* caption) {
    return brivel::testing::FindProcessDialog(process_.dwProcessId, caption) != nullptr;
}

HWND HostProgram::WaitForDialog(const char* caption, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = brivel::testing::FindProcessDialog(process_.dwProcessId, caption);
            return found != nullptr || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
        },
        timeoutMs);
    return found;
}

bool HostProgram::WaitUntilGone(const char* caption, DWORD timeoutMs) {
    return WaitUntil([&] { return !Shows(caption); }, timeoutMs);
}

std::string HostProgram::Answer(const char* caption, int button, DWORD timeoutMs) {
    HWND box = WaitForDialog(caption, timeoutMs);
    if (!box) return std::string("(no message box ") + caption + ")";
    std::string text = brivel::testing::StaticTexts(box);
    Click(box, button);
    WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    return text;
}

DWORD HostProgram::WaitForExit(DWORD timeoutMs) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

void Click(HWND dialog, int id) { brivel::testing::ClickItem(dialog, id); }

void SetText(HWND dialog, int id, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Check(HWND dialog, int id, bool checked) {
    if (IsChecked(dialog, id) == checked) return;
    // A click of the button itself: radio buttons of its group give way.
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    WaitUntil([&] { return IsChecked(dialog, id) == checked; });
}

std::string Text(HWND window) { return brivel::testing::WindowText(window); }

std::string ItemText(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }
bool IsEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }
bool IsShown(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != 0; }
bool IsChecked(HWND dialog, int id) { return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::string ListEntries(HWND dialog, int id) {
    // Asked as wide text: only that crosses from another process whole.
    HWND list = GetDlgItem(dialog, id);
    std::string entries;
    LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t wide[1024] = L"";
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
        char text[1024] = "";
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        entries += std::string(i ? "|" : "") + text;
    }
    return entries;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
}

bool TakeScreenshot(const std::string& name, HWND window) {
    // ImageMagick's import, run as the Unix program it is (Wine starts it).
    // Wine's handle of a Unix process does not wait for its end: import
    // writes under a passing name, renamed once the picture is whole, and the
    // picture is there when its name appears.
    std::string file = std::string(BRIVEL_SCREENSHOTS) + "/" + name + ".png";
    std::string part = std::string(BRIVEL_SCREENSHOTS) + "/" + name + ".part.png";
    std::string windowsFile = "Z:" + file;
    for (char& c : windowsFile)
        if (c == '/') c = '\\';
    DeleteFileA(windowsFile.c_str());
    // Whatever the window has still to paint, painted now.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r{};
    GetWindowRect(window, &r);
    constexpr int kMargin = 16;
    int left = r.left > kMargin ? r.left - kMargin : 0;
    int top = r.top > kMargin ? r.top - kMargin : 0;
    std::string command = "/bin/sh -c \"/usr/bin/import -window root -crop " + std::to_string(r.right + kMargin - left) +
                          "x" + std::to_string(r.bottom + kMargin - top) + "+" + std::to_string(left) + "+" +
                          std::to_string(top) + " '" + part + "' && mv -f '" + part + "' '" + file + "'\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return WaitUntil([&] { return GetFileAttributesA(windowsFile.c_str()) != INVALID_FILE_ATTRIBUTES; }, 20000);
}

}  // namespace brivel::serverhost::testing
