#include "CommandLine.h"

#include <gtest/gtest.h>

using brivel::QuoteCommandArgument;

TEST(CommandLine, PlainTextIsOnlyPutInQuotes) {
    EXPECT_EQ(QuoteCommandArgument("C:\\Program Files\\Brivel\\BrivelServer.jar;C:\\lib\\x.jar"),
              "\"C:\\Program Files\\Brivel\\BrivelServer.jar;C:\\lib\\x.jar\"");
    EXPECT_EQ(QuoteCommandArgument(""), "\"\"");
    EXPECT_EQ(QuoteCommandArgument("a\\\\b"), "\"a\\\\b\"");  // inner backslashes stay as they are
}

TEST(CommandLine, TrailingBackslashesAndQuotesAreEscaped) {
    EXPECT_EQ(QuoteCommandArgument("C:\\classes\\"), "\"C:\\classes\\\\\"");
    EXPECT_EQ(QuoteCommandArgument("C:\\"), "\"C:\\\\\"");
    EXPECT_EQ(QuoteCommandArgument("say \"hi\""), "\"say \\\"hi\\\"\"");
    EXPECT_EQ(QuoteCommandArgument("a\\\"b"), "\"a\\\\\\\"b\"");  // a\"b: the backslash and the quote both escaped
}
