// ANSI (code page 1252) and UTF-8 conversion to and from UTF-16.
#include <gtest/gtest.h>

#include <string>

#include "OleText.h"

namespace {
std::u16string ToUtf16(UINT codePage, const std::string& bytes, DWORD flags = 0) {
    OLECHAR out[64];
    int n = MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()), out, 64);
    return Utf16(out, n > 0 ? n : 0);
}

std::string FromUtf16(UINT codePage, const std::u16string& text, BOOL* usedDefault = nullptr,
                      const char* defaultChar = nullptr) {
    char out[64];
    int n = WideCharToMultiByte(codePage, 0, reinterpret_cast<const OLECHAR*>(text.data()),
                                static_cast<int>(text.size()), out, 64, defaultChar, usedDefault);
    return std::string(out, n > 0 ? n : 0);
}
}  // namespace

TEST(CodePages, TheAnsiCodePageIs1252) { EXPECT_EQ(GetACP(), 1252u); }

TEST(CodePages, AnsiBytesAboveAsciiMapBothWays) {
    const std::string ansi = "\x80\x8A\x9F\xA0\xE9\xFF";
    const std::u16string wide = u"\u20AC\u0160\u0178\u00A0\u00E9\u00FF";
    EXPECT_EQ(ToUtf16(CP_ACP, ansi), wide);
    EXPECT_EQ(ToUtf16(1252, ansi), wide);
    BOOL usedDefault = TRUE;
    EXPECT_EQ(FromUtf16(CP_ACP, wide, &usedDefault), ansi);
    EXPECT_FALSE(usedDefault);
}

TEST(CodePages, CharactersOutsideTheAnsiCodePageBecomeTheDefaultCharacter) {
    BOOL usedDefault = FALSE;
    EXPECT_EQ(FromUtf16(CP_ACP, u"a\u4E2Db", &usedDefault), "a?b");
    EXPECT_TRUE(usedDefault);
    EXPECT_EQ(FromUtf16(CP_ACP, u"\u4E2D", nullptr, "#"), "#");
}

TEST(CodePages, Utf8RoundTripsTwoThreeAndFourByteCharacters) {
    const std::string utf8 = "A\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E";
    const std::u16string wide = u"A\u00E9\u20AC\U0001D11E";
    EXPECT_EQ(ToUtf16(CP_UTF8, utf8), wide);
    EXPECT_EQ(FromUtf16(CP_UTF8, wide), utf8);
}

TEST(CodePages, InvalidUtf8FailsOnlyWhenAskedTo) {
    const std::string broken = "a\xFF" "b";
    EXPECT_EQ(ToUtf16(CP_UTF8, broken), u"a\uFFFDb");
    OLECHAR out[8];
    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, broken.data(), 3, out, 8), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
}

TEST(CodePages, MinusOneCountsTheTerminatorAndZeroOutputAsksForTheSize) {
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 0), 4);
    OLECHAR wide[4];
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, wide, 4), 4);
    EXPECT_EQ(wide[3], 0);
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"\u00E9", -1, nullptr, 0, nullptr, nullptr), 3);
    char bytes[3];
    ASSERT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"\u00E9", -1, bytes, 3, nullptr, nullptr), 3);
    EXPECT_EQ(std::string(bytes), "\xC3\xA9");
}

TEST(CodePages, ShortOutputFailsWithInsufficientBuffer) {
    OLECHAR wide[2];
    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 3, wide, 2), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    char bytes[1];
    SetLastError(0);
    EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, L"\u00E9", 1, bytes, 1, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}
