// The wizard's message dialog, its three message functions and the wait
// dialog, as real windows in the test process: a second thread finds each
// dialog, reads it and answers through its control ids.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "MessageBoxes.h"
#include "WaitDlg.h"
#include "resource.h"

namespace {

struct Found {
    const char* caption;
    HWND window = nullptr;
};

BOOL CALLBACK FindOwnDialog(HWND window, LPARAM parameter) {
    auto* found = reinterpret_cast<Found*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[16] = "", caption[256] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && std::string(className) == "#32770" &&
        std::string(caption) == found->caption) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

// A visible dialog of this process with the caption, or null after 10 s.
HWND WaitForDialog(const char* caption) {
    for (int i = 0; i < 500; ++i) {
        Found found{caption};
        EnumWindows(FindOwnDialog, reinterpret_cast<LPARAM>(&found));
        if (found.window) return found.window;
        Sleep(20);
    }
    return nullptr;
}

std::string Text(HWND window) {
    char text[4096] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

RECT ClientRectOf(HWND dialog, int id) {
    RECT r;
    HWND item = GetDlgItem(dialog, id);
    GetWindowRect(item, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// What the answering thread saw of the dialog.
struct Seen {
    bool found = false;
    std::string text;
    bool yes = false, no = false, close = false;  // visible
    RECT client{}, textRect{}, yesRect{}, noRect{}, closeRect{};
};

// Runs the dialog on this thread while another thread looks at it and then
// answers with `answer`.
Seen RunAndAnswer(const char* caption, const std::function<void()>& run, const std::function<void(HWND)>& answer) {
    Seen seen;
    std::thread driver([&] {
        HWND dialog = WaitForDialog(caption);
        if (!dialog) return;
        seen.found = true;
        seen.text = Text(GetDlgItem(dialog, IDC_MESSAGE_TEXT));
        seen.yes = IsWindowVisible(GetDlgItem(dialog, IDYES)) != 0;
        seen.no = IsWindowVisible(GetDlgItem(dialog, IDNO)) != 0;
        seen.close = IsWindowVisible(GetDlgItem(dialog, IDOK)) != 0;
        GetClientRect(dialog, &seen.client);
        seen.textRect = ClientRectOf(dialog, IDC_MESSAGE_TEXT);
        seen.yesRect = ClientRectOf(dialog, IDYES);
        seen.noRect = ClientRectOf(dialog, IDNO);
        seen.closeRect = ClientRectOf(dialog, IDOK);
        answer(dialog);
    });
    run();
    driver.join();
    return seen;
}

void Click(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

class MessageDialog : public ::testing::Test {
protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "needs a display";
    }
};

}  // namespace

TEST_F(MessageDialog, ErrorAndInfoBoxesShowTheirCaptionTheTextAndOneCloseButton) {
    Seen error = RunAndAnswer(
        "Error Message", [] { ShowErrorBox(nullptr, "Please specify a COM source"); },
        [](HWND dialog) { Click(dialog, IDOK); });
    ASSERT_TRUE(error.found);
    EXPECT_EQ(error.text, "Please specify a COM source");
    EXPECT_TRUE(error.close);
    EXPECT_FALSE(error.yes);
    EXPECT_FALSE(error.no);
    // The Close button is centred below the text.
    EXPECT_GE(error.closeRect.top, error.textRect.bottom + 10);
    int closeWidth = error.closeRect.right - error.closeRect.left;
    EXPECT_LE(std::abs(error.closeRect.left - (error.client.right - closeWidth) / 2), 1);
    EXPECT_LE(error.closeRect.bottom, error.client.bottom);

    Seen info = RunAndAnswer(
        "Brivel Message", [] { ShowInfoBox(nullptr, "Please select a wizard"); },
        [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); });  // the close box
    ASSERT_TRUE(info.found);
    EXPECT_EQ(info.text, "Please select a wizard");
    EXPECT_TRUE(info.close);
}

TEST_F(MessageDialog, AOneWordMessageIsStillWideEnoughForItsButton) {
    Seen seen = RunAndAnswer(
        "Error Message", [] { ShowErrorBox(nullptr, "No"); }, [](HWND dialog) { Click(dialog, IDOK); });
    ASSERT_TRUE(seen.found);
    int buttonWidth = seen.closeRect.right - seen.closeRect.left;
    EXPECT_GE(seen.client.right, buttonWidth + 40);
}

TEST_F(MessageDialog, ALongMessageWrapsInsideTheScreen) {
    std::string text;
    for (int i = 0; i < 60; ++i) text += "word" + std::to_string(i) + " ";
    Seen seen = RunAndAnswer(
        "Error Message", [&] { ShowErrorBox(nullptr, text.c_str()); }, [](HWND dialog) { Click(dialog, IDOK); });
    ASSERT_TRUE(seen.found);
    EXPECT_LE(seen.client.right, GetSystemMetrics(SM_CXSCREEN));
    RECT oneLine = seen.closeRect;
    EXPECT_GT(seen.textRect.bottom - seen.textRect.top, 2 * (oneLine.bottom - oneLine.top));  // several lines
}

TEST_F(MessageDialog, AQuestionIsYesOnlyWhenYesIsChosen) {
    bool answer = false;
    Seen seen = RunAndAnswer(
        "Brivel Question", [&] { answer = AskQuestion(nullptr, "Do you want to exit this wizard and lose your changes?"); },
        [](HWND dialog) { Click(dialog, IDYES); });
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(answer);
    EXPECT_EQ(seen.text, "Do you want to exit this wizard and lose your changes?");
    EXPECT_TRUE(seen.yes);
    EXPECT_TRUE(seen.no);
    EXPECT_FALSE(seen.close);
    EXPECT_LT(seen.yesRect.right, seen.noRect.left);
    EXPECT_EQ(seen.yesRect.top, seen.noRect.top);

    answer = true;
    RunAndAnswer(
        "Brivel Question", [&] { answer = AskQuestion(nullptr, "Remove?"); }, [](HWND dialog) { Click(dialog, IDNO); });
    EXPECT_FALSE(answer);

    answer = true;
    RunAndAnswer(
        "Brivel Question", [&] { answer = AskQuestion(nullptr, "Remove?"); },
        [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_FALSE(answer);  // the close box counts as No
}

TEST_F(MessageDialog, TheWaitDialogShowsItsMessageAtOnceAndClosesWithItsObject) {
    HWND window = nullptr;
    {
        CWaitDlg wait(nullptr);
        wait.m_message = "Creating Brivel files";
        ASSERT_TRUE(wait.Show(nullptr));
        window = wait.Handle();
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(Text(GetDlgItem(window, IDC_WAIT_TEXT)), "Creating Brivel files");
    }
    EXPECT_FALSE(IsWindow(window));
}
