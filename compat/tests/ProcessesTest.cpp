// Child processes with redirected standard handles, file handles, folder
// listings, named mutexes and system message texts.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "TempFolder.h"

using brivel::testing::ReadFileBytes;
using brivel::testing::WriteFileBytes;
using Processes = brivel::testing::TempFolderTest;
using FolderListing = brivel::testing::TempFolderTest;

namespace {
// The helper program built beside this test executable.
std::string HelperPath() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string self(path, n);
    std::string folder = self.substr(0, self.find_last_of("/\\") + 1);
#ifdef _WIN32
    return folder + "compat_echo_arguments.exe";
#else
    return folder + "compat_echo_arguments";
#endif
}

std::string Normalised(std::string text) {  // the child's text mode may add CR
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}
}  // namespace

TEST_F(Processes, ChildWritesToInheritedFileAndEndsWithItsExitCode) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    std::string outName = Path("out.txt");
    HANDLE out = CreateFileA(outName.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(out, INVALID_HANDLE_VALUE);
    std::string errName = Path("err.txt");
    HANDLE err = CreateFileA(errName.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(err, INVALID_HANDLE_VALUE);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + HelperPath() + "\" one \"two words\" \"a\\\"quote\" last";
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        << GetLastError();
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), static_cast<DWORD>(WAIT_OBJECT_0));
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeProcess(process.hProcess, &code));
    EXPECT_EQ(code, 7u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(out);
    CloseHandle(err);
    EXPECT_EQ(Normalised(ReadFileBytes(outName)), "[one]\n[two words]\n[a\"quote]\n[last]\n");
    EXPECT_EQ(Normalised(ReadFileBytes(errName)), "to stderr\n");
}

TEST_F(Processes, StartingAMissingProgramFails) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string command = "brivel-no-such-program-here arg";
    SetLastError(0);
    EXPECT_FALSE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(Processes, FileHandlesWriteAndReadBack) {
    std::string name = Path("data.bin");
    HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, "a\nb\0c", 5, &written, nullptr));
    EXPECT_EQ(written, 5u);
    CloseHandle(file);
    EXPECT_EQ(ReadFileBytes(name), std::string("a\nb\0c", 5));

    file = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    char buffer[16];
    DWORD read = 0;
    EXPECT_TRUE(ReadFile(file, buffer, sizeof buffer, &read, nullptr));
    EXPECT_EQ(std::string(buffer, read), std::string("a\nb\0c", 5));
    CloseHandle(file);

    SetLastError(0);
    EXPECT_EQ(CreateFileA(Path("missing").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(FolderListing, ListsEveryEntryWithDotsAndTellsFoldersApart) {
    WriteFileBytes(Path("file.txt"), "12345");
    ASSERT_TRUE(CreateDirectoryA(Path("sub").c_str(), nullptr));
    std::map<std::string, WIN32_FIND_DATAA> found;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(Path("*").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    do found[data.cFileName] = data;
    while (FindNextFileA(find, &data));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(find));

    ASSERT_EQ(found.size(), 4u);
    EXPECT_TRUE(found["."].dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(found[".."].dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(found["sub"].dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_FALSE(found["file.txt"].dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(found["file.txt"].nFileSizeLow, 5u);
}

TEST_F(FolderListing, MissingFolderOrNoMatchFails) {
    WIN32_FIND_DATAA data;
    EXPECT_EQ(FindFirstFileA(Path("missing\\*").c_str(), &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(FindFirstFileA(Path("*.none").c_str(), &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST(SystemMessages, KnownCodesHaveATextWithLineEndUnknownCodesNone) {
    char text[512];
    const DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    for (DWORD code : {ERROR_FILE_NOT_FOUND, ERROR_MOD_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_NO_PROC_SLOTS}) {
        DWORD n = FormatMessageA(flags, nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof text,
                                 nullptr);
        ASSERT_GT(n, 2u) << code;
        EXPECT_EQ(std::string(text).size(), n);
        EXPECT_EQ(std::string(text + n - 2), "\r\n") << code;
    }
    EXPECT_EQ(FormatMessageA(flags, nullptr, 0x2000ABCD, 0, text, sizeof text, nullptr), 0u);
}
