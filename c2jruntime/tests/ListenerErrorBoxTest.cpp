// A listener class that cannot be made is shown in the "Error" message box,
// after the class-loading lock is released: other threads load classes while
// the box waits for the user. Both builds with the stand-in VM, whose class
// lookups find nothing; on win32 the real box under Wine, which a second
// thread reads and answers.
#include "BrivelC2J18.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "StubRuntime.h"
#include "WaitUntil.h"

using brivel::c2j::testing::StubJavaHome;
using brivel::testing::WaitUntil;

namespace {
const char kNotFound[] = "Class java/awt/event/ActionListener not found (CLASSPATH problem?)";

void JNICALL Handler(JNIEnv*, jobject, jobject) {}

#ifdef _WIN32
struct Box {
    HWND window = nullptr;
};

BOOL CALLBACK FindErrorBox(HWND window, LPARAM parameter) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[16] = "", caption[64] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && std::string(className) == "#32770" &&
        std::string(caption) == "Error") {
        reinterpret_cast<Box*>(parameter)->window = window;
        return FALSE;
    }
    return TRUE;
}

HWND ErrorBox() {
    Box box;
    EnumWindows(FindErrorBox, reinterpret_cast<LPARAM>(&box));
    return box.window;
}
#endif
}  // namespace

using ListenerErrorBox = StubJavaHome;

TEST_F(ListenerErrorBox, IsShownAfterTheClassLoadingLockIsReleased) {
    PlaceStubLibrary("client");
    SetEnvironmentVariableA("BRIVEL_STUB_JVM_FAKE", "1");
    char* e = nullptr;
    ASSERT_TRUE(C2jInit(&e)) << e;

#ifdef _WIN32
    // While the box is up: another thread takes the class-loading lock (a
    // variable that holds a handle already is not loaded again), then OK.
    // A box shown under the lock would hold that thread until OK.
    std::string shown;
    DWORD style = 0;
    bool boxFound = false, lockTakenWhileShown = false;
    std::thread answer([&] {
        HWND box = nullptr;
        boxFound = WaitUntil([&] { return (box = ErrorBox()) != nullptr; });
        if (!boxFound) return;
        char text[1024] = "";
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        shown = text;
        style = static_cast<DWORD>(GetWindowLongA(box, GWL_EXSTYLE));
        std::atomic<bool> lockTaken{false};
        std::thread loader([&] {
            int cls = 1;
            char* none = nullptr;
            C2jLoadClass(&cls, "brivel/Anything", &none, nullptr);
            lockTaken = true;
        });
        lockTakenWhileShown = WaitUntil([&] { return lockTaken.load(); });
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        loader.join();
    });
#endif
    char* descriptor[] = {const_cast<char*>("1"), const_cast<char*>("actionPerformed"),
                          const_cast<char*>("(Ljava/awt/event/ActionEvent;)V"), nullptr};
    void* handlers[] = {reinterpret_cast<void*>(Handler)};
    long cls = 0, obj = 0;
    int sink = 0;
    bool loaded = C2jLoadInterface(&cls, &obj, "ActionListener", "java/awt/event/ActionListener", &e, descriptor,
                                   handlers, &sink);
#ifdef _WIN32
    answer.join();
    ASSERT_TRUE(boxFound);
    EXPECT_EQ(shown, kNotFound);
    EXPECT_TRUE(style & WS_EX_TOPMOST);  // system-modal
    EXPECT_TRUE(lockTakenWhileShown);
#endif
    EXPECT_FALSE(loaded);
    EXPECT_EQ(obj, 0);
    EXPECT_EQ(std::string(e ? e : "(null)"), kNotFound);
    C2jFreeMem(e);
    SetEnvironmentVariableA("BRIVEL_STUB_JVM_FAKE", nullptr);
}

// Java that does not start is the caller's message only: no box (a box here
// would hold the test until its time runs out).
TEST_F(ListenerErrorBox, IsNotShownWhenJavaDoesNotStart) {
    char* e = nullptr;
    long cls = 0, obj = 0;
    EXPECT_FALSE(C2jLoadInterface(&cls, &obj, "ActionListener", "java/awt/event/ActionListener", &e, nullptr, nullptr,
                                  nullptr));
    EXPECT_EQ(std::string(e ? e : "(null)"), "Could not locate JVM.DLL under \"" + Path("home") + "\"");
    C2jFreeMem(e);
    EXPECT_EQ(obj, 0);
}
