// The frame dialog created in the test process: what its start-up leaves
// behind on the thread and in its system menu.
#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "WizardDlg.h"
#include "resource.h"

namespace {

std::string MenuText(HMENU menu, int position) {
    char text[256] = "";
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

}  // namespace

TEST(Frame, StartsComInASingleThreadedApartmentAndAddsOnlyTheAboutCommand) {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) GTEST_SKIP() << "needs a display";
    CWizardDlg frame;
    ASSERT_TRUE(frame.Create(nullptr));
    ASSERT_TRUE(frame.ComStarted());

    // The pickers need a single-threaded apartment: asking for one again
    // finds it already there.
    HRESULT again = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    EXPECT_EQ(again, S_FALSE);
    if (SUCCEEDED(again)) CoUninitialize();

    HMENU menu = GetSystemMenu(frame.Handle(), FALSE);
    ASSERT_NE(menu, nullptr);
    int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(MenuText(menu, count - 1), "A&bout Brivel...");
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    MENUITEMINFOA separator{};
    separator.cbSize = sizeof separator;
    separator.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(count - 2), TRUE, &separator));
    EXPECT_TRUE(separator.fType & MFT_SEPARATOR);

    // Every page hangs in the page area, and only the start page shows.
    int pages = 0, shown = 0;
    for (HWND page = GetWindow(frame.Item(IDC_PAGE_AREA), GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT)) {
        ++pages;
        if (IsWindowVisible(page)) ++shown;
    }
    EXPECT_EQ(pages, 17);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(frame.InstallFolder().Right(1), "\\");

    frame.DestroyWindow();
    CoUninitialize();
}
