// The system's HTTP proxy as the build owners take it, read through WinINet
// from the prefix's Internet settings.
#include "SystemProxy.h"

#include <gtest/gtest.h>

#include <string>

#include "InternetSettings.h"

using namespace brivel::remotebuild;
using brivel::remotebuild::testing::ScopedInternetSettings;

namespace {

std::string Proxy() {
    ProxySettings settings = GetIEProxy();
    if (!settings.useProxy) return "direct";
    return settings.host + " " + std::to_string(settings.port) + (settings.useCredentials ? " with credentials" : "");
}

}  // namespace

TEST(SystemProxy, DirectAccessUsesNoProxy) {
    ScopedInternetSettings settings;
    settings.NoProxy();
    EXPECT_EQ(Proxy(), "direct");
}

TEST(SystemProxy, TheHttpEntryOfAListForSeveralSchemesGivesHostAndPort) {
    ScopedInternetSettings settings;
    settings.UseProxy("ftp=ftp.example.test:21;http=proxy.example.test:8080;https=secure.example.test:443");
    EXPECT_EQ(Proxy(), "proxy.example.test 8080");
}

TEST(SystemProxy, OneProxyForEverySchemeWithoutAPortIsTheHostOnPort80) {
    ScopedInternetSettings settings;
    settings.UseProxy("proxy.example.test");
    EXPECT_EQ(Proxy(), "proxy.example.test 80");
}

TEST(SystemProxy, AListWithoutAnHttpProxyLeavesTheBuildDirect) {
    ScopedInternetSettings settings;
    settings.UseProxy("ftp=ftp.example.test:21;https=secure.example.test:443");
    EXPECT_EQ(Proxy(), "direct");
}

TEST(SystemProxy, AListLongerThanTheOldBufferIsReadWhole) {
    ScopedInternetSettings settings;
    const std::string host = std::string(300, 'p') + ".example.test";
    settings.UseProxy(host + ":3128");
    EXPECT_EQ(Proxy(), host + " 3128");
}
