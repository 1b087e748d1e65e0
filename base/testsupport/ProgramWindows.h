// Finding and reading another process's dialogs and message boxes, for the
// tests that drive a real program of the kit as a user would (win32 only).
#pragma once

#include <windows.h>

#include <string>

namespace brivel::testing {

inline std::string WindowClassName(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Asked of the window itself: the system keeps no copy of an edit
// control's text for other processes.
inline std::string WindowText(HWND window) {
    char text[8192] = "";
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 10000, &copied);
    return text;
}

namespace program_windows_detail {

struct DialogSearch {
    DWORD process;
    const std::string& caption;
    HWND found;
};

inline BOOL CALLBACK FindDialog(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<DialogSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process || !IsWindowVisible(window) || WindowClassName(window) != "#32770") return TRUE;
    if (WindowText(window) != search->caption) return TRUE;
    search->found = window;
    return FALSE;
}

inline BOOL CALLBACK CollectStaticText(HWND child, LPARAM parameter) {
    auto* text = reinterpret_cast<std::string*>(parameter);
    bool icon = (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
    if (WindowClassName(child) == "Static" && !icon) {
        std::string part = WindowText(child);
        if (!part.empty()) *text += (text->empty() ? "" : "\n") + part;
    }
    return TRUE;
}

}  // namespace program_windows_detail

// A visible dialog or message box of `process` with this caption, or null.
inline HWND FindProcessDialog(DWORD process, const std::string& caption) {
    program_windows_detail::DialogSearch search{process, caption, nullptr};
    EnumWindows(program_windows_detail::FindDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A message box's text: its static controls with text, one a line (the
// icon has none).
inline std::string StaticTexts(HWND dialog) {
    std::string text;
    EnumChildWindows(dialog, program_windows_detail::CollectStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

// Presses a dialog's button as a click would.
inline void ClickItem(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

}  // namespace brivel::testing
