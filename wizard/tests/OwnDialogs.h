// Test helpers for dialogs that run in the test process itself: the test's
// thread runs the dialog (or pumps the frame's messages) while a driver
// thread finds the dialogs this process shows by their captions, reads
// them and answers through their control ids.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace brivel::wizard::testing {

// A visible top-level dialog of this process with the caption, or null
// after `timeoutMs`.
HWND WaitForOwnDialog(const char* caption, DWORD timeoutMs = 20000);
// True once no visible dialog of this process has the caption.
bool WaitUntilOwnDialogGone(const char* caption, DWORD timeoutMs = 20000);
// The message dialog with the caption: its text, then closed with Close.
// "(no <caption>)" when none showed.
std::string AnswerMessage(const char* caption, DWORD timeoutMs = 20000);
// The wizard's question: its text, answered with Yes or No.
std::string AnswerQuestion(bool yes, DWORD timeoutMs = 20000);
// The platform's message box with the caption: its text, closed with OK.
std::string AnswerPlatformBox(const char* caption, DWORD timeoutMs = 20000);
// Ticks or unticks a check box or radio button and tells its dialog, as a
// click does.
void ClickCheck(HWND dialog, int id, bool checked = true);
// The check state of a button.
bool IsChecked(HWND dialog, int id);
// Runs this thread's messages until `condition` holds (true) or
// `timeoutMs` passed (false).
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 20000);

// A driver thread joined when the object goes. Joining pumps the calling
// thread's messages until the driver is done: the driver may wait for a
// dialog that only this thread can show, and reading a window's text from
// the driver is a message to the window's thread.
class Driver {
public:
    explicit Driver(std::function<void()> body)
        : thread_([this, body = std::move(body)] {
              body();
              done_ = true;
          }) {}
    ~Driver() { Join(); }
    bool Done() const { return done_; }
    void Join();

private:
    std::atomic<bool> done_{false};
    std::thread thread_;
};

}  // namespace brivel::wizard::testing
