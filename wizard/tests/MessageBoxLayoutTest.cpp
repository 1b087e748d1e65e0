// The message dialog's layout arithmetic and the owner-drawn buttons' look.
#include <gtest/gtest.h>

#include "ButtonLook.h"
#include "MessageBoxLayout.h"

namespace {
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
}  // namespace

TEST(MessageBoxLayout, AOneWordMessageIsNoNarrowerThanItsButtonPlusMargins) {
    MessageBoxLayout box = LayOutMessageBox(30, 21, kButtonWidth, kButtonHeight, false);
    EXPECT_EQ(box.clientWidth, kButtonWidth + 20 + 20);
    EXPECT_EQ(box.clientHeight, 21 + kButtonHeight + 10 + 15);
    EXPECT_EQ(box.text.Width(), 30);
    EXPECT_EQ(box.close.Width(), kButtonWidth);
    EXPECT_EQ(box.close.left, (box.clientWidth - kButtonWidth) / 2);  // centred
    EXPECT_EQ(box.close.top, box.text.bottom + 10);
    EXPECT_LE(box.close.bottom, box.clientHeight);
}

TEST(MessageBoxLayout, AQuestionIsWideEnoughForBothButtonsInEqualGaps) {
    MessageBoxLayout box = LayOutMessageBox(30, 21, kButtonWidth, kButtonHeight, true);
    EXPECT_EQ(box.clientWidth, 2 * kButtonWidth + 30 + 20);
    int gap = (box.clientWidth - 2 * kButtonWidth) / 3;
    EXPECT_EQ(box.yes.left, gap);
    EXPECT_EQ(box.no.left - box.yes.right, gap);
    EXPECT_GE(box.clientWidth - box.no.right, gap);
    EXPECT_EQ(box.yes.top, box.text.bottom + 10);
    EXPECT_EQ(box.no.top, box.yes.top);
}

TEST(MessageBoxLayout, AWideTextSetsTheWidthAndATallOneTheHeight) {
    MessageBoxLayout box = LayOutMessageBox(400, 120, kButtonWidth, kButtonHeight, true);
    EXPECT_EQ(box.clientWidth, 420);
    EXPECT_EQ(box.clientHeight, 120 + kButtonHeight + 25);
    EXPECT_EQ(box.text.left, 10);
    EXPECT_EQ(box.text.right, 410);
    EXPECT_EQ(box.yes.bottom + 10, box.clientHeight);
}

TEST(ButtonLook, APressedButtonSwapsTheColoursOfEachFrame) {
    ButtonFrameColours up = ButtonFrame(false);
    ButtonFrameColours down = ButtonFrame(true);
    EXPECT_EQ(up.outerTopLeft, MakeColour(0xFC, 0xF2, 0xF0));
    EXPECT_EQ(up.outerBottomRight, MakeColour(0x88, 0x50, 0x43));
    EXPECT_EQ(up.innerTopLeft, MakeColour(0xEA, 0xD8, 0xD8));
    EXPECT_EQ(up.innerBottomRight, MakeColour(0xC0, 0x85, 0x81));
    EXPECT_EQ(down.outerTopLeft, up.outerBottomRight);
    EXPECT_EQ(down.outerBottomRight, up.outerTopLeft);
    EXPECT_EQ(down.innerTopLeft, up.innerBottomRight);
    EXPECT_EQ(down.innerBottomRight, up.innerTopLeft);
    EXPECT_EQ(kDialogColour, 0xD1D2E7u);  // RGB(0xE7, 0xD2, 0xD1) as the platform stores it
}

TEST(ButtonLook, TheFontIsEightPointsForTheScreensResolution) {
    EXPECT_EQ(DialogFontHeight(96), -10);
    EXPECT_EQ(DialogFontHeight(120), -13);
    EXPECT_EQ(DialogFontHeight(72), -8);
}
