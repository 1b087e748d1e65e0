#include "BrvString.h"

#include <gtest/gtest.h>

#include <string>

TEST(FormatString, GrowsPastItsStackBufferAndKeepsEveryByte) {
    std::string longArg(1000, 'x');
    std::string text = brivel::FormatString("[%s]%d", longArg.c_str(), 42);
    EXPECT_EQ(text.size(), 1004u);
    EXPECT_EQ(text.substr(996), "xxxxx]42");
}

TEST(FormatString, NullFormatGivesEmptyText) {
    EXPECT_EQ(brivel::FormatString(nullptr), "");
}

TEST(CompareNoCase, FoldsAsciiLettersOnly) {
    EXPECT_EQ(brivel::CompareNoCase("defaultPort", "DEFAULTPORT"), 0);
    EXPECT_TRUE(brivel::EqualsNoCase("SSLKeyFile", "sslkeyfile"));
    // Bytes of the upper half are compared as they are, unsigned, and not folded.
    EXPECT_NE(brivel::CompareNoCase("\xC9", "\xE9"), 0);
    EXPECT_GT(brivel::CompareNoCase("\xE9", "z"), 0);
    EXPECT_LT(brivel::CompareNoCase("abc", "abcd"), 0);
    EXPECT_EQ(brivel::CompareNoCase(nullptr, ""), 0);
}

TEST(CString, FormatAndAppendFormat) {
    CString s;
    s.Format("%s_%d", "Item", 7);
    s.AppendFormat("/%04x", 0xBEEF);
    EXPECT_STREQ(s, "Item_7/beef");
    EXPECT_EQ(s.GetLength(), 11);
}

TEST(CString, CuttingIsBoundedAtBothEnds) {
    CString s("Brivel");
    EXPECT_EQ(s.Left(3), "Bri");
    EXPECT_EQ(s.Left(99), "Brivel");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Mid(3), "vel");
    EXPECT_EQ(s.Mid(4, 99), "el");
    EXPECT_EQ(s.Mid(6), "");
    EXPECT_EQ(s.Mid(-2, 2), "Br");
    EXPECT_EQ(s.Right(2), "el");
    EXPECT_EQ(s.Right(10), "Brivel");
}

TEST(CString, FindingReportsMinusOneWhenAbsent) {
    CString s("a.b.c");
    EXPECT_EQ(s.Find('.'), 1);
    EXPECT_EQ(s.Find('.', 2), 3);
    EXPECT_EQ(s.Find('x'), -1);
    EXPECT_EQ(s.Find(".c"), 3);
    EXPECT_EQ(s.Find('.', 99), -1);
    EXPECT_EQ(s.ReverseFind('.'), 3);
    EXPECT_EQ(s.FindOneOf("cb"), 2);
}

TEST(CString, ReplaceDoesNotRescanWhatItInserted) {
    CString s("a-a");
    EXPECT_EQ(s.Replace("a", "aa"), 2);
    EXPECT_EQ(s, "aa-aa");
    EXPECT_EQ(s.Replace("", "x"), 0);
}

TEST(CString, CaseAndTrim) {
    CString s("  Mixed Case\t\r\n");
    s.Trim();
    EXPECT_EQ(s, "Mixed Case");
    s.MakeUpper();
    EXPECT_EQ(s, "MIXED CASE");
    s.MakeLower();
    EXPECT_EQ(s, "mixed case");
    EXPECT_EQ(s.CompareNoCase("MIXED case"), 0);
}

TEST(CString, NullTextIsEmpty) {
    CString s(static_cast<const char*>(nullptr));
    EXPECT_TRUE(s.IsEmpty());
    s += static_cast<const char*>(nullptr);
    EXPECT_TRUE(s == "");
    EXPECT_TRUE(s == nullptr);
}
