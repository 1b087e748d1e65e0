// Console control handlers: how the list of handlers is kept (the kit's
// server natives add one that keeps the Java server alive).
#include <windows.h>

#include <gtest/gtest.h>

namespace {
BOOL WINAPI FirstHandler(DWORD) { return TRUE; }
BOOL WINAPI NeverAddedHandler(DWORD) { return TRUE; }
}  // namespace

TEST(ConsoleControl, EventNumbersAreThePlatforms) {
    EXPECT_EQ(CTRL_C_EVENT, 0);
    EXPECT_EQ(CTRL_BREAK_EVENT, 1);
    EXPECT_EQ(CTRL_CLOSE_EVENT, 2);
    EXPECT_EQ(CTRL_LOGOFF_EVENT, 5);
    EXPECT_EQ(CTRL_SHUTDOWN_EVENT, 6);
}

TEST(ConsoleControl, HandlerAddedTwiceIsRemovedTwiceAndThenRefused) {
    EXPECT_TRUE(SetConsoleCtrlHandler(FirstHandler, TRUE));
    EXPECT_TRUE(SetConsoleCtrlHandler(FirstHandler, TRUE));
    EXPECT_TRUE(SetConsoleCtrlHandler(FirstHandler, FALSE));
    EXPECT_TRUE(SetConsoleCtrlHandler(FirstHandler, FALSE));
    SetLastError(0);
    EXPECT_FALSE(SetConsoleCtrlHandler(FirstHandler, FALSE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(0);
    EXPECT_FALSE(SetConsoleCtrlHandler(NeverAddedHandler, FALSE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(ConsoleControl, NullHandlerSwitchesCtrlCIgnoringEitherWay) {
    EXPECT_TRUE(SetConsoleCtrlHandler(nullptr, TRUE));
    EXPECT_TRUE(SetConsoleCtrlHandler(nullptr, FALSE));
}
