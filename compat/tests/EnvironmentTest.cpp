// Process environment: the same expectations hold for the platform and for
// our own layer.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(Environment, SetThenGetReturnsTheLengthWithoutTerminator) {
    ASSERT_TRUE(SetEnvironmentVariableA("BRIVEL_ENV_TEST", "value one"));
    char buffer[100] = "";
    EXPECT_EQ(GetEnvironmentVariableA("BRIVEL_ENV_TEST", buffer, sizeof buffer), 9u);
    EXPECT_STREQ(buffer, "value one");
}

TEST(Environment, TooSmallBufferGetsTheSizeNeededIncludingTerminator) {
    ASSERT_TRUE(SetEnvironmentVariableA("BRIVEL_ENV_TEST", "0123456789"));
    char buffer[5] = "abc";
    EXPECT_EQ(GetEnvironmentVariableA("BRIVEL_ENV_TEST", buffer, sizeof buffer), 11u);
    char exact[10];
    EXPECT_EQ(GetEnvironmentVariableA("BRIVEL_ENV_TEST", exact, sizeof exact), 11u);
    char enough[11];
    EXPECT_EQ(GetEnvironmentVariableA("BRIVEL_ENV_TEST", enough, sizeof enough), 10u);
    EXPECT_STREQ(enough, "0123456789");
}

TEST(Environment, AbsentVariableReportsNotFound) {
    SetEnvironmentVariableA("BRIVEL_ENV_ABSENT", nullptr);
    char buffer[16];
    SetLastError(0);
    EXPECT_EQ(GetEnvironmentVariableA("BRIVEL_ENV_ABSENT", buffer, sizeof buffer), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ENVVAR_NOT_FOUND));
}

TEST(Environment, NullValueRemovesTheVariable) {
    ASSERT_TRUE(SetEnvironmentVariableA("BRIVEL_ENV_TEST", "x"));
    ASSERT_TRUE(SetEnvironmentVariableA("BRIVEL_ENV_TEST", nullptr));
    char buffer[16];
    EXPECT_EQ(GetEnvironmentVariableA("BRIVEL_ENV_TEST", buffer, sizeof buffer), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ENVVAR_NOT_FOUND));
}

TEST(Environment, EmptyValueReadsAsLengthZero) {
    ASSERT_TRUE(SetEnvironmentVariableA("BRIVEL_ENV_TEST", ""));
    char buffer[16] = "junk";
    EXPECT_EQ(GetEnvironmentVariableA("BRIVEL_ENV_TEST", buffer, sizeof buffer), 0u);
}

TEST(Environment, NamesAreCaseSensitiveOnlyWhereThePlatformIs) {
    // Names differ in case: both platforms find the exact name.
    ASSERT_TRUE(SetEnvironmentVariableA("Brivel_Exact_Name", "1"));
    char buffer[4];
    EXPECT_EQ(GetEnvironmentVariableA("Brivel_Exact_Name", buffer, sizeof buffer), 1u);
}
