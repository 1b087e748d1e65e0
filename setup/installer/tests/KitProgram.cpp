#include "KitProgram.h"

#include <algorithm>
#include <chrono>

#include "ProgramWindows.h"
#include "WaitUntil.h"

namespace brivel::setup::testing {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(tolower(c)); });
    return text;
}

struct TitleSearch {
    std::string part;
    HWND found = nullptr;
};

BOOL CALLBACK FindTitled(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<TitleSearch*>(parameter);
    if (!IsWindowVisible(window)) return TRUE;
    char title[512] = "";
    GetWindowTextA(window, title, sizeof title);
    if (Lower(title).find(search->part) == std::string::npos) return TRUE;
    search->found = window;
    return FALSE;
}

std::chrono::milliseconds Ms(DWORD ms) { return std::chrono::milliseconds(ms); }

}  // namespace

KitProgram::~KitProgram() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool KitProgram::Start(const std::string& commandLine, const std::string& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &process_)) {
        process_ = PROCESS_INFORMATION{};
        return false;
    }
    return true;
}

bool KitProgram::Shows(const char* caption) {
    return brivel::testing::FindProcessDialog(process_.dwProcessId, caption) != nullptr;
}

HWND KitProgram::WaitForDialog(const char* caption, DWORD timeoutMs) { return WaitForEither(caption, caption, timeoutMs); }

HWND KitProgram::WaitForEither(const char* first, const char* second, DWORD timeoutMs) {
    HWND found = nullptr;
    brivel::testing::WaitUntil(
        [&] {
            for (const char* caption : {first, second}) {
                found = brivel::testing::FindProcessDialog(process_.dwProcessId, caption);
                if (found) return true;
            }
            return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
        },
        Ms(timeoutMs));
    return found;
}

std::string KitProgram::Answer(const char* caption, int button, DWORD timeoutMs) {
    HWND box = WaitForDialog(caption, timeoutMs);
    if (!box) return std::string("(no message box ") + caption + ")";
    std::string text = StaticTexts(box);
    Click(box, button);
    brivel::testing::WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    return text;
}

DWORD KitProgram::WaitForExit(DWORD timeoutMs) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

void Click(HWND dialog, int id) { brivel::testing::ClickItem(dialog, id); }

void SetText(HWND dialog, int id, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string Text(HWND window) { return brivel::testing::WindowText(window); }

std::string ItemText(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }
bool IsShown(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != 0; }

std::string StaticTexts(HWND dialog) { return brivel::testing::StaticTexts(dialog); }

HWND FindWindowTitled(const char* part) {
    TitleSearch search{Lower(part)};
    EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace brivel::setup::testing
