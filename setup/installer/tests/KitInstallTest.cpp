// The real kit installer (bin/installer.exe) under Wine on the test display,
// driven as a user would drive it, into a temporary folder of the prefix;
// then its uninstaller. The program group goes to the PROGMAN stand-in,
// and Readme.txt to a stand-in that records how it was opened.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "KitProgram.h"
#include "MachineState.h"
#include "ProgramFolder.h"
#include "ScriptedControlServer.h"
#include "ServerFolder.h"
#include "SocketsForTests.h"
#include "TempFolder.h"
#include "WaitUntil.h"
#include "resource.h"

using namespace brivel::setup::testing;
using brivel::testing::ReadFileBytes;
using brivel::testing::WaitUntil;

namespace {

constexpr const char kJavacCaption[] = "Command \"javac\" not found";
constexpr const char kFolderCaption[] = "Brivel Installation Folder";
constexpr const char kLicenseCaption[] = "License Agreement";
constexpr const char kProgressCaption[] = "Installation Progress";

// A build-machine path as Wine's programs see it.
std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> parts;
    std::stringstream in(line);
    std::string part;
    while (std::getline(in, part, separator)) parts.push_back(part);
    return parts;
}

// The kit's manifest, as the packer read it.
struct KitFile {
    std::string name;
    std::string source;  // as Wine sees it
    bool text = false;
};

struct Kit {
    std::vector<KitFile> files;
    std::string uninstallerName;
    std::vector<std::string> shortcutTitles;
};

Kit ReadKitManifest() {
    Kit kit;
    std::stringstream in(ReadFileBytes(WindowsPath(KIT_MANIFEST)));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> parts = Split(line, '|');
        if (parts.size() == 4 && parts[0] == "file") kit.files.push_back({parts[2], WindowsPath(parts[3]), parts[1] == "text"});
        else if (parts.size() == 3 && parts[0] == "uninstaller") kit.uninstallerName = parts[1];
        else if (parts.size() == 3 && parts[0] == "shortcut") kit.shortcutTitles.push_back(parts[1]);
    }
    return kit;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }
bool EndsWith(const std::string& text, const char* suffix) {
    std::string s(suffix);
    return text.size() >= s.size() && text.compare(text.size() - s.size(), s.size(), s) == 0;
}
std::string BaseName(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

class KitInstall : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "needs a display";
        TempFolderTest::SetUp();
        bin_ = brivel::testing::ProgramFolder();
        // Blanks in the path: the short form goes into texts and settings,
        // the quoted long form into the uninstall entry.
        target_ = Path("Program Files") + "\\Brivel Kit";
        groupRecord_ = Path("progman.txt");
        readmeRecord_ = Path("readme-opened.txt");
        kit_ = ReadKitManifest();
        ASSERT_FALSE(kit_.files.empty()) << KIT_MANIFEST;
        ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey)) << "an earlier run left the uninstall entry";
        for (const std::string& library : SystemLibraries()) systemFilesBefore_.push_back(FileExists(library));
        textAssociation_ = std::make_unique<ScopedTextAssociation>(bin_ + "\\browser_stand_in.exe", readmeRecord_);
        ASSERT_TRUE(StartProgramGroupServer());
    }

    void TearDown() override {
        StopProgramGroupServer();
        textAssociation_.reset();
        // Whatever a failed run left behind in the prefix goes.
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kUninstallKey);
        std::vector<std::string> libraries = SystemLibraries();
        for (size_t i = 0; i < libraries.size() && i < systemFilesBefore_.size(); ++i)
            if (!systemFilesBefore_[i]) DeleteFileA(libraries[i].c_str());
        RegistryValue server = ReadValue(HKEY_CLASSES_ROOT, kUploadControlServerKey, nullptr);
        if (server.present && server.Text().find(BaseName(folder_.string())) != std::string::npos)
            UnregisterUploadControl(server.Text());
        TempFolderTest::TearDown();
    }

    // The kit's libraries that the installer copies into the system folder.
    std::vector<std::string> SystemLibraries() const {
        std::vector<std::string> libraries;
        for (const KitFile& file : kit_.files)
            if (StartsWith(file.name, "redist\\") && EndsWith(file.name, ".dll"))
                libraries.push_back(SystemFolderPath() + "\\" + BaseName(file.name));
        return libraries;
    }

    static void UnregisterUploadControl(const std::string& library) {
        HMODULE module = LoadLibraryA(library.c_str());
        if (!module) return;
        using Function = HRESULT(STDAPICALLTYPE*)();
        if (auto unregister = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, "DllUnregisterServer"))))
            unregister();
        FreeLibrary(module);
    }

    bool StartProgramGroupServer() {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string command = "\"" + bin_ + "\\" PROGMAN_STAND_IN "\" \"" + groupRecord_ + "\"";
        if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &groupServer_))
            return false;
        // It answers once its record file exists.
        return WaitUntil([&] { return FileExists(groupRecord_); });
    }

    void StopProgramGroupServer() {
        if (!groupServer_.hProcess) return;
        PostThreadMessageA(groupServer_.dwThreadId, WM_QUIT, 0, 0);
        if (WaitForSingleObject(groupServer_.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(groupServer_.hProcess, 1);
        CloseHandle(groupServer_.hThread);
        CloseHandle(groupServer_.hProcess);
        groupServer_ = PROCESS_INFORMATION{};
    }

    // Starts the kit installer (or another program image with its payload,
    // in another working folder) and takes it to the folder dialog,
    // answering the javac notice with "Proceed without JAVAC" (the prefix
    // has no JDK).
    HWND StartInstaller(KitProgram& installer, const std::string& program = "", const std::string& workingFolder = "") {
        std::string path = program.empty() ? bin_ + "\\installer.exe" : program;
        if (!installer.Start("\"" + path + "\"", workingFolder.empty() ? bin_ : workingFolder)) return nullptr;
        HWND first = installer.WaitForEither(kJavacCaption, kFolderCaption);
        if (first && Text(first) == kJavacCaption) {
            EXPECT_NE(StaticTexts(first).find("The installer was not able to find the command JAVAC in your path."),
                      std::string::npos);
            Click(first, IDCANCEL);
            first = installer.WaitForDialog(kFolderCaption);
        }
        return first;
    }

    // Folder dialog, licence and the question for a missing folder, up to
    // the progress dialog.
    HWND InstallInto(KitProgram& installer, const std::string& folder, bool expectFolderQuestion,
                     const std::string& program = "", const std::string& workingFolder = "") {
        HWND folderDialog = StartInstaller(installer, program, workingFolder);
        if (!folderDialog) return nullptr;
        EXPECT_EQ(ItemText(folderDialog, IDC_FOLDER), "C:\\Brivel");
        SetText(folderDialog, IDC_FOLDER, folder);
        Click(folderDialog, IDOK);
        HWND license = installer.WaitForDialog(kLicenseCaption);
        if (!license) return nullptr;
        EXPECT_EQ(ItemText(license, IDC_LICENSE_TEXT).rfind("Brivel License Agreement\r\n", 0), 0u);
        Click(license, IDOK);
        if (expectFolderQuestion) {
            EXPECT_EQ(installer.Answer("Create directory", IDYES), "Target folder does not exist, create? ");
        }
        return installer.WaitForDialog(kProgressCaption);
    }

    // Waits for "Finished" while the progress dialog is still up: the bar
    // stands at 95, and Escape does not end the installation.
    void ExpectFinished(KitProgram& installer, HWND progress) {
        HWND finished = installer.WaitForDialog("Finished", 120000);
        ASSERT_NE(finished, nullptr) << "no \"Finished\"";
        EXPECT_EQ(StaticTexts(finished), "Brivel installation is complete.");
        EXPECT_EQ(SendMessageA(GetDlgItem(progress, IDC_PROGRESS), PBM_GETPOS, 0, 0), 95);
        EXPECT_FALSE(IsShown(progress, IDOK));
        EXPECT_FALSE(IsShown(progress, IDCANCEL));
        PostMessageA(progress, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);  // Escape
        PostMessageA(progress, WM_CLOSE, 0, 0);
        // A position posted to the bar after them: once the bar shows it,
        // the dialog's thread has taken both (an ended dialog hides at once).
        HWND bar = GetDlgItem(progress, IDC_PROGRESS);
        PostMessageA(bar, PBM_SETPOS, 50, 0);
        WaitUntil([&] { return SendMessageA(bar, PBM_GETPOS, 0, 0) == 50 || !IsWindowVisible(progress); });
        EXPECT_TRUE(IsWindowVisible(progress)) << "Escape ended the progress dialog during the installation";
        Click(finished, IDOK);
        EXPECT_EQ(installer.WaitForExit(), 0u);
    }

    void ExpectNothingChanged(const SavedMachineClasspath& classpath) {
        EXPECT_FALSE(FolderExists(target_));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
        RegistryValue now = ReadValue(HKEY_LOCAL_MACHINE, kEnvironmentKey, "CLASSPATH");
        EXPECT_EQ(now.present, classpath.Saved().present);
        EXPECT_EQ(now.bytes, classpath.Saved().bytes);
        EXPECT_EQ(ReadFileBytes(groupRecord_), "");
    }

    std::string bin_;
    std::string target_;
    std::string groupRecord_;
    std::string readmeRecord_;
    Kit kit_;
    std::vector<bool> systemFilesBefore_;
    std::unique_ptr<ScopedTextAssociation> textAssociation_;
    PROCESS_INFORMATION groupServer_{};
};

}  // namespace

TEST_F(KitInstall, InstallsTheWholeKitAndItsUninstallerRemovesEverythingAndItself) {
    SavedMachineClasspath classpath;
    // Another program's entry, in Cyrillic letters: beyond the code page.
    const std::wstring others = L"C:\\\x0411\x0438\x0431\\other.jar";
    WriteMachineClasspath(others);
    KitProgram installer;
    HWND progress = InstallInto(installer, target_, true);
    ASSERT_NE(progress, nullptr);
    ExpectFinished(installer, progress);
    const std::string shortTarget = ShortForm(target_);

    // Every payload file where it belongs, byte for byte or with its macros
    // expanded; the redist folder emptied into the folder and the system
    // folder, and removed.
    for (const KitFile& file : kit_.files) {
        std::string source = ReadFileBytes(file.source);
        if (file.name == "install.pkg") {
            EXPECT_FALSE(FileExists(target_ + "\\install.pkg")) << "install.pkg is read and deleted";
        } else if (StartsWith(file.name, "redist\\")) {
            std::string copy = (EndsWith(file.name, ".dll") ? SystemFolderPath() : target_) + "\\" + BaseName(file.name);
            EXPECT_EQ(ReadFileBytes(copy), source) << copy;
        } else if (!file.text) {
            EXPECT_EQ(ReadFileBytes(target_ + "\\" + file.name), source) << file.name;
        } else {
            std::string written = ReadFileBytes(target_ + "\\" + file.name);
            EXPECT_FALSE(written.empty()) << file.name;
            EXPECT_EQ(written.find("$TGTDIR"), std::string::npos) << file.name;
        }
    }
    EXPECT_FALSE(FolderExists(target_ + "\\redist"));
    std::string readme = ReadFileBytes(target_ + "\\Readme.txt");
    EXPECT_NE(readme.find("Brivel is installed in " + shortTarget + " (drive C:)."), std::string::npos) << readme;
    EXPECT_NE(readme.find("into " + SystemFolderPath() + "."), std::string::npos) << readme;
    EXPECT_EQ(ReadFileBytes(target_ + "\\BrivelServer.config"),
              "# Brivel Server configuration: BrvService.exe keeps its settings here.\r\n");

    // The uninstall entry, its command quoted. (Both values are written with
    // their terminating zero; Wine's registry adds a missing one itself, so
    // that is not seen here.)
    const std::string uninstaller = target_ + "\\" + kit_.uninstallerName;
    RegistryValue name = ReadValue(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName");
    RegistryValue command = ReadValue(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString");
    EXPECT_EQ(name.bytes, std::string("Brivel", 7));
    EXPECT_EQ(command.bytes, "\"" + uninstaller + "\"" + std::string(1, '\0'));
    EXPECT_EQ(command.type, static_cast<DWORD>(REG_SZ));

    // The upload control registered from the installation folder.
    RegistryValue server = ReadValue(HKEY_CLASSES_ROOT, kUploadControlServerKey, nullptr);
    EXPECT_EQ(ShortForm(server.Text()), ShortForm(target_ + "\\BrivelEvalDllBuilder.dll")) << server.Text();

    // brivel18.jar on the machine CLASSPATH, the earlier value kept as it was.
    RegistryValue path = ReadValue(HKEY_LOCAL_MACHINE, kEnvironmentKey, "CLASSPATH");
    EXPECT_NE(path.Text().find(shortTarget + "\\brivel18.jar"), std::string::npos) << path.Text();
    EXPECT_EQ(ReadMachineClasspath().rfind(others + L";", 0), 0u);

    // The program group, built anew from the shortcuts.
    std::string group = ReadFileBytes(groupRecord_);
    EXPECT_NE(group.find("[DeleteGroup(\"Brivel\")]"), std::string::npos) << group;
    EXPECT_NE(group.find("[CreateGroup(\"Brivel\")]"), std::string::npos) << group;
    EXPECT_NE(group.find("[ShowGroup(\"Brivel\",1)]"), std::string::npos) << group;
    ASSERT_FALSE(kit_.shortcutTitles.empty()) << KIT_MANIFEST;
    for (const std::string& title : kit_.shortcutTitles)
        EXPECT_NE(group.find(",\"" + title + "\")]"), std::string::npos) << title << "\n" << group;
    EXPECT_NE(group.find("[AddItem(\"" + shortTarget + "\\Brivel.exe\",\"Brivel\")]"), std::string::npos) << group;

    // Readme.txt opened with the shell.
    EXPECT_TRUE(WaitUntil([&] { return FileExists(readmeRecord_); })) << "Readme.txt was not opened";
    EXPECT_NE(ReadFileBytes(readmeRecord_).find("Readme.txt"), std::string::npos);

    // The uninstaller, started as the uninstall entry says.
    std::string groupBefore = ReadFileBytes(groupRecord_);
    KitProgram remover;
    ASSERT_TRUE(remover.Start(command.Text(), bin_));
    EXPECT_EQ(remover.Answer("Confirm Uninstallation", IDYES), "Un-install Brivel?");
    EXPECT_EQ(remover.Answer("Finished", IDOK, 120000), "Brivel has been removed from the system.");
    EXPECT_EQ(remover.WaitForExit(), 0u);
    // Its batch file removes it and its folder once it has ended.
    EXPECT_TRUE(WaitUntil([&] { return !FolderExists(target_); }, std::chrono::seconds(120)))
        << "the installation folder stays";
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_FALSE(ReadValue(HKEY_CLASSES_ROOT, kUploadControlServerKey, nullptr).present);
    // The shared run-time libraries stay for the programs built with the kit.
    for (const std::string& library : SystemLibraries()) {
        bool shared = EndsWith(library, "\\BrivelMTALib.dll") || EndsWith(library, "\\BrivelJ2C18.dll");
        EXPECT_EQ(FileExists(library), shared) << library;
    }
    EXPECT_TRUE(ReadMachineClasspath() == others) << "the kit's entry taken out, the other one kept as it was";
    EXPECT_NE(ReadFileBytes(groupRecord_).find("[DeleteGroup(\"Brivel\")]", groupBefore.size()), std::string::npos);
}

TEST_F(KitInstall, AConfigurationKeptFromAnEarlierInstallationIsNeitherReplacedNorExpanded) {
    SavedMachineClasspath classpath;
    ASSERT_TRUE(CreateDirectoryA(Path("Program Files").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(target_.c_str(), nullptr));
    const std::string settings = "defaultPort: 7100\r\n# kept in $TGTDIR\r\n";
    brivel::testing::WriteFileBytes(target_ + "\\BrivelServer.config", settings);
    KitProgram installer;
    HWND progress = InstallInto(installer, target_, false);
    ASSERT_NE(progress, nullptr);
    ExpectFinished(installer, progress);
    EXPECT_EQ(ReadFileBytes(target_ + "\\BrivelServer.config"), settings);
    EXPECT_TRUE(FileExists(target_ + "\\Brivel.exe"));
}

TEST_F(KitInstall, CancelInTheFolderDialogChangesNothing) {
    SavedMachineClasspath classpath;
    KitProgram installer;
    HWND folderDialog = StartInstaller(installer);
    ASSERT_NE(folderDialog, nullptr);
    SetText(folderDialog, IDC_FOLDER, target_);
    Click(folderDialog, IDCANCEL);
    EXPECT_EQ(installer.WaitForExit(), 0u);
    EXPECT_FALSE(installer.Shows(kLicenseCaption));
    ExpectNothingChanged(classpath);
}

TEST_F(KitInstall, NoToTheLicenseChangesNothing) {
    SavedMachineClasspath classpath;
    KitProgram installer;
    HWND folderDialog = StartInstaller(installer);
    ASSERT_NE(folderDialog, nullptr);
    SetText(folderDialog, IDC_FOLDER, target_);
    Click(folderDialog, IDOK);
    HWND license = installer.WaitForDialog(kLicenseCaption);
    ASSERT_NE(license, nullptr);
    Click(license, IDCANCEL);
    EXPECT_EQ(installer.WaitForExit(), 0u);
    ExpectNothingChanged(classpath);
}

TEST_F(KitInstall, NoToCreatingTheFolderChangesNothingAndAnEmptyFolderIsAskedFor) {
    SavedMachineClasspath classpath;
    KitProgram installer;
    HWND folderDialog = StartInstaller(installer);
    ASSERT_NE(folderDialog, nullptr);
    SetText(folderDialog, IDC_FOLDER, "");
    Click(folderDialog, IDOK);
    EXPECT_EQ(installer.Answer("Missing Data", IDOK), "Please specify a value for field \"Installation Folder\"");
    SetText(folderDialog, IDC_FOLDER, target_);
    Click(folderDialog, IDOK);
    HWND license = installer.WaitForDialog(kLicenseCaption);
    ASSERT_NE(license, nullptr);
    Click(license, IDOK);
    EXPECT_EQ(installer.Answer("Create directory", IDNO), "Target folder does not exist, create? ");
    EXPECT_EQ(installer.WaitForExit(), 0u);
    EXPECT_FALSE(installer.Shows(kProgressCaption));
    ExpectNothingChanged(classpath);
}

namespace {

void AppendNumber(std::string& bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

struct CraftedEntry {
    std::string name;
    std::string bytes;
};

// The installer's own image with a payload of the test's own, written as
// the reader expects it or not (an entry name leaving the folder): no
// uninstaller, shortcut or folder record.
std::string CraftedInstaller(const std::vector<CraftedEntry>& entries) {
    std::string installer = ReadFileBytes(WindowsPath(INSTALLER_IMAGE));
    std::vector<uint32_t> offsets;
    uint32_t total = 0;
    for (const CraftedEntry& entry : entries) {
        offsets.push_back(static_cast<uint32_t>(installer.size()));
        installer += entry.bytes;
        total += static_cast<uint32_t>(entry.bytes.size());
    }
    const uint32_t directoryOffset = static_cast<uint32_t>(installer.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        AppendNumber(installer, offsets[i]);
        AppendNumber(installer, static_cast<uint32_t>(entries[i].bytes.size()));
        installer += '\0';
        AppendNumber(installer, static_cast<uint32_t>(entries[i].name.size()));
        installer += entries[i].name;
    }
    for (uint32_t number : {directoryOffset, static_cast<uint32_t>(entries.size()), total, 0u, 0u})
        AppendNumber(installer, number);
    return installer;
}

}  // namespace

// Damaged archives are refused before anything is written: an entry that
// leaves the folder, and a large file (sparse: its 1.5 GB of zeros take no
// room on the disk) whose trailer claims every byte as entry records.
TEST_F(KitInstall, ADamagedArchiveIsRefusedAndNothingIsWritten) {
    const std::string escaping = Path("installer.exe");
    brivel::testing::WriteFileBytes(escaping, CraftedInstaller({{"..\\escaped.txt", "EVIL"}}));
    const std::string large = Path("large installer.exe");
    {
        const std::string image = ReadFileBytes(WindowsPath(INSTALLER_IMAGE));
        const uint64_t size = 1536ull * 1024 * 1024;
        std::string trailer;
        for (uint32_t number : {static_cast<uint32_t>(image.size()),
                                static_cast<uint32_t>((size - 20 - image.size()) / 13), 0u, 0u, 0u})
            AppendNumber(trailer, number);
        HANDLE file = CreateFileA(large.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, image.data(), static_cast<DWORD>(image.size()), &written, nullptr);
        LARGE_INTEGER at;
        at.QuadPart = static_cast<LONGLONG>(size - 20);
        SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
        WriteFile(file, trailer.data(), static_cast<DWORD>(trailer.size()), &written, nullptr);
        CloseHandle(file);
        ASSERT_EQ(written, 20u);
    }
    for (const std::string& program : {escaping, large}) {
        SavedMachineClasspath classpath;
        KitProgram run;
        HWND progress = InstallInto(run, target_, !FolderExists(target_), program, folder_.string());
        ASSERT_NE(progress, nullptr) << program;
        EXPECT_EQ(run.Answer("Extraction Failed", IDOK),
                  "Could not extract data.\nThe self-extracting executable may have been corrupted.\nPlease download again.")
            << program;
        EXPECT_EQ(run.WaitForExit(), 0u) << program;
        EXPECT_FALSE(FileExists(Path("Program Files") + "\\escaped.txt"));
        EXPECT_TRUE(std::filesystem::is_empty(target_)) << program;
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
        EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, kEnvironmentKey, "CLASSPATH").bytes, classpath.Saved().bytes);
    }
}

// install.pkg names files of the redist folder; values that lead elsewhere
// (to a file the test put beside the installation folder) or name a device
// copy nothing into the system folder or the installation folder, and put
// nothing on the CLASSPATH.
TEST_F(KitInstall, InstallPkgValuesThatLeaveTheRedistFolderAreIgnored) {
    const std::string program = Path("installer.exe");
    brivel::testing::WriteFileBytes(
        program, CraftedInstaller({{"Readme.txt", "Read me.\r\n"},
                                   {"redist\\brivel18.jar", "PK kit"},
                                   {"redist\\JPackage.dll", "MZ package"},
                                   {"install.pkg", "pkgdll ..\\..\\outside.dll\r\npkgjar ..\\..\\outside.jar\r\n"
                                                   "pkgjar2 NUL\r\npkgdll2 JPackage.dll\r\n"}}));
    ASSERT_TRUE(CreateDirectoryA(Path("Program Files").c_str(), nullptr));
    brivel::testing::WriteFileBytes(Path("Program Files") + "\\outside.dll", "MZ not the kit's");
    brivel::testing::WriteFileBytes(Path("Program Files") + "\\outside.jar", "PK not the kit's");
    const std::string systemOutside = SystemFolderPath() + "\\outside.dll";
    const std::string systemPackage = SystemFolderPath() + "\\JPackage.dll";
    ASSERT_FALSE(FileExists(systemOutside)) << "left by an earlier run";
    struct RemoveAfterwards {
        std::vector<std::string> paths;
        ~RemoveAfterwards() {
            for (const std::string& path : paths) DeleteFileA(path.c_str());
        }
    } removeAfterwards{{systemOutside, systemPackage}};

    SavedMachineClasspath classpath;
    KitProgram run;
    HWND progress = InstallInto(run, target_, true, program, folder_.string());
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(run.Answer("Finished", IDOK, 120000), "Brivel installation is complete.");
    EXPECT_EQ(run.WaitForExit(), 0u);

    EXPECT_EQ(ReadFileBytes(target_ + "\\brivel18.jar"), "PK kit");
    EXPECT_EQ(ReadFileBytes(systemPackage), "MZ package");
    EXPECT_FALSE(FileExists(systemOutside));
    EXPECT_FALSE(FileExists(target_ + "\\outside.jar"));
    EXPECT_EQ(ReadFileBytes(Path("Program Files") + "\\outside.dll"), "MZ not the kit's");
    std::wstring path = ReadMachineClasspath();
    EXPECT_EQ(path.find(L"outside"), std::wstring::npos);
    EXPECT_NE(path.find(L"brivel18.jar"), std::wstring::npos);
}

// A folder typed without a separator is the folder of that name in the
// current folder (of the current drive's, for "C:Kit"): it is made, and the
// installation goes there, its settings naming it in full.
TEST_F(KitInstall, AFolderWithoutASeparatorIsMadeInTheCurrentFolderAndNamedInFull) {
    const std::string program = Path("installer.exe");
    brivel::testing::WriteFileBytes(program, CraftedInstaller({{"Readme.txt", "Read me.\r\n"},
                                                               {"redist\\brivel18.jar", "PK kit"}}));
    ASSERT_EQ(folder_.string().rfind("C:\\", 0), 0u) << "the test's folder is on drive C";
    for (const std::string& typed : {std::string("Kit"), std::string("C:Other Kit")}) {
        const std::string made = Path(typed.substr(typed.find(':') + 1));
        SavedMachineClasspath classpath;
        KitProgram run;
        HWND progress = InstallInto(run, typed, true, program, folder_.string());
        ASSERT_NE(progress, nullptr) << typed;
        EXPECT_EQ(run.Answer("Finished", IDOK, 60000), "Brivel installation is complete.") << typed;
        EXPECT_EQ(run.WaitForExit(), 0u);
        EXPECT_EQ(ReadFileBytes(made + "\\Readme.txt"), "Read me.\r\n") << made;
        EXPECT_EQ(ReadFileBytes(made + "\\brivel18.jar"), "PK kit") << made;
        RegistryValue path = ReadValue(HKEY_LOCAL_MACHINE, kEnvironmentKey, "CLASSPATH");
        EXPECT_NE(path.Text().find(ShortForm(made) + "\\brivel18.jar"), std::string::npos) << path.Text();
    }
}

TEST_F(KitInstall, AFileChosenAsTheFolderIsRefusedAndChangesNothing) {
    SavedMachineClasspath classpath;
    const std::string file = Path("not-a-folder");
    brivel::testing::WriteFileBytes(file, "a file");
    KitProgram installer;
    HWND folderDialog = StartInstaller(installer);
    ASSERT_NE(folderDialog, nullptr);
    SetText(folderDialog, IDC_FOLDER, file);
    Click(folderDialog, IDOK);
    HWND license = installer.WaitForDialog(kLicenseCaption);
    ASSERT_NE(license, nullptr);
    Click(license, IDOK);
    EXPECT_EQ(installer.Answer("Not a directory", IDOK), "Specified target is not a directory");
    EXPECT_EQ(installer.WaitForExit(), 0u);
    EXPECT_EQ(ReadFileBytes(file), "a file");
    ExpectNothingChanged(classpath);
}

namespace {

// The remote-access service, installed from a server folder of the test's
// own and started (its Java server is the tests' stand-in); removed again
// on destruction.
class RunningRemoteAccessService {
public:
    RunningRemoteAccessService() {
        Remove();
        server_.Write("BrivelServer.config", "defaultPort: " + std::to_string(brivel::serverhost::testing::UnusedPort()) + "\n");
        SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
        if (!manager) return;
        std::string binary = "\"" + server_.Path("BrvService.exe") + "\" -service-";
        SC_HANDLE service = CreateServiceA(manager, kService, "Brivel Service", SERVICE_ALL_ACCESS,
                                           SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE,
                                           binary.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr);
        if (service) {
            StartServiceA(service, 0, nullptr);
            CloseServiceHandle(service);
        }
        CloseServiceHandle(manager);
    }
    ~RunningRemoteAccessService() { Remove(); }

    static DWORD State() {
        DWORD state = 0;
        SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
        if (!manager) return 0;
        if (SC_HANDLE service = OpenServiceA(manager, kService, SERVICE_QUERY_STATUS)) {
            SERVICE_STATUS status{};
            if (QueryServiceStatus(service, &status)) state = status.dwCurrentState;
            CloseServiceHandle(service);
        }
        CloseServiceHandle(manager);
        return state;
    }

private:
    static constexpr const char* kService = "BrivelWindowsServer";

    static void Remove() {
        SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
        if (!manager) return;
        if (SC_HANDLE service = OpenServiceA(manager, kService, SERVICE_ALL_ACCESS)) {
            SERVICE_STATUS status{};
            if (QueryServiceStatus(service, &status) && status.dwCurrentState != SERVICE_STOPPED) {
                ControlService(service, SERVICE_CONTROL_STOP, &status);
                WaitUntil([] { return State() == SERVICE_STOPPED; });
            }
            DeleteService(service);
            CloseServiceHandle(service);
        }
        CloseServiceHandle(manager);
    }

    brivel::serverhost::testing::SocketsForTests sockets_;
    brivel::serverhost::testing::ServerFolder server_;
};

}  // namespace

TEST_F(KitInstall, WhileTheRemoteAccessServiceRunsNothingIsInstalled) {
    SavedMachineClasspath classpath;
    RunningRemoteAccessService service;
    ASSERT_TRUE(WaitUntil([] { return RunningRemoteAccessService::State() == SERVICE_RUNNING; }))
        << "the service did not start";
    KitProgram installer;
    HWND progress = InstallInto(installer, target_, true);
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(installer.Answer("Service running", IDOK),
              "The Brivel Remote Access Service is running.  Please stop or uninstall the service before installing a "
              "new version.");
    EXPECT_EQ(installer.WaitForExit(), 0u);
    EXPECT_TRUE(std::filesystem::is_empty(target_));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, kEnvironmentKey, "CLASSPATH").bytes, classpath.Saved().bytes);
    EXPECT_EQ(ReadFileBytes(groupRecord_), "");
}
