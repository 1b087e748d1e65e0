// The extra class path's entries and the address the setup dialog shows.
#include <gtest/gtest.h>

#include "ExtraClassPath.h"
#include "HostAddress.h"

using namespace brivel::serverhost;

TEST(ExtraClassPath, EntriesSplitAtSemicolonsWithoutEmptyOnesAndJoinBack) {
    EXPECT_EQ(SplitExtraClassPath("C:\\lib\\a.jar;;C:\\classes;"),
              (std::vector<std::string>{"C:\\lib\\a.jar", "C:\\classes"}));
    EXPECT_TRUE(SplitExtraClassPath("").empty());
    EXPECT_TRUE(SplitExtraClassPath(nullptr).empty());
    EXPECT_EQ(JoinExtraClassPath({"C:\\lib\\a.jar", "C:\\classes"}), "C:\\lib\\a.jar;C:\\classes");
    EXPECT_EQ(JoinExtraClassPath({}), "");
    std::string longValue;
    for (int i = 0; i < 400; ++i) longValue += "C:\\lib\\archive" + std::to_string(i) + ".jar;";
    EXPECT_EQ(SplitExtraClassPath(longValue.c_str()).size(), 400u);  // far beyond 3,000 characters
}

TEST(HostAddress, LoopBackAndTenNetworkAddressesAreNotShown) {
    EXPECT_EQ(ChooseShownAddress({"127.0.0.1", "10.1.2.3", "192.168.7.20", "172.16.0.1"}), "192.168.7.20");
    EXPECT_EQ(ChooseShownAddress({"127.0.0.1", "10.0.0.5"}), "");
    EXPECT_EQ(ChooseShownAddress({"100.64.0.1"}), "100.64.0.1");  // not of the 10. network
    EXPECT_EQ(ChooseShownAddress({}), "");
}
