// A rule of the answer's handling: how much of the progress bar is green.
#include <gtest/gtest.h>

#include "ProgressFill.h"

using namespace brivel::uploadctl;

TEST(ProgressFill, TheGreenPartIsTheShareOfTheWidth) {
    EXPECT_EQ(ProgressFillWidth(200, 0, 100), 0);
    EXPECT_EQ(ProgressFillWidth(200, 50, 100), 100);
    EXPECT_EQ(ProgressFillWidth(200, 100, 100), 200);
    EXPECT_EQ(ProgressFillWidth(200, 150, 100), 200);
    // Width times count is beyond 32 bits.
    EXPECT_EQ(ProgressFillWidth(300, 0xF0000000u, 0xFFFFFFFFu), 281);
}

TEST(ProgressFill, NoTotalOrNoWidthShowsNothing) {
    EXPECT_EQ(ProgressFillWidth(200, 0, 0), 0);
    EXPECT_EQ(ProgressFillWidth(200, 5, 0), 0);
    EXPECT_EQ(ProgressFillWidth(0, 5, 10), 0);
    EXPECT_EQ(ProgressFillWidth(-4, 5, 10), 0);
}
