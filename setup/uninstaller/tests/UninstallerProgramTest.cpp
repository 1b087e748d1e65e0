// The uninstaller as a real process under Wine: an installation laid out in
// a temporary folder of the prefix (with blanks in its path), the finished
// uninstaller (its directory appended by the packer) in it, driven through
// its message boxes as a user would answer them.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ProgramFolder.h"
#include "ProgramWindows.h"
#include "TempFolder.h"
#include "UninstallRegistry.h"
#include "WaitUntil.h"

namespace brivel::setup {
namespace {

namespace fs = std::filesystem;
using brivel::testing::WaitUntil;

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brivel";
const char kEnvironmentKey[] = "System\\CurrentControlSet\\Control\\Session Manager\\Environment";
const char kUnreadableText[] =
    "Could not extract un-installation data.\nThe executable may have been corrupted.\nPlease delete files and "
    "remove program group items manually.";

// The payload of the packed test uninstaller (see CMakeLists.txt).
const char* const kPayloadFiles[] = {"Brivel.exe",           "Readme.txt",           "help\\Index.html",
                                     "help\\images\\logo.gif", "Samples\\run.cmd",     "User Data\\settings.ini",
                                     "redist\\brivel18.jar"};
// What the installer adds beside the payload: the .bat twin written on
// systems without cmd, the archives copied out of redist, an older archive.
const char* const kInstalledFiles[] = {"Samples\\run.bat", "brivel18.jar", "brivelRemoteClient18.jar", "brivel.jar"};
const char* const kPayloadFolders[] = {"logs", "Samples\\Empty\\Deeper"};
// Kit files in the system folder that nothing else of the tests uses: a
// bridge the kit ships, which goes, and the run-time libraries that programs
// built with the kit load from there, which stay.
const char* const kSystemFiles[] = {"JBrivelSampleActiveX.dll", "BrivelJ2C18.dll", "BrivelMTALib.dll"};
const size_t kRemovedSystemFiles = 1;
// Other programs' entries in the machine CLASSPATH, one in Cyrillic letters.
const wchar_t kOtherEntries[] = L"C:\\lib\\other.jar;C:\\\x0411\x0438\x0431\\x.jar";

std::string HostPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return "Z:" + path;
}

std::string SystemFolder() {
    char folder[MAX_PATH] = "";
    GetSystemDirectoryA(folder, sizeof folder);
    return folder;
}

// The program-group server stand-in (setup/progman/tests), recording the
// commands it receives.
class ProgmanStandIn {
public:
    bool Start(const std::string& record) {
        std::string commandLine = "\"" + brivel::testing::ProgramFolder() + "\\progman_stand_in.exe\" \"" + record + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
            return false;
        // The record file appears once the service is registered.
        return WaitUntil([&] {
                   return fs::exists(record) || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
               }) &&
               fs::exists(record);
    }
    ~ProgmanStandIn() {
        if (!process_.hProcess) return;
        PostThreadMessageA(process_.dwThreadId, WM_QUIT, 0, 0);
        if (WaitForSingleObject(process_.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

private:
    PROCESS_INFORMATION process_{};
};

class UninstallerProgramTest : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        install_ = folder_ / "Brivel Kit 1.8";
        temp_ = folder_ / "temp folder";
        log_ = folder_ / "unregistered.log";
        record_ = folder_ / "progman.txt";
        fs::create_directories(install_);
        fs::create_directories(temp_);
        SaveClasspath();
    }
    void TearDown() override {
        if (process_.hProcess) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
        RestoreClasspath();
        HKEY uninstall = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", 0,
                          KEY_ALL_ACCESS, &uninstall) == ERROR_SUCCESS) {
            DeleteRegistryTree(uninstall, "Brivel");
            RegCloseKey(uninstall);
        }
        for (const char* name : kSystemFiles) DeleteFileA((SystemFolder() + "\\" + name).c_str());
        TempFolderTest::TearDown();
    }

    std::string At(const std::string& relative) const { return (install_ / relative).string(); }
    bool Exists(const std::string& relative) const { return fs::exists(install_ / relative); }

    static void WriteFile(const fs::path& path, const std::string& text) {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }

    // The installation as the installer leaves it, the uninstaller given.
    void LayOut(const std::string& uninstallerImage, const std::string& uninstallerName = "Uninstaller.exe") {
        for (const char* name : kPayloadFiles) WriteFile(install_ / name, name);
        for (const char* name : kInstalledFiles) WriteFile(install_ / name, name);
        for (const char* name : kPayloadFolders) fs::create_directories(install_ / name);
        for (const char* name : {"BrivelEvalDllBuilder.dll", "BrvEvalDownloader.dll"})
            fs::copy_file(brivel::testing::ProgramFolder() + "\\unregister_probe.dll", install_ / name);
        fs::copy_file(uninstallerImage, install_ / uninstallerName);
        for (const char* name : kSystemFiles) WriteFile(SystemFolder() + "\\" + name, name);

        // The uninstall entry, with subkeys as some tools add them.
        for (const std::string& subkey : {std::string(), std::string("\\Details"), "\\Details\\" + std::string(120, 'n'), "\\" + std::string(70, 'x')}) {
            HKEY key = nullptr;
            ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, (kUninstallKey + subkey).c_str(), 0, nullptr,
                                                     0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
            std::string uninstaller = "\"" + At("Uninstaller.exe") + "\"";
            RegSetValueExA(key, "UninstallString", 0, REG_SZ, reinterpret_cast<const BYTE*>(uninstaller.c_str()),
                           static_cast<DWORD>(uninstaller.size() + 1));
            RegCloseKey(key);
        }
        // The kit's archive in the machine CLASSPATH beside other programs'
        // entries, one with characters beyond the code page.
        wchar_t shortFolder[MAX_PATH] = L"";
        ASSERT_NE(0u, GetShortPathNameW(install_.wstring().c_str(), shortFolder, MAX_PATH));
        SetClasspath(std::wstring(kOtherEntries) + L";" + shortFolder + L"\\brivel18.jar");
    }

    void SaveClasspath() { hadClasspath_ = ReadClasspath(savedClasspath_); }
    void RestoreClasspath() {
        if (hadClasspath_) {
            SetClasspath(savedClasspath_);
            return;
        }
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kEnvironmentKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
        RegDeleteValueA(key, "CLASSPATH");
        RegCloseKey(key);
    }
    // The value as the platform keeps it: UTF-16.
    static bool ReadClasspath(std::wstring& value) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kEnvironmentKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        wchar_t text[4096] = L"";
        DWORD size = sizeof text - sizeof(wchar_t);
        bool found = RegQueryValueExW(key, L"CLASSPATH", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size) ==
                     ERROR_SUCCESS;
        RegCloseKey(key);
        value = text;
        return found;
    }
    static void SetClasspath(const std::wstring& value) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kEnvironmentKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &key, nullptr));
        RegSetValueExW(key, L"CLASSPATH", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    static bool UninstallKeyExists() {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }
    std::string UnregisteredLibraries() const { return brivel::testing::ReadFileBytes(log_.string()); }

    // Starts the uninstaller as the uninstall entry would, in its folder,
    // with TMP (where its batch file goes) in a folder with a blank.
    void Start(const std::string& uninstallerName = "Uninstaller.exe") {
        SetEnvironmentVariableA("BRIVEL_UNREGISTER_LOG", log_.string().c_str());
        SetEnvironmentVariableA("TMP", temp_.string().c_str());
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string program = At(uninstallerName);
        std::string commandLine = "\"" + program + "\"";
        ASSERT_TRUE(CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                   install_.string().c_str(), &startup, &process_))
            << GetLastError();
    }

    // The text of the process's message box with this caption, answered
    // with the button; "(no message box <caption>)" when none came.
    std::string Answer(const char* caption, int button) {
        HWND box = nullptr;
        WaitUntil([&] {
            box = brivel::testing::FindProcessDialog(process_.dwProcessId, caption);
            return box != nullptr || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
        });
        if (!box) return std::string("(no message box ") + caption + ")";
        std::string text = brivel::testing::StaticTexts(box);
        brivel::testing::ClickItem(box, button);
        return text;
    }

    DWORD WaitForExit() {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(process_.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

    bool BatchFilesLeft() const { return !fs::is_empty(temp_); }

    std::string ProgramGroupCommands() const { return brivel::testing::ReadFileBytes(record_.string()); }

    fs::path install_, temp_, log_, record_;
    ProgmanStandIn progman_;
    PROCESS_INFORMATION process_{};
    bool hadClasspath_ = false;
    std::wstring savedClasspath_;
};

TEST_F(UninstallerProgramTest, YesRemovesTheKitThenTheBatchRemovesTheProgramAndItsFolder) {
    LayOut(HostPath(BRIVEL_FINISHED_UNINSTALLER));
    ASSERT_TRUE(progman_.Start(record_.string()));
    Start();
    EXPECT_EQ("Un-install Brivel?", Answer("Confirm Uninstallation", IDYES));
    EXPECT_EQ("Brivel has been removed from the system.", Answer("Finished", IDOK));
    EXPECT_EQ(0u, WaitForExit());

    EXPECT_EQ("BrvEvalDownloader.dll\nBrivelEvalDllBuilder.dll\n", UnregisteredLibraries());
    EXPECT_EQ("[DeleteGroup(\"Brivel\")]\r\n", ProgramGroupCommands());
    EXPECT_FALSE(UninstallKeyExists()) << "the uninstall key with all its subkeys";
    std::wstring classpath;
    ReadClasspath(classpath);
    EXPECT_EQ(kOtherEntries, classpath) << "the kit's archive taken out, the other entries kept as they were";
    for (size_t i = 0; i < std::size(kSystemFiles); ++i) {
        std::string path = SystemFolder() + "\\" + kSystemFiles[i];
        if (i < kRemovedSystemFiles) EXPECT_FALSE(fs::exists(path)) << path;
        else EXPECT_EQ(kSystemFiles[i], brivel::testing::ReadFileBytes(path)) << path;
    }
    // The batch file, run by the command interpreter once the program has
    // ended, takes the program, the now empty folder and itself.
    EXPECT_TRUE(WaitUntil([&] { return !fs::exists(install_); })) << "the installation folder is still there";
    EXPECT_TRUE(WaitUntil([&] { return !BatchFilesLeft(); })) << "the batch file is still there";
}

TEST_F(UninstallerProgramTest, FolderWithAUsersFileStaysAndEverythingElseGoes) {
    LayOut(HostPath(BRIVEL_FINISHED_UNINSTALLER));
    WriteFile(install_ / "User Data" / "my notes.txt", "mine");
    WriteFile(install_ / "help" / "images" / "my picture.gif", "mine too");
    Start();
    EXPECT_EQ("Un-install Brivel?", Answer("Confirm Uninstallation", IDYES));
    EXPECT_EQ("Brivel has been removed from the system.", Answer("Finished", IDOK));
    EXPECT_EQ(0u, WaitForExit());
    EXPECT_TRUE(WaitUntil([&] { return !Exists("Uninstaller.exe") && !BatchFilesLeft(); }));

    for (const char* name : kPayloadFiles) EXPECT_FALSE(Exists(name)) << name;
    for (const char* name : kInstalledFiles) EXPECT_FALSE(Exists(name)) << name;
    for (const char* name : {"BrivelEvalDllBuilder.dll", "BrvEvalDownloader.dll"}) EXPECT_FALSE(Exists(name)) << name;
    for (const char* folder : {"logs", "Samples", "redist"}) EXPECT_FALSE(Exists(folder)) << folder;
    EXPECT_EQ("mine", brivel::testing::ReadFileBytes(At("User Data\\my notes.txt")));
    EXPECT_EQ("mine too", brivel::testing::ReadFileBytes(At("help\\images\\my picture.gif")));
    EXPECT_TRUE(fs::exists(install_)) << "it still holds the user's files";
}

TEST_F(UninstallerProgramTest, NoRemovesNothing) {
    LayOut(HostPath(BRIVEL_FINISHED_UNINSTALLER));
    ASSERT_TRUE(progman_.Start(record_.string()));
    Start();
    EXPECT_EQ("Un-install Brivel?", Answer("Confirm Uninstallation", IDNO));
    EXPECT_EQ(0u, WaitForExit());

    for (const char* name : kPayloadFiles) EXPECT_TRUE(Exists(name)) << name;
    for (const char* name : kInstalledFiles) EXPECT_TRUE(Exists(name)) << name;
    EXPECT_TRUE(Exists("Uninstaller.exe"));
    for (const char* name : kSystemFiles) EXPECT_TRUE(fs::exists(SystemFolder() + "\\" + name)) << name;
    EXPECT_TRUE(UninstallKeyExists());
    EXPECT_EQ("", UnregisteredLibraries());
    EXPECT_EQ("", ProgramGroupCommands());
    EXPECT_FALSE(BatchFilesLeft());
}

TEST_F(UninstallerProgramTest, EditionsUninstallerNameGivesItsDisplayName) {
    LayOut(HostPath(BRIVEL_FINISHED_UNINSTALLER), "BrivelEvalUninstaller.exe");
    Start("BrivelEvalUninstaller.exe");
    EXPECT_EQ("Un-install Brivel Evaluation?", Answer("Confirm Uninstallation", IDNO));
    EXPECT_EQ(0u, WaitForExit());
    EXPECT_TRUE(Exists("BrivelEvalUninstaller.exe"));
}

TEST_F(UninstallerProgramTest, UninstallerWithoutItsDirectorySaysSoAndRemovesNoFile) {
    LayOut(brivel::testing::ProgramFolder() + "\\Uninstaller.exe");  // as linked, nothing appended
    Start();
    EXPECT_EQ("Un-install Brivel?", Answer("Confirm Uninstallation", IDYES));
    EXPECT_EQ(kUnreadableText, Answer("Uninstall Failed", IDOK));
    EXPECT_EQ(0u, WaitForExit());

    for (const char* name : kPayloadFiles) EXPECT_TRUE(Exists(name)) << name;
    for (const char* name : kInstalledFiles) EXPECT_TRUE(Exists(name)) << name;
    EXPECT_TRUE(UninstallKeyExists());
    EXPECT_EQ("BrvEvalDownloader.dll\nBrivelEvalDllBuilder.dll\n", UnregisteredLibraries())
        << "the registrations go before the directory is read";
    EXPECT_FALSE(BatchFilesLeft());
}

}  // namespace
}  // namespace brivel::setup
