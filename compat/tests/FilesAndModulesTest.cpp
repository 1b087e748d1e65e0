// Module file names and file moves, against the platform and our own layer.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>

#include "ServerPath.h"
#include "TempFolder.h"

using brivel::testing::ReadFileBytes;
using brivel::testing::WriteFileBytes;
using Files = brivel::testing::TempFolderTest;

namespace {
std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}
}  // namespace

TEST(ModuleFileName, OfTheProgramNamesThisTestExecutable) {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    ASSERT_GT(n, 0u);
    ASSERT_LT(n, sizeof path);
    EXPECT_EQ(std::string(path).size(), n);
    EXPECT_NE(std::string(path).find("platform_conformance_tests"), std::string::npos) << path;
}

// Whether the cut name is terminated differs between versions of the
// platform; callers may rely only on the result telling them to ask again.
TEST(ModuleFileName, TooSmallBufferReportsItsOwnSize) {
    char path[8];
    EXPECT_EQ(GetModuleFileNameA(nullptr, path, sizeof path), sizeof path);
}

TEST_F(Files, MoveReplacesAnExistingFileOnlyWhenAsked) {
    WriteFileBytes(Path("new"), "new text");
    WriteFileBytes(Path("old"), "old text");
    EXPECT_FALSE(MoveFileExA(Path("new").c_str(), Path("old").c_str(), 0));
    EXPECT_EQ(ReadFileBytes(Path("old")), "old text");
    EXPECT_TRUE(MoveFileExA(Path("new").c_str(), Path("old").c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(ReadFileBytes(Path("old")), "new text");
    EXPECT_FALSE(std::filesystem::exists(Path("new")));
}

TEST_F(Files, DeletingAMissingFileFailsWithFileNotFound) {
    SetLastError(0);
    EXPECT_FALSE(DeleteFileA(Path("missing").c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    WriteFileBytes(Path("present"), "x");
    EXPECT_TRUE(DeleteFileA(Path("present").c_str()));
    EXPECT_EQ(GetFileAttributesA(Path("present").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Files, AttributesTellFoldersFromFiles) {
    WriteFileBytes(Path("file"), "x");
    EXPECT_EQ(GetFileAttributesA(folder_.string().c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    DWORD fileAttributes = GetFileAttributesA(Path("file").c_str());
    ASSERT_NE(fileAttributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(fileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(Libraries, LoadFindExportsAndFree) {
    std::string path = TestServerPath();
    HMODULE module = LoadLibraryA(path.c_str());
    ASSERT_NE(module, nullptr) << path;
    typedef int (*Answer)(void);
    Answer answer = reinterpret_cast<Answer>(GetProcAddress(module, "BrivelTestServerAnswer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_NE(GetProcAddress(module, "DllGetClassObject"), nullptr);
    SetLastError(0);
    EXPECT_EQ(GetProcAddress(module, "NoSuchExport"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
    char name[MAX_PATH];
    DWORD n = GetModuleFileNameA(module, name, sizeof name);
    ASSERT_GT(n, 0u);
    EXPECT_NE(std::string(name).find("brivel_test_server"), std::string::npos) << name;
    EXPECT_TRUE(FreeLibrary(module));
}

TEST(Libraries, AMissingLibraryIsNotFound) {
    SetLastError(0);
    EXPECT_EQ(LoadLibraryA((TestServerPath() + ".missing").c_str()), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

TEST(TemporaryFiles, TheTemporaryFolderEndsInASeparatorAndNamesAreMadeThere) {
    char folder[MAX_PATH];
    DWORD n = GetTempPathA(sizeof folder, folder);
    ASSERT_GT(n, 0u);
    ASSERT_LT(n, sizeof folder);
    EXPECT_TRUE(folder[n - 1] == '\\' || folder[n - 1] == '/') << folder;
    EXPECT_EQ(GetTempPathA(1, folder), n + 1);  // too small: the size needed

    GetTempPathA(sizeof folder, folder);
    char name[MAX_PATH];
    UINT unique = GetTempFileNameA(folder, "BRVX", 0, name);
    ASSERT_NE(unique, 0u);
    std::string made(name);
    EXPECT_EQ(made.compare(0, n + 3, std::string(folder) + "BRV"), 0) << made;  // three prefix letters
    EXPECT_EQ(made.substr(made.size() - 4), ".tmp");
    EXPECT_NE(GetFileAttributesA(name), INVALID_FILE_ATTRIBUTES);  // created, empty
    EXPECT_TRUE(DeleteFileA(name));

    EXPECT_EQ(GetTempFileNameA(folder, "brv", 0x1A2B, name), 0x1A2Bu);
    // The case of the hex digits differs between versions of the platform,
    // whose file names ignore case.
    EXPECT_EQ(Lower(name), Lower(std::string(folder) + "brv1a2b.tmp"));
    EXPECT_EQ(GetFileAttributesA(name), INVALID_FILE_ATTRIBUTES);  // only the name
}

TEST_F(Files, DirectoriesAreCreatedOnceAndRemovedWhenEmpty) {
    std::string sub = Path("sub");
    ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
    SetLastError(0);
    EXPECT_FALSE(CreateDirectoryA(sub.c_str(), nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    SetLastError(0);
    EXPECT_FALSE(CreateDirectoryA(Path("missing/sub").c_str(), nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    WriteFileBytes(Path("sub/file"), "x");
    SetLastError(0);
    EXPECT_FALSE(RemoveDirectoryA(sub.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DIR_NOT_EMPTY));
    EXPECT_TRUE(DeleteFileA(Path("sub/file").c_str()));
    EXPECT_TRUE(RemoveDirectoryA(sub.c_str()));
    EXPECT_EQ(GetFileAttributesA(sub.c_str()), INVALID_FILE_ATTRIBUTES);
}
