// The self-deleting batch text run by Wine's command interpreter: quoted
// paths with blanks, and an end when the program cannot be deleted.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "SelfDeleteBatch.h"
#include "TempFolder.h"

namespace brivel::setup {
namespace {

namespace fs = std::filesystem;

class SelfDeleteBatchRun : public brivel::testing::TempFolderTest {
protected:
    // Writes the batch as the uninstaller does (text mode) and runs it
    // hidden; the command interpreter's exit code, or STILL_ACTIVE when it
    // did not end within the time.
    DWORD Run(const std::string& program, const std::string& folder, const std::string& batch, int tries,
              DWORD timeoutMs) {
        if (!WriteSelfDeleteBatch(batch, SelfDeleteBatchText(program, folder + "\\", batch, tries))) return 0xBADBAD;
        std::string commandLine = "cmd.exe /c \"\"" + batch + "\"\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                            folder_.string().c_str(), &startup, &process))
            return GetLastError();
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
        else TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return code;
    }
};

TEST_F(SelfDeleteBatchRun, ProgramFolderAndBatchWithBlanksAccentsAndPercentSignsInTheirPathsAreRemoved) {
    // ANSI names, as the uninstaller has them: "Brivel Kit \xe9t\xe9" is
    // "été" in code page 1252, which the command interpreter does not read.
    const std::string root = folder_.string() + "\\";
    for (const std::string kit : {"Brivel Kit 1.8", "Brivel Kit \xe9t\xe9", "Brivel 100% Kit"}) {
        const std::string folder = root + kit;
        const std::string temp = root + "temp folder " + kit;
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << kit;
        ASSERT_TRUE(CreateDirectoryA(temp.c_str(), nullptr)) << kit;
        const std::string program = folder + "\\Uninstaller.exe";
        HANDLE file = CreateFileA(program.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file) << kit;
        CloseHandle(file);
        EXPECT_EQ(0u, Run(program, folder, temp + "\\T 10.bat", 3, 60000)) << kit;
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(program.c_str())) << kit;
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(folder.c_str())) << kit;
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((temp + "\\T 10.bat").c_str())) << kit;
    }
}

TEST_F(SelfDeleteBatchRun, ProgramThatCannotBeDeletedEndsTheBatchAfterItsTries) {
    fs::path folder = folder_ / "Brivel Kit";
    fs::create_directories(folder);
    std::ofstream(folder / "Uninstaller.exe") << "program";
    // Held open without delete sharing, as a program that never ends.
    HANDLE held = CreateFileA((folder / "Uninstaller.exe").string().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    DWORD start = GetTickCount();
    DWORD code = Run((folder / "Uninstaller.exe").string(), folder.string(), (folder_ / "T0.bat").string(), 3, 60000);
    DWORD elapsed = GetTickCount() - start;
    CloseHandle(held);
    EXPECT_NE(static_cast<DWORD>(STILL_ACTIVE), code) << "the batch did not end";
    EXPECT_GE(elapsed, 1500u) << "it paused between its tries";
    EXPECT_TRUE(fs::exists(folder / "Uninstaller.exe"));
    EXPECT_TRUE(fs::exists(folder)) << "a folder that still holds the program stays";
    EXPECT_FALSE(fs::exists(folder_ / "T0.bat")) << "the batch still deletes itself";
}

}  // namespace
}  // namespace brivel::setup
