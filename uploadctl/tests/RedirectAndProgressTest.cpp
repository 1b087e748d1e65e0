// Two rules of the answer's handling: which redirect addresses the shell
// may open, and how much of the progress bar is green.
#include <gtest/gtest.h>

#include "ProgressFill.h"
#include "WebAddress.h"

using namespace brivel::uploadctl;

TEST(WebAddress, PagesOnTheWebAreOpened) {
    for (const char* address : {"http://build.example.test/done?lib=JLib", "HTTPS://example.test", "http://127.0.0.1:8080/x",
                                "http://h/\xE9t\xE9"})
        EXPECT_TRUE(IsWebAddress(address)) << address;
}

TEST(WebAddress, ProgramsFilesOtherSchemesAndArgumentsAreNot) {
    for (const char* address : {"", "C:\\windows\\system32\\calc.exe", "calc", "file:///C:/x.html", "\\\\server\\share\\x.exe",
                                "javascript:alert(1)", "ftp://example.test", "http://", "https://", "http:///etc",
                                "http://a b", "http://a\"b", "http://a\tb", "http://a\x7f", " http://a", "mailto:x@y"})
        EXPECT_FALSE(IsWebAddress(address)) << address;
    EXPECT_FALSE(IsWebAddress(std::string("http://a\0b", 10)));
}

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
