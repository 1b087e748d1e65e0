#include "KitProgram.h"

#include <algorithm>
#include <chrono>

#include "WaitUntil.h"

namespace brivel::setup::testing {
namespace {

std::string ClassName(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct DialogSearch {
    DWORD process;
    const char* caption;
    HWND found = nullptr;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<DialogSearch*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window) || ClassName(window) != "#32770") return TRUE;
    if (Text(window) != search->caption) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CollectText(HWND child, LPARAM parameter) {
    auto* text = reinterpret_cast<std::string*>(parameter);
    bool icon = (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
    if (ClassName(child) == "Static" && !icon) {
        std::string part = Text(child);
        if (!part.empty()) *text += (text->empty() ? "" : "\n") + part;
    }
    return TRUE;
}

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
    DialogSearch search{process_.dwProcessId, caption};
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
}

HWND KitProgram::WaitForDialog(const char* caption, DWORD timeoutMs) { return WaitForEither(caption, caption, timeoutMs); }

HWND KitProgram::WaitForEither(const char* first, const char* second, DWORD timeoutMs) {
    HWND found = nullptr;
    brivel::testing::WaitUntil(
        [&] {
            for (const char* caption : {first, second}) {
                DialogSearch search{process_.dwProcessId, caption};
                EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
                if (search.found) {
                    found = search.found;
                    return true;
                }
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

void Click(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void SetText(HWND dialog, int id, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string Text(HWND window) {
    // Asked of the window itself: the system keeps no copy of an edit
    // control's text for other processes.
    char text[8192] = "";
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 10000, &copied);
    return text;
}

std::string ItemText(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }
bool IsShown(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != 0; }

std::string StaticTexts(HWND dialog) {
    std::string text;
    EnumChildWindows(dialog, CollectText, reinterpret_cast<LPARAM>(&text));
    return text;
}

HWND FindWindowTitled(const char* part) {
    TitleSearch search{Lower(part)};
    EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace brivel::setup::testing
