// What only our own layer has: the registry store file shared by processes,
// and local time taken from TZ. (The platform keeps its registry and time
// zone elsewhere, so these run on linux32 only.)
#include <windows.h>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "TempFolder.h"

namespace {
class Store : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        setenv("BRIVEL_COMPAT_REGISTRY", Path("registry.txt").c_str(), 1);
    }
};

// Runs `work` in a child process and waits for it; true when it exited 0.
template <typename Work>
pid_t Spawn(Work work) {
    pid_t child = fork();
    if (child == 0) _exit(work() ? 0 : 1);
    return child;
}

bool Succeeded(pid_t child) {
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool CreateKeys(const char* prefix, int count) {
    for (int i = 0; i < count; ++i) {
        HKEY key;
        std::string name = std::string("Software\\Shared\\") + prefix + std::to_string(i);
        if (RegCreateKeyA(HKEY_CURRENT_USER, name.c_str(), &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
    }
    return true;
}
}  // namespace

TEST_F(Store, AValueWrittenByAnotherProcessIsSeen) {
    pid_t child = Spawn([] {
        HKEY key;
        if (RegCreateKeyA(HKEY_CLASSES_ROOT, "Brivel.Shared", &key) != ERROR_SUCCESS) return false;
        LONG rc = RegSetValueExA(key, "From", 0, REG_SZ, reinterpret_cast<const BYTE*>("child"), 6);
        RegCloseKey(key);
        return rc == ERROR_SUCCESS;
    });
    ASSERT_TRUE(Succeeded(child));
    HKEY key;
    ASSERT_EQ(RegOpenKeyA(HKEY_LOCAL_MACHINE, "Software\\Classes\\Brivel.Shared", &key), ERROR_SUCCESS);
    char text[8];
    DWORD size = sizeof text;
    EXPECT_EQ(RegQueryValueExA(key, "From", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
    EXPECT_STREQ(text, "child");
    RegCloseKey(key);
    EXPECT_NE(brivel::testing::ReadFileBytes(Path("registry.txt")).find("Brivel.Shared"), std::string::npos);
}

TEST_F(Store, ProcessesWritingAtOnceLoseNoKeys) {
    pid_t first = Spawn([] { return CreateKeys("a", 40); });
    pid_t second = Spawn([] { return CreateKeys("b", 40); });
    ASSERT_TRUE(Succeeded(first));
    ASSERT_TRUE(Succeeded(second));
    HKEY shared;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Shared", &shared), ERROR_SUCCESS);
    DWORD count = 0;
    char name[32];
    DWORD size = sizeof name;
    while (RegEnumKeyExA(shared, count, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        ++count;
        size = sizeof name;
    }
    EXPECT_EQ(count, 80u);
    RegCloseKey(shared);
}

TEST_F(Store, NamesAndDataWithAnyBytesSurviveTheFile) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\odd name %20\\x", &key), ERROR_SUCCESS);
    const BYTE data[4] = {0, '\n', '%', 0xFF};
    ASSERT_EQ(RegSetValueExA(key, "value with\nline", 0, REG_BINARY, data, 4), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, "empty", 0, REG_SZ, nullptr, 0), ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\ODD NAME %20\\x", &key), ERROR_SUCCESS);
    BYTE read[8];
    DWORD size = sizeof read;
    ASSERT_EQ(RegQueryValueExA(key, "value with\nline", nullptr, nullptr, read, &size), ERROR_SUCCESS);
    ASSERT_EQ(size, 4u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(read), 4), std::string(reinterpret_cast<const char*>(data), 4));
    size = sizeof read;
    EXPECT_EQ(RegQueryValueExA(key, "empty", nullptr, nullptr, read, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 0u);
    RegCloseKey(key);
}

TEST(LocalTime, FollowsTheProcessTimeZone) {
    setenv("TZ", "BRV-2", 1);  // two hours east of UTC, no daylight saving
    FILETIME utc = {0, 0x01D00000}, local;
    ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
    ULONGLONG difference = ((static_cast<ULONGLONG>(local.dwHighDateTime) << 32) | local.dwLowDateTime) -
                           ((static_cast<ULONGLONG>(utc.dwHighDateTime) << 32) | utc.dwLowDateTime);
    EXPECT_EQ(difference, 2ull * 3600 * 10000000);
    SYSTEMTIME utcNow, localNow;
    GetSystemTime(&utcNow);
    GetLocalTime(&localNow);
    EXPECT_EQ((localNow.wHour + 24 - utcNow.wHour) % 24, 2) << "unless the hour turned between the calls";
}
