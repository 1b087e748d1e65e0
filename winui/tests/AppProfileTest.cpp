// Profile settings against the real registry of the Wine prefix.
#include "AppProfile.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

using brivel::winui::AppProfile;

namespace {
constexpr const char* kCompany = "Orvanth Software";
constexpr const char* kProgram = "BrivelWinuiProfileTest";
constexpr const char* kProgramKey = "Software\\Orvanth Software\\BrivelWinuiProfileTest";

void RemoveProgramKey() {
    for (const char* section : {"\\Settings", "\\Other", "\\SavedData", ""})
        RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kProgramKey) + section).c_str());
}

class Profile : public ::testing::Test {
protected:
    void SetUp() override { RemoveProgramKey(); }
    void TearDown() override { RemoveProgramKey(); }
    AppProfile profile_{kCompany, kProgram};
};
}  // namespace

TEST(ProgramName, IsTheExecutableNameWithoutFolderAndExtension) {
    EXPECT_EQ(brivel::winui::ProgramName(), "winui_tests");
}

TEST_F(Profile, WrittenIntegerIsADwordUnderTheProgramsSectionKey) {
    EXPECT_EQ(profile_.ReadInt("Settings", "ShowInfo", 7), 7u);  // nothing there yet
    ASSERT_TRUE(profile_.WriteInt("Settings", "ShowInfo", 1));
    EXPECT_EQ(profile_.ReadInt("Settings", "ShowInfo", 7), 1u);
    EXPECT_EQ(profile_.ReadInt("Settings", "showinfo", 7), 1u);  // names ignore case
    EXPECT_EQ(profile_.ReadInt("Other", "ShowInfo", 7), 7u);

    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Orvanth Software\\BrivelWinuiProfileTest\\Settings", 0,
                            KEY_QUERY_VALUE, &key),
              ERROR_SUCCESS);
    DWORD type = 0, value = 0, size = sizeof value;
    EXPECT_EQ(RegQueryValueExA(key, "ShowInfo", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, 1u);

    ASSERT_TRUE(profile_.WriteInt("Settings", "ShowInfo", 0xFFFFFFFFu));
    EXPECT_EQ(profile_.ReadInt("Settings", "ShowInfo", 7), 0xFFFFFFFFu);
}

TEST_F(Profile, ValueOfAnotherTypeReadsAsTheDefault) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Orvanth Software\\BrivelWinuiProfileTest\\Settings", 0,
                              nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "ShowInfo", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);
    RegCloseKey(key);
    EXPECT_EQ(profile_.ReadInt("Settings", "ShowInfo", 0), 0u);
}

TEST_F(Profile, TextEntriesAreStringValuesReadWholeAndAbsentOnesGiveTheDefault) {
    EXPECT_EQ(profile_.ReadString("SavedData", "Dir", "none"), "none");
    ASSERT_TRUE(profile_.WriteString("SavedData", "Dir", "C:\\projects\\"));
    EXPECT_EQ(profile_.ReadString("SavedData", "Dir"), "C:\\projects\\");
    std::string longText(3000, 'x');
    ASSERT_TRUE(profile_.WriteString("SavedData", "File", longText));
    EXPECT_EQ(profile_.ReadString("SavedData", "File"), longText);
    ASSERT_TRUE(profile_.WriteString("SavedData", "File", ""));
    EXPECT_EQ(profile_.ReadString("SavedData", "File", "none"), "");

    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Orvanth Software\\BrivelWinuiProfileTest\\SavedData", 0,
                            KEY_QUERY_VALUE, &key),
              ERROR_SUCCESS);
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExA(key, "Dir", nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));

    // An integer entry is not text.
    ASSERT_TRUE(profile_.WriteInt("SavedData", "Count", 3));
    EXPECT_EQ(profile_.ReadString("SavedData", "Count", "none"), "none");
}
