// The HTTP proxy taken from the system's proxy list, and how the build
// owners show it.
#include "ProxyList.h"

#include <gtest/gtest.h>

using namespace brivel::remotebuild;

namespace {

std::string Parsed(const std::string& list) {
    ProxyAddress proxy;
    if (!HttpProxyFromList(list, proxy)) return "(none)";
    return proxy.host + " " + std::to_string(proxy.port);
}

}  // namespace

TEST(ProxyList, TheHttpEntryWinsOverTheOtherSchemes) {
    EXPECT_EQ(Parsed("ftp=ftp.example.test:21;http=proxy.example.test:8080;https=secure.example.test:443"),
              "proxy.example.test 8080");
    EXPECT_EQ(Parsed("https=secure:443 http=plain:3128 socks=s:1080"), "plain 3128");
    EXPECT_EQ(Parsed("HTTP=upper:81"), "upper 81");
    EXPECT_EQ(Parsed("http=first:1;http=second:2"), "first 1");
}

TEST(ProxyList, AnEntryWithoutASchemeServesEveryScheme) {
    EXPECT_EQ(Parsed("proxy.example.test:3128"), "proxy.example.test 3128");
    EXPECT_EQ(Parsed("  10.1.2.3:8000 ; "), "10.1.2.3 8000");
    EXPECT_EQ(Parsed("https=s:443;plain:8080"), "plain 8080");
}

TEST(ProxyList, WithoutAPortTheHttpPortIsTakenAndShownAsTheHostAlone) {
    EXPECT_EQ(Parsed("http=proxy"), "proxy 80");
    EXPECT_EQ(Parsed("proxy"), "proxy 80");
    EXPECT_EQ(ProxyDisplayText("proxy", 80), "proxy");
    EXPECT_EQ(ProxyDisplayText("proxy", 8080), "proxy:8080");
    EXPECT_EQ(ProxyDisplayText("10.0.0.1", 0), "10.0.0.1:0");
}

TEST(ProxyList, AListWithProxiesOnlyForOtherSchemesNamesNoHttpProxy) {
    // Taking the whole list would make a host of "ftp=a:21;https=b".
    EXPECT_EQ(Parsed("ftp=a:21;https=b:443"), "(none)");
    EXPECT_EQ(Parsed("https=b:443"), "(none)");
    EXPECT_EQ(Parsed(""), "(none)");
    EXPECT_EQ(Parsed(" ; "), "(none)");
    EXPECT_EQ(Parsed("http=:8080"), "(none)");
}

// As the proxy dialog reads its port: a decimal number from 0 to 65535.
TEST(ProxyList, APortOutsideTheTcpRangeOrNotANumberNamesNoProxy) {
    EXPECT_EQ(Parsed("proxy:65535"), "proxy 65535");
    EXPECT_EQ(Parsed("proxy:0"), "proxy 0");
    for (const char* list : {"http=proxy:70000", "proxy:65536", "proxy:4294967376", "proxy:99999999999999999999",
                             "proxy:-1", "proxy:+80", "proxy:80x", "proxy:x80", "proxy:"})
        EXPECT_EQ(Parsed(list), "(none)") << list;
}
