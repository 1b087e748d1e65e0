// Which addresses from the network may be opened in the browser.
#include "WebAddress.h"

#include <gtest/gtest.h>

using brivel::IsWebAddress;

TEST(WebAddress, PagesOnTheWebAreOpened) {
    for (const char* address : {"http://build.example.test/done?lib=JLib", "HTTPS://example.test", "http://127.0.0.1:8080/x",
                                "http://h/\xE9t\xE9"})
        EXPECT_TRUE(IsWebAddress(address)) << address;
}

TEST(WebAddress, ProgramsFilesOtherSchemesAndArgumentsAreNot) {
    for (const char* address : {"", "C:\\windows\\system32\\calc.exe", "calc", "file:///C:/x.html", "\\\\server\\share\\x.exe",
                                "javascript:alert(1)", "ftp://example.test", "http://", "https://", "http:///etc",
                                "http://a b", "http://a\"b", "http://a\tb", "http://a\x7f", " http://a", "mailto:x@y",
                                "--renderer-cmd-prefix=calc", "-new-window", "http://a\"\" --incognito",
                                "http://a\r\n/x"})
        EXPECT_FALSE(IsWebAddress(address)) << address;
    EXPECT_FALSE(IsWebAddress(std::string("http://a\0b", 10)));
}
