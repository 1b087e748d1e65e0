// The information dialog of BrivelC2jConsole on a real display, driven
// through its control ids.
#include <gtest/gtest.h>

#include <string>

#include "ConsoleProcess.h"
#include "ConsoleTexts.h"

using namespace brivel::console::testing;

namespace {

constexpr DWORD kStalePort = 1;
constexpr int kDialogCheckBox = 1000;

class InfoDialog : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveDisplay()) GTEST_SKIP() << "needs a display";
        SetShowInfo(-1);
        WritePublishedPort(kStalePort);
    }
    void TearDown() override { SetShowInfo(1); }
};

std::string WindowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

}  // namespace

TEST_F(InfoDialog, WhileItWaitsThePortIsPublishedAndCloseWithTheBoxTickedStoresShowInfo) {
    ConsoleProcess console;
    ASSERT_TRUE(console.Start());
    HWND dialog = console.WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), "Com-to-Java Console");
    HWND checkBox = GetDlgItem(dialog, kDialogCheckBox);
    HWND close = GetDlgItem(dialog, IDOK);
    ASSERT_NE(checkBox, nullptr);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(WindowText(checkBox), "Do not show this message again.");
    EXPECT_EQ(WindowText(close), "Close");
    EXPECT_EQ(SendMessageA(checkBox, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    const std::string texts = ChildTexts(dialog);
    EXPECT_NE(texts.find("If you are using Brivel in the Com-to-Java direction to call Java from C#, VB etc, you can "
                         "use this program to show any console output (System.err, System.out) from Java."),
              std::string::npos);
    EXPECT_NE(texts.find("In order to capture the output, this program must be started before the C# or VB program "
                         "that calls your Java classes, and must be already running when Java runtime gets "
                         "initialized."),
              std::string::npos);

    // Runtimes starting now find this run's port, and what they send waits
    // until the console copies it.
    DWORD port = ReadPublishedPort();
    ASSERT_NE(port, kStalePort);
    constexpr int kEarlyClients = 4;
    for (int i = 0; i < kEarlyClients; ++i) {
        SOCKET early = ConnectToConsole(port);
        ASSERT_NE(early, INVALID_SOCKET) << i;
        ASSERT_TRUE(SendAll(early, "sent while the dialog was open\n"));
        closesocket(early);
    }
    Sleep(100);
    EXPECT_EQ(console.Output(), "");

    SendMessageA(checkBox, BM_SETCHECK, BST_CHECKED, 0);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(close));
    std::string expected = BannerOnPipe();
    for (int i = 0; i < kEarlyClients; ++i) expected += "sent while the dialog was open\n";
    ASSERT_TRUE(console.WaitForOutputSize(expected.size()));
    EXPECT_EQ(console.Output(), expected);
    EXPECT_EQ(ReadShowInfo(), 1);
}

TEST_F(InfoDialog, EscapeLeavesShowInfoAloneAndTheNextStartShowsItAgain) {
    {
        ConsoleProcess console;
        ASSERT_TRUE(console.Start());
        HWND dialog = console.WaitForDialog();
        ASSERT_NE(dialog, nullptr);
        HWND checkBox = GetDlgItem(dialog, kDialogCheckBox);
        SendMessageA(checkBox, BM_SETCHECK, BST_CHECKED, 0);
        // The Escape key, as the dialog's message loop receives it.
        PostMessageA(checkBox, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PostMessageA(checkBox, WM_KEYUP, VK_ESCAPE, 0xC0010001);
        ASSERT_TRUE(console.WaitForOutputSize(BannerOnPipe().size()));
        EXPECT_EQ(ReadShowInfo(), -1);
    }
    ConsoleProcess again;
    ASSERT_TRUE(again.Start());
    EXPECT_NE(again.WaitForDialog(), nullptr);
}
