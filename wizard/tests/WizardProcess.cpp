#include "WizardProcess.h"

#include <functional>
#include <vector>

#include "resource.h"

namespace brivel::wizard::testing {
namespace {

std::string ProgramPath() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, n);
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + "Brivel.exe";
}

std::string ClassName(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct DialogSearch {
    DWORD process;
    const char* caption;  // null: the frame (its caption starts with "Brivel")
    HWND found = nullptr;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<DialogSearch*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window) || ClassName(window) != "#32770") return TRUE;
    std::string caption = Text(window);
    bool match = search->caption ? caption == search->caption
                                 : caption.rfind("Brivel", 0) == 0 && GetDlgItem(window, IDC_PAGE_AREA) != nullptr;
    if (!match) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindProcessDialog(DWORD process, const char* caption) {
    DialogSearch search{process, caption};
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The pages of the frame: the child dialogs of its page area.
std::vector<HWND> Pages(HWND frame) {
    std::vector<HWND> pages;
    HWND area = GetDlgItem(frame, IDC_PAGE_AREA);
    for (HWND child = GetWindow(area, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassName(child) == "#32770") pages.push_back(child);
    return pages;
}

std::string Heading(HWND page) { return Text(GetWindow(page, GW_CHILD)); }

}  // namespace

WizardProcess::~WizardProcess() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool WizardProcess::Start() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string path = ProgramPath();
    std::string commandLine = "\"" + path + "\"";
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_)) {
        process_ = PROCESS_INFORMATION{};
        return false;
    }
    return true;
}

HWND WizardProcess::WaitForFrame(DWORD timeoutMs) { return WaitForDialog(nullptr, timeoutMs); }

HWND WizardProcess::WaitForDialog(const char* caption, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = FindProcessDialog(process_.dwProcessId, caption);
            return found != nullptr || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
        },
        timeoutMs);
    return found;
}

bool WizardProcess::WaitUntilGone(const char* caption, DWORD timeoutMs) {
    return WaitUntil([&] { return FindProcessDialog(process_.dwProcessId, caption) == nullptr; }, timeoutMs);
}

DWORD WizardProcess::WaitForExit(DWORD timeoutMs) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::string WizardProcess::ShownPage(HWND frame) {
    std::string heading;
    int shown = 0;
    for (HWND page : Pages(frame)) {
        if (!IsWindowVisible(page)) continue;
        ++shown;
        heading = Heading(page);
    }
    return shown == 1 ? heading : std::string();
}

bool WizardProcess::WaitForPage(HWND frame, const char* heading, DWORD timeoutMs) {
    if (!WaitUntil([&] { return ShownPage(frame) == heading; }, timeoutMs)) return false;
    // The page shows before the frame has fitted its buttons to it; a sent
    // message is answered only once the frame is back in its message loop.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
    return true;
}

HWND WizardProcess::Page(HWND frame, const char* heading) {
    for (HWND page : Pages(frame))
        if (Heading(page) == heading) return page;
    return nullptr;
}

void Click(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PressKey(HWND window, WPARAM key) {
    UINT scan = MapVirtualKeyA(static_cast<UINT>(key), 0);
    PostMessageA(window, WM_KEYDOWN, key, 1 | scan << 16);
    PostMessageA(window, WM_KEYUP, key, 1 | scan << 16 | 0xC0000000u);
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

void SetText(HWND dialog, int id, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string Text(HWND window) {
    // Asked of the window itself: the system keeps no copy of an edit
    // control's text for other processes.
    char text[4096] = "";
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 10000, &copied);
    return text;
}

std::string ItemText(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }
bool IsShown(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != 0; }
bool IsEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }

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
    std::string windowsFile = WindowsPath(file);
    DeleteFileA(windowsFile.c_str());
    std::string crop;
    RECT r;
    if (window && GetWindowRect(window, &r)) {
        // Whatever the window has still to paint, painted now.
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        // The window with a margin: windows of other tests on the same
        // display stay out of the picture.
        constexpr int kMargin = 16;
        int left = r.left > kMargin ? r.left - kMargin : 0;
        int top = r.top > kMargin ? r.top - kMargin : 0;
        crop = " -crop " + std::to_string(r.right + kMargin - left) + "x" + std::to_string(r.bottom + kMargin - top) +
               "+" + std::to_string(left) + "+" + std::to_string(top);
    } else {
        Sleep(300);  // let the windows finish painting
    }
    std::string command = "/bin/sh -c \"/usr/bin/import -window root" + crop + " '" + part + "' && mv -f '" + part +
                          "' '" + file + "'\"";
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return WaitUntil([&] { return GetFileAttributesA(windowsFile.c_str()) != INVALID_FILE_ATTRIBUTES; }, 20000);
}

std::string WindowsPath(std::string unixPath) {
    for (char& c : unixPath)
        if (c == '/') c = '\\';
    return "Z:" + unixPath;
}

}  // namespace brivel::wizard::testing
