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
    DWORD Run(const fs::path& program, const fs::path& folder, const fs::path& batch, int tries, DWORD timeoutMs) {
        std::ofstream(batch) << SelfDeleteBatchText(program.string(), folder.string() + "\\", batch.string(), tries);
        std::string commandLine = "cmd.exe /c \"\"" + batch.string() + "\"\"";
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

TEST_F(SelfDeleteBatchRun, ProgramFolderAndBatchWithBlanksInTheirPathsAreRemoved) {
    fs::path folder = folder_ / "Brivel Kit 1.8";
    fs::path temp = folder_ / "temp folder";
    fs::create_directories(folder);
    fs::create_directories(temp);
    std::ofstream(folder / "Uninstaller.exe") << "program";
    Run(folder / "Uninstaller.exe", folder, temp / "T 10.bat", 3, 60000);
    EXPECT_FALSE(fs::exists(folder / "Uninstaller.exe"));
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_FALSE(fs::exists(temp / "T 10.bat"));
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
    DWORD code = Run(folder / "Uninstaller.exe", folder, folder_ / "T0.bat", 3, 60000);
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
