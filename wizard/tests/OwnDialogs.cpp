#include "OwnDialogs.h"

#include "WizardProcess.h"
#include "resource.h"

namespace brivel::wizard::testing {
namespace {

struct Search {
    const char* caption;
    HWND found = nullptr;
};

BOOL CALLBACK FindOwn(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[16] = "", caption[512] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && std::string(className) == "#32770" &&
        std::string(caption) == search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindOwn(const char* caption) {
    Search search{caption};
    EnumWindows(FindOwn, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK FindStaticText(HWND child, LPARAM parameter) {
    char className[16] = "";
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") != 0) return TRUE;
    std::string text = Text(child);
    if (text.empty()) return TRUE;
    *reinterpret_cast<std::string*>(parameter) = text;
    return FALSE;
}

}  // namespace

HWND WaitForOwnDialog(const char* caption, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindOwn(caption)) != nullptr; }, timeoutMs);
    return found;
}

bool WaitUntilOwnDialogGone(const char* caption, DWORD timeoutMs) {
    return WaitUntil([&] { return FindOwn(caption) == nullptr; }, timeoutMs);
}

std::string AnswerMessage(const char* caption, DWORD timeoutMs) {
    HWND box = WaitForOwnDialog(caption, timeoutMs);
    if (!box) return "(no " + std::string(caption) + ")";
    std::string text = ItemText(box, IDC_MESSAGE_TEXT);
    Click(box, IDOK);
    WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    return text;
}

std::string AnswerQuestion(bool yes, DWORD timeoutMs) {
    HWND box = WaitForOwnDialog("Brivel Question", timeoutMs);
    if (!box) return "(no Brivel Question)";
    std::string text = ItemText(box, IDC_MESSAGE_TEXT);
    Click(box, yes ? IDYES : IDNO);
    WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    return text;
}

std::string AnswerPlatformBox(const char* caption, DWORD timeoutMs) {
    HWND box = WaitForOwnDialog(caption, timeoutMs);
    if (!box) return "(no " + std::string(caption) + ")";
    std::string text;
    EnumChildWindows(box, FindStaticText, reinterpret_cast<LPARAM>(&text));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
    return text;
}

void ClickCheck(HWND dialog, int id, bool checked) {
    SendMessageA(GetDlgItem(dialog, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    Click(dialog, id);
}

bool IsChecked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

void Driver::Join() {
    if (!thread_.joinable()) return;
    PumpUntil([this] { return Done(); }, INFINITE);
    thread_.join();
}

}  // namespace brivel::wizard::testing
