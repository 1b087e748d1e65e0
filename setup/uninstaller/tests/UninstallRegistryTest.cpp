// The uninstaller's registry steps, on keys of the test's own (the real
// registry under Wine, compat's store on linux32).
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "UninstallRegistry.h"

namespace brivel::setup {
namespace {

class UninstallRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        base_ = "Software\\Brivel tests\\uninstall-" + std::to_string(std::random_device{}());
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, base_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &key_, nullptr));
    }
    void TearDown() override {
        if (key_) RegCloseKey(key_);
        HKEY parent = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Brivel tests", 0, KEY_ALL_ACCESS, &parent) == ERROR_SUCCESS) {
            DeleteRegistryTree(parent, base_.substr(base_.rfind('\\') + 1));
            RegCloseKey(parent);
        }
    }
    void Create(const std::string& path) {
        HKEY created = nullptr;
        ASSERT_EQ(ERROR_SUCCESS,
                  RegCreateKeyExA(key_, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created, nullptr))
            << path;
        RegSetValueExA(created, "DisplayName", 0, REG_SZ, reinterpret_cast<const BYTE*>("Brivel"), 7);
        RegCloseKey(created);
    }
    bool Exists(const std::string& path) {
        HKEY opened = nullptr;
        if (RegOpenKeyExA(key_, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
        RegCloseKey(opened);
        return true;
    }

    std::string base_;
    HKEY key_ = nullptr;
};

TEST_F(UninstallRegistryTest, TreeWithSubkeysOfLongNamesIsDeletedWholeAndItsSiblingsStay) {
    const std::string longName(200, 'k');
    Create("Brivel\\Components\\" + longName + "\\Deeper");
    Create("Brivel\\" + std::string(64, 'x'));
    Create("Brivel\\Second");
    Create("Other");
    EXPECT_TRUE(DeleteRegistryTree(key_, "Brivel"));
    EXPECT_FALSE(Exists("Brivel"));
    EXPECT_TRUE(Exists("Other"));
    EXPECT_TRUE(DeleteRegistryTree(key_, "Brivel")) << "a key that is not there counts as removed";
}

TEST_F(UninstallRegistryTest, PathIsOpenedOneSubkeyAtATime) {
    Create("One\\Two\\Three");
    HKEY opened = OpenRegistryPath(HKEY_CURRENT_USER, base_ + "\\One\\Two");
    ASSERT_NE(nullptr, opened);
    HKEY three = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExA(opened, "Three", 0, KEY_READ, &three));
    if (three) RegCloseKey(three);
    RegCloseKey(opened);
    EXPECT_EQ(nullptr, OpenRegistryPath(HKEY_CURRENT_USER, base_ + "\\One\\Missing\\Three"));
}

}  // namespace
}  // namespace brivel::setup
