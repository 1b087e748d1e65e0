// The proxy dialog's OK checks, and the progress bar's split point.
#include <gtest/gtest.h>

#include <string>

#include "ProgressSplit.h"
#include "ProxyDialogChecks.h"

namespace {

std::string Verdict(const ProxyDialogFields& fields) {
    ProxyDialogVerdict verdict = CheckProxyDialog(fields, [](const char* host) { return std::string(host) == "proxy"; });
    if (verdict.Ok()) return "ok " + std::to_string(verdict.port);
    return (verdict.errorBox ? "error: " : "info: ") + verdict.message.str();
}

ProxyDialogFields Fields(const char* host, const char* port) {
    ProxyDialogFields fields;
    fields.host = host;
    fields.portText = port;
    return fields;
}

}  // namespace

TEST(ProxyDialogChecks, PortHostLookupAndCredentialsAreCheckedInThatOrder) {
    EXPECT_EQ(Verdict(Fields("", "")), "info: Please enter an integer between 0 and 65535.");
    EXPECT_EQ(Verdict(Fields("proxy", "65536")), "info: Please enter an integer between 0 and 65535.");
    EXPECT_EQ(Verdict(Fields("proxy", "80a")), "info: Please enter an integer between 0 and 65535.");
    EXPECT_EQ(Verdict(Fields("", "8080")), "info: Please specify host");
    EXPECT_EQ(Verdict(Fields("nowhere.example.test", "8080")), "error: Could not find host nowhere.example.test");
    EXPECT_EQ(Verdict(Fields("proxy", " 8080 ")), "ok 8080");
    EXPECT_EQ(Verdict(Fields("10.20.30.40", "0")), "ok 0");

    ProxyDialogFields credentials = Fields("proxy", "3128");
    credentials.useCredentials = true;
    EXPECT_EQ(Verdict(credentials), "info: Please enter username/password");
    credentials.password = "secret";
    EXPECT_EQ(Verdict(credentials), "ok 3128");
    credentials.password = "";
    credentials.userName = "user";
    EXPECT_EQ(Verdict(credentials), "ok 3128");
}

TEST(ProxyDialogChecks, OnlyFourDecimalPartsUpTo255AreADottedAddress) {
    EXPECT_TRUE(IsDottedAddress("127.0.0.1"));
    EXPECT_TRUE(IsDottedAddress("255.255.255.255"));
    EXPECT_FALSE(IsDottedAddress("256.1.1.1"));
    EXPECT_FALSE(IsDottedAddress("1.2.3"));
    EXPECT_FALSE(IsDottedAddress("1.2.3.4.5"));
    EXPECT_FALSE(IsDottedAddress("1..3.4"));
    EXPECT_FALSE(IsDottedAddress("proxy.example"));
    EXPECT_FALSE(IsDottedAddress(""));
}

TEST(ProgressSplit, TheGreenPartIsTheShareOfTheWidthEvenForFilesOfGigabytes) {
    EXPECT_EQ(ProgressSplitX(10, 300, 0, 1000), 10);
    EXPECT_EQ(ProgressSplitX(10, 300, 500, 1000), 160);
    EXPECT_EQ(ProgressSplitX(10, 300, 999, 1000), 309);  // truncated toward zero
    EXPECT_EQ(ProgressSplitX(10, 300, 1000, 1000), 310);
    // 500 pixels times four million bytes no longer fits 32 bits.
    EXPECT_EQ(ProgressSplitX(0, 500, 4000000, 8000000), 250);
    EXPECT_EQ(ProgressSplitX(0, 500, 4294967295LL, 4294967295LL), 500);
    EXPECT_EQ(ProgressSplitX(0, 640, 3000000000LL, 4000000000LL), 480);
    EXPECT_EQ(ProgressSplitX(0, 500, 7, 0), 0);
    EXPECT_EQ(ProgressSplitX(0, 500, 9, 5), 500);
}
