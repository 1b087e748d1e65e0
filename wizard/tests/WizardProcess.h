// Runs Brivel.exe (built beside the tests) as a real process and drives it
// as a user would, through messages to its windows' control ids: clicks,
// texts, keys. Screenshots of the display go to the build's screenshot
// folder.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace brivel::wizard::testing {

class WizardProcess {
public:
    WizardProcess() = default;
    WizardProcess(const WizardProcess&) = delete;
    WizardProcess& operator=(const WizardProcess&) = delete;
    // Ends the program if it still runs: no wizard outlives its test.
    ~WizardProcess();

    bool Start();
    // The frame dialog once it shows, or null after `timeoutMs`.
    HWND WaitForFrame(DWORD timeoutMs = 20000);
    // A visible top-level dialog of the program with this caption (a
    // message box or another dialog over the frame), or null.
    HWND WaitForDialog(const char* caption, DWORD timeoutMs = 20000);
    // True once no visible dialog with this caption is left.
    bool WaitUntilGone(const char* caption, DWORD timeoutMs = 20000);
    // The exit code, or STILL_ACTIVE when it runs on after `timeoutMs`.
    DWORD WaitForExit(DWORD timeoutMs = 20000);

    // The heading (first text) of the page shown in the frame's page area;
    // empty when none or several are shown.
    std::string ShownPage(HWND frame);
    // True once the shown page's heading is `heading`.
    bool WaitForPage(HWND frame, const char* heading, DWORD timeoutMs = 20000);
    // The page with this heading, shown or not.
    HWND Page(HWND frame, const char* heading);

    DWORD ProcessId() const { return process_.dwProcessId; }

private:
    PROCESS_INFORMATION process_{};
};

// Presses a button of a dialog (the button's notification to its dialog).
void Click(HWND dialog, int id);
// Presses a key as the dialog's message loop receives it.
void PressKey(HWND window, WPARAM key);
// The window that has the keyboard focus in the thread of `window`.
HWND FocusOf(HWND window);
void SetText(HWND dialog, int id, const std::string& text);
std::string Text(HWND window);
std::string ItemText(HWND dialog, int id);
bool IsShown(HWND dialog, int id);
bool IsEnabled(HWND dialog, int id);
// Waits until `condition` holds, up to `timeoutMs`.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 20000);

// Writes <screenshot folder>/<name>.png of the display around `window`
// (the whole display without one); false when the picture could not be
// taken.
bool TakeScreenshot(const std::string& name, HWND window = nullptr);

// A Unix path of this build as the wizard sees it.
std::string WindowsPath(std::string unixPath);

}  // namespace brivel::wizard::testing
