// Runs a program of the kit (the installer, the uninstaller) as a real
// process under Wine and drives its windows as a user would: finds each
// dialog or message box of the process by its caption, sets texts and
// presses buttons through messages to their control ids.
#pragma once

#include <windows.h>

#include <string>

namespace brivel::setup::testing {

class KitProgram {
public:
    KitProgram() = default;
    // Ends the program if it still runs: no program outlives its test.
    ~KitProgram();
    KitProgram(const KitProgram&) = delete;
    KitProgram& operator=(const KitProgram&) = delete;

    // Starts the command line (a quoted program path, as the uninstall
    // entry holds it) in `folder`.
    bool Start(const std::string& commandLine, const std::string& folder);
    // A visible dialog or message box of the program with this caption, or
    // null after the time-out or when the program ended.
    HWND WaitForDialog(const char* caption, DWORD timeoutMs = 60000);
    // The first of two captions to appear (null when neither did).
    HWND WaitForEither(const char* first, const char* second, DWORD timeoutMs = 60000);
    bool Shows(const char* caption);
    // The text of the message box with this caption, answered with the
    // button; "(no message box <caption>)" when none came.
    std::string Answer(const char* caption, int button, DWORD timeoutMs = 60000);
    // The exit code, or STILL_ACTIVE when it runs on after the time-out.
    DWORD WaitForExit(DWORD timeoutMs = 60000);

private:
    PROCESS_INFORMATION process_{};
};

void Click(HWND dialog, int id);
void SetText(HWND dialog, int id, const std::string& text);
std::string Text(HWND window);
std::string ItemText(HWND dialog, int id);
bool IsShown(HWND dialog, int id);
// The message box text of a dialog: its static controls' texts.
std::string StaticTexts(HWND dialog);
// A visible top-level window of any process whose title holds `part` (any
// letter case), or null.
HWND FindWindowTitled(const char* part);

}  // namespace brivel::setup::testing
