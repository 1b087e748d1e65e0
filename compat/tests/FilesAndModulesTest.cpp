// Module file names and file moves, against the platform and our own layer.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TempFolder.h"

using brivel::testing::ReadFileBytes;
using brivel::testing::WriteFileBytes;
using Files = brivel::testing::TempFolderTest;

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
