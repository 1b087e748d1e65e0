// The dialog layer on real windows under Wine: a second thread finds each
// dialog the test thread runs, reads its controls and answers through their
// ids, as a user would.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "Control.h"
#include "Dialog.h"
#include "TestDialogs.h"
#include "WinApp.h"

using brivel::winui::Control;
using brivel::winui::DataExchange;
using brivel::winui::Dialog;

namespace {

struct Found {
    const char* caption;
    HWND window = nullptr;
};

BOOL CALLBACK FindOwnDialog(HWND window, LPARAM parameter) {
    auto* found = reinterpret_cast<Found*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char caption[256] = "";
    GetWindowTextA(window, caption, sizeof caption);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && std::string(caption) == found->caption) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForDialog(const char* caption) {
    for (int i = 0; i < 500; ++i) {
        Found found{caption};
        EnumWindows(FindOwnDialog, reinterpret_cast<LPARAM>(&found));
        if (found.window) return found.window;
        Sleep(20);
    }
    return nullptr;
}

void Click(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string ItemText(HWND dialog, int id) {
    char text[256] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

bool Checked(HWND dialog, int id) { return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Runs `run` on this thread while `drive` gets the dialog on another.
void RunDriven(const char* caption, const std::function<void()>& run, const std::function<void(HWND)>& drive) {
    std::thread driver([&] {
        if (HWND dialog = WaitForDialog(caption)) drive(dialog);
    });
    run();
    driver.join();
}

class DrawnButton : public Control {
public:
    void DrawItem(const DRAWITEMSTRUCT& item) override {
        ++draws;
        drawnId = static_cast<int>(item.CtlID);
        FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    int draws = 0;
    int drawnId = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_LBUTTONUP) ++releases;
        return DefaultProc(message, wParam, lParam);
    }

public:
    int releases = 0;
};

class FormDlg : public Dialog {
public:
    FormDlg() : Dialog(IDD_FORM) {
        OnClicked(IDC_APPLY, [this] {
            ++applied;
            EndDialog(42);
        });
    }
    CString m_name = "hello";
    int m_flag = 1;
    int m_choice = 1;
    std::vector<CString> m_items{"a", "b"};
    int applied = 0;
    DrawnButton m_drawn;
    bool attachedTwice = true;

protected:
    bool OnInitDialog() override {
        Dialog::OnInitDialog();
        m_drawn.Attach(*this, IDC_DRAWN);
        DrawnButton again;
        attachedTwice = again.Attach(*this, IDC_DRAWN);
        return true;
    }
    void DoDataExchange(DataExchange& dx) override {
        dx.Text(IDC_NAME, m_name);
        dx.Check(IDC_FLAG, m_flag);
        dx.Radio(IDC_FIRST, m_choice);
        dx.ListStrings(IDC_ITEMS, m_items);
    }
};

class ChildPage : public Dialog {
public:
    ChildPage() : Dialog(IDD_CHILD) {}
    CString m_name = "inside";

protected:
    void DoDataExchange(DataExchange& dx) override { dx.Text(IDC_CHILD_NAME, m_name); }
};

class TestApp : public brivel::winui::WinApp {
protected:
    bool InitInstance() override { return false; }
};

class DialogLayer : public ::testing::Test {
protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "needs a display";
    }
};

}  // namespace

TEST_F(DialogLayer, AModalRunShowsTheMembersAndOkReadsTheControlsBack) {
    FormDlg form;
    std::string shownName;
    bool shownFlag = false, shownSecond = false;
    LRESULT shownItems = 0;
    INT_PTR result = 0;
    RunDriven(
        "winui form", [&] { result = form.DoModal(nullptr); },
        [&](HWND dialog) {
            shownName = ItemText(dialog, IDC_NAME);
            shownFlag = Checked(dialog, IDC_FLAG);
            shownSecond = Checked(dialog, IDC_SECOND);
            shownItems = SendDlgItemMessageA(dialog, IDC_ITEMS, LB_GETCOUNT, 0, 0);
            SetDlgItemTextA(dialog, IDC_NAME, "changed");
            SendDlgItemMessageA(dialog, IDC_FLAG, BM_SETCHECK, BST_UNCHECKED, 0);
            SendDlgItemMessageA(dialog, IDC_SECOND, BM_SETCHECK, BST_UNCHECKED, 0);
            SendDlgItemMessageA(dialog, IDC_THIRD, BM_SETCHECK, BST_CHECKED, 0);
            SendDlgItemMessageA(dialog, IDC_ITEMS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("c"));
            Click(dialog, IDOK);
        });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(shownName, "hello");
    EXPECT_TRUE(shownFlag);
    EXPECT_TRUE(shownSecond);
    EXPECT_EQ(shownItems, 2);
    EXPECT_EQ(form.m_name, "changed");
    EXPECT_EQ(form.m_flag, 0);
    EXPECT_EQ(form.m_choice, 2);
    ASSERT_EQ(form.m_items.size(), 3u);
    EXPECT_EQ(form.m_items[2], "c");
    EXPECT_EQ(form.Handle(), nullptr);  // the window is gone
}

TEST_F(DialogLayer, ACommandHandlerRunsAndEscapeCancelsWithoutReadingTheControls) {
    FormDlg form;
    INT_PTR result = 0;
    RunDriven(
        "winui form", [&] { result = form.DoModal(nullptr); }, [](HWND dialog) { Click(dialog, IDC_APPLY); });
    EXPECT_EQ(result, 42);
    EXPECT_EQ(form.applied, 1);

    FormDlg other;
    RunDriven(
        "winui form", [&] { result = other.DoModal(nullptr); },
        [](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_NAME, "not kept");
            HWND edit = GetDlgItem(dialog, IDC_NAME);
            PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
            PostMessageA(edit, WM_KEYUP, VK_ESCAPE, 0xC0010001);
        });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(other.m_name, "hello");
    EXPECT_EQ(other.applied, 0);
}

TEST_F(DialogLayer, AnOwnerDrawnControlIsDrawnAndSeenByItsObject) {
    FormDlg form;
    RunDriven(
        "winui form", [&] { form.DoModal(nullptr); },
        [](HWND dialog) {
            HWND button = GetDlgItem(dialog, IDC_DRAWN);
            RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            PostMessageA(button, WM_LBUTTONUP, 0, 0);
            Sleep(100);
            Click(dialog, IDOK);
        });
    EXPECT_GT(form.m_drawn.draws, 0);
    EXPECT_EQ(form.m_drawn.drawnId, IDC_DRAWN);
    EXPECT_EQ(form.m_drawn.releases, 1);
    EXPECT_FALSE(form.attachedTwice);  // a control has one object
    EXPECT_EQ(form.m_drawn.Handle(), nullptr);  // let go when its window went
}

TEST_F(DialogLayer, AChildPageLivesInItsParentsAreaAndGoesWithItsObject) {
    HWND hostWindow = nullptr, pageWindow = nullptr;
    {
        Dialog host(IDD_HOST);
        ASSERT_TRUE(host.Create(nullptr));
        hostWindow = host.Handle();
        ChildPage page;
        ASSERT_TRUE(page.Create(host.Item(IDC_AREA)));
        pageWindow = page.Handle();
        EXPECT_EQ(GetParent(pageWindow), host.Item(IDC_AREA));
        EXPECT_TRUE(GetWindowLongA(pageWindow, GWL_STYLE) & WS_CHILD);
        EXPECT_TRUE(IsChild(hostWindow, pageWindow));

        EXPECT_EQ(page.ItemText(IDC_CHILD_NAME), "inside");
        page.SetItemText(IDC_CHILD_NAME, "typed");
        ASSERT_TRUE(page.UpdateData(true));
        EXPECT_EQ(page.m_name, "typed");

        // Enter and Escape inside a page do not close it.
        SendMessageA(pageWindow, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        SendMessageA(pageWindow, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        EXPECT_TRUE(IsWindow(pageWindow));
    }
    EXPECT_FALSE(IsWindow(pageWindow));
    EXPECT_FALSE(IsWindow(hostWindow));
}

TEST_F(DialogLayer, DialogsPaintInTheApplicationsColours) {
    TestApp app;
    FormDlg form;
    ASSERT_TRUE(form.Create(nullptr));
    HDC dc = GetDC(form.Handle());
    // Before the application sets colours, the system's are used.
    EXPECT_NE(SendMessageA(form.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(form.Item(IDC_LABEL))),
              0);
    app.SetDialogBkColor(RGB(0xE7, 0xD2, 0xD1), RGB(1, 2, 3));
    LRESULT brush = SendMessageA(form.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(form.Item(IDC_LABEL)));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(app.DialogBrush()));
    EXPECT_EQ(GetBkColor(dc), RGB(0xE7, 0xD2, 0xD1));
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(SendMessageA(form.Handle(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(form.Handle())),
              reinterpret_cast<LRESULT>(app.DialogBrush()));
    // An edit control keeps the system's look.
    EXPECT_NE(SendMessageA(form.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(form.Item(IDC_NAME))),
              reinterpret_cast<LRESULT>(app.DialogBrush()));
    ReleaseDC(form.Handle(), dc);
}
