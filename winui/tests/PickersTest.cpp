// The system's file and folder pickers under Wine, in a single-threaded
// apartment, answered by a second thread.
#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <thread>

#include "Pickers.h"
#include "TempFolder.h"

using brivel::winui::FilePickerOptions;
using brivel::winui::PickFile;
using brivel::winui::PickFolder;
using brivel::winui::SystemFilter;

namespace {

struct Found {
    HWND window = nullptr;
};

BOOL CALLBACK FindOwnDialog(HWND window, LPARAM parameter) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && std::string(className) == "#32770") {
        reinterpret_cast<Found*>(parameter)->window = window;
        return FALSE;
    }
    return TRUE;
}

// The first visible dialog of this process, or null after 20 s.
HWND WaitForAnyDialog() {
    for (int i = 0; i < 1000; ++i) {
        Found found;
        EnumWindows(FindOwnDialog, reinterpret_cast<LPARAM>(&found));
        if (found.window) return found.window;
        Sleep(20);
    }
    return nullptr;
}

class Pickers : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "needs a display";
        TempFolderTest::SetUp();
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        comStarted_ = true;
    }
    void TearDown() override {
        if (comStarted_) CoUninitialize();
        TempFolderTest::TearDown();
    }
    bool comStarted_ = false;
};

}  // namespace

TEST(PickerFilter, PipesBecomeTerminatorsAndTheListEndsWithTwo) {
    using namespace std::string_literals;
    EXPECT_EQ(SystemFilter("Jar file (*.jar)|*.jar|All Files (*.*)|*.*||"),
              "Jar file (*.jar)\0*.jar\0All Files (*.*)\0*.*\0\0"s);
    EXPECT_EQ(SystemFilter("C2J Files (*.c2j)|*.c2j"), "C2J Files (*.c2j)\0*.c2j\0\0"s);
    EXPECT_EQ(SystemFilter(""), "\0\0"s);
    EXPECT_EQ(SystemFilter(nullptr), "\0\0"s);
}

TEST_F(Pickers, TheOpenPickerAnswersTheChosenFileAndCancelAnswersNothing) {
    std::string file = Path("chosen.jar");
    brivel::testing::WriteFileBytes(file, "PK");
    FilePickerOptions options;
    options.filter = "Jar file (*.jar)|*.jar|All Files (*.*)|*.*||";
    options.title = "Pick a test file";
    std::string initialFolder = folder_.string();
    options.initialFolder = initialFolder.c_str();

    CString chosen;
    bool picked = false;
    std::thread driver([&] {
        HWND dialog = WaitForAnyDialog();
        if (!dialog) return;
        // The name field: a combo box in the newer template, an edit in the older.
        if (!SetDlgItemTextA(dialog, 1148, file.c_str())) SetDlgItemTextA(dialog, 1152, file.c_str());
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    picked = PickFile(nullptr, options, chosen);
    driver.join();
    ASSERT_TRUE(picked);
    EXPECT_EQ(lstrcmpiA(chosen, file.c_str()), 0) << chosen.c_str();

    std::thread canceller([] {
        if (HWND dialog = WaitForAnyDialog()) PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    CString untouched = "as before";
    EXPECT_FALSE(PickFile(nullptr, options, untouched));
    canceller.join();
    EXPECT_EQ(untouched, "as before");
}

TEST_F(Pickers, TheFolderPickerCancelledAnswersNothing) {
    std::thread canceller([] {
        if (HWND dialog = WaitForAnyDialog()) PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    CString folder = "as before";
    EXPECT_FALSE(PickFolder(nullptr, "Select folder for output files", folder));
    canceller.join();
    EXPECT_EQ(folder, "as before");
}
