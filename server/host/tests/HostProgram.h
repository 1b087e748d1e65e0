// Runs BrvService.exe of a test's server folder as a real process and
// drives its windows as a user would, through messages to their control
// ids; reads and answers its message boxes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ServerFolder.h"

namespace brivel::serverhost::testing {

constexpr const char kSetupCaption[] = "Brivel Windows Service Setup";
constexpr const char kProgramCaption[] = "BrvService";  // message boxes without a caption of their own

class HostProgram {
public:
    explicit HostProgram(const ServerFolder& folder) : folder_(folder) {}
    // Ends the program if it still runs: no program outlives its test.
    ~HostProgram();
    HostProgram(const HostProgram&) = delete;
    HostProgram& operator=(const HostProgram&) = delete;

    bool Start();
    // A visible dialog of the program with this caption, or null after the
    // time-out.
    HWND WaitForDialog(const char* caption, DWORD timeoutMs = 20000);
    bool WaitUntilGone(const char* caption, DWORD timeoutMs = 20000);
    // True while a visible dialog with this caption is there.
    bool Shows(const char* caption);
    // The text of the message box with this caption, answered with the
    // button; "(no message box <caption>)" when none came.
    std::string Answer(const char* caption, int button, DWORD timeoutMs = 20000);
    // The exit code, or STILL_ACTIVE when it runs on after the time-out.
    DWORD WaitForExit(DWORD timeoutMs = 20000);

private:
    const ServerFolder& folder_;
    PROCESS_INFORMATION process_{};
};

void Click(HWND dialog, int id);
void SetText(HWND dialog, int id, const std::string& text);
// Checks or clears a check box, or checks a radio button, by a click.
void Check(HWND dialog, int id, bool checked = true);
std::string Text(HWND window);
std::string ItemText(HWND dialog, int id);
bool IsEnabled(HWND dialog, int id);
bool IsShown(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);
// The entries of a list box, separated by '|'.
std::string ListEntries(HWND dialog, int id);
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 20000);
// Writes <screenshot folder>/<name>.png of the display around the window.
bool TakeScreenshot(const std::string& name, HWND window);

}  // namespace brivel::serverhost::testing
