// OLE colours and COLORREF parts, against the platform and our own layer.
#include <gtest/gtest.h>
#include <windows.h>
#include <olectl.h>

TEST(Colors, RgbColorTranslatesToItself) {
    COLORREF color = 0x12345678;
    EXPECT_EQ(OleTranslateColor(0x00332211, nullptr, &color), S_OK);
    EXPECT_EQ(color, 0x00332211u);
    EXPECT_EQ(OleTranslateColor(0, nullptr, &color), S_OK);
    EXPECT_EQ(color, 0u);
    // Without a place for the result the colour is only checked.
    EXPECT_EQ(OleTranslateColor(0x00FFFFFF, nullptr, nullptr), S_OK);
}

TEST(Colors, UnknownHighByteIsRefused) {
    COLORREF color = 0x12345678;
    EXPECT_EQ(OleTranslateColor(0x03000000, nullptr, &color), E_INVALIDARG);
    EXPECT_EQ(OleTranslateColor(0x40112233, nullptr, &color), E_INVALIDARG);
}

TEST(Colors, ColorrefPartsAndBack) {
    COLORREF color = RGB(0x11, 0x22, 0x33);
    EXPECT_EQ(color, 0x00332211u);
    EXPECT_EQ(GetRValue(color), 0x11);
    EXPECT_EQ(GetGValue(color), 0x22);
    EXPECT_EQ(GetBValue(color), 0x33);
    EXPECT_EQ(GetRValue(0xFF00FF80u), 0x80);
    EXPECT_EQ(GetBValue(0xFFFFFFFFu), 0xFF);
}
