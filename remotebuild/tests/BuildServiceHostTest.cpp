// The build service's host: the kit's default, or the user's setting in the
// prefix's registry.
#include "BuildServiceHost.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace brivel::remotebuild;

namespace {

class BuildServiceHostTest : public ::testing::Test {
protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear() { RegDeleteKeyA(HKEY_CURRENT_USER, kBuildServiceKey); }
    static void Set(const std::string& host) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kBuildServiceKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, kBuildServiceHostValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(host.c_str()),
                       static_cast<DWORD>(host.size() + 1));
        RegCloseKey(key);
    }
};

}  // namespace

TEST_F(BuildServiceHostTest, WithoutASettingTheKitsDefaultIsUsed) {
    EXPECT_FALSE(DefaultBuildServiceHost().empty());
    EXPECT_EQ(GetBuildServiceHost(), DefaultBuildServiceHost());
}

TEST_F(BuildServiceHostTest, TheUsersSettingNamesAnotherHost) {
    Set("127.0.0.1");
    EXPECT_EQ(GetBuildServiceHost(), "127.0.0.1");
}

TEST_F(BuildServiceHostTest, AnEmptySettingKeepsTheDefault) {
    Set("");
    EXPECT_EQ(GetBuildServiceHost(), DefaultBuildServiceHost());
}
