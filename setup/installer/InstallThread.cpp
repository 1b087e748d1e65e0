#include "InstallThread.h"

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Editions.h"
#include "EntryTargets.h"
#include "ExtractionProgress.h"
#include "InstallMacros.h"
#include "InstallPackages.h"
#include "InstallerSystem.h"
#include "InstallerTexts.h"
#include "PayloadArchive.h"
#include "ProgramGroupClient.h"
#include "ShortPath.h"
#include "SystemClasspath.h"
#include "TargetFolder.h"
#include "resource.h"

namespace brivel::setup {
namespace {

constexpr DWORD kBlockSize = 4096;

std::string Format(const char* format, const std::string& value) {
    std::vector<char> text(std::strlen(format) + value.size() + 1);
    std::snprintf(text.data(), text.size(), format, value.c_str());
    return text.data();
}

std::string WithBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

std::string WithoutBackslash(std::string folder) {
    while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    return folder;
}

bool NameEndsWith(const std::string& text, const char* suffix) {
    size_t length = std::strlen(suffix);
    return text.size() >= length && lstrcmpiA(text.c_str() + text.size() - length, suffix) == 0;
}

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Windows 9x, or a system that does not know ".cmd" files: command files are
// installed as ".bat".
bool NoCmdFiles() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) return true;
    HKEY cmd = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, ".cmd", 0, KEY_READ, &cmd) != ERROR_SUCCESS) return true;
    RegCloseKey(cmd);
    return false;
}

class Installation {
public:
    Installation(const InstallSession& session, HWND progress) : session_(session), progress_(progress) {}

    void Run();

private:
    void SetStatus(const std::string& text) { SetDlgItemTextA(progress_, IDC_STATUS, text.c_str()); }
    void SetProgress(int percent) { SendMessageA(GetDlgItem(progress_, IDC_PROGRESS), PBM_SETPOS, percent, 0); }
    void Message(const std::string& text, const char* caption, UINT icon) {
        MessageBoxA(progress_, text.c_str(), caption, MB_OK | icon);
    }
    void ReportExtractionFailure() {
        Message(texts::kExtractionFailed, texts::kExtractionFailedCaption, MB_ICONERROR);
    }

    bool Extract();
    bool ExtractEntry(HANDLE archive, const PayloadEntry& entry, const std::string& path, ExtractionProgress& progress);
    void RegisterComServers();
    void WriteUninstallEntry();
    void CopyRedistFiles(const InstallPackages& packages);
    void CopyRedistFile(const std::string& relativePath, const std::string& destinationFolder);
    void RemoveOldVersionFiles(const InstallPackages& packages);
    void RemoveOldVersionFile(const std::string& relativePath, const std::string& destinationFolder);
    void PurgeRedistFolder();
    void CreateGroup();
    void UpdateClasspath(const InstallPackages& packages);
    void Finish();

    const InstallSession& session_;
    HWND progress_;
    bool noCmd_ = false;
    std::string folder_;       // the installation folder, without a trailing backslash
    std::string shortFolder_;  // its short form
    std::string systemFolder_;
    std::string uninstallerPath_;
    PayloadDirectory directory_;
    std::vector<std::string> extractedPaths_;  // by entry
    std::vector<bool> expand_;                 // by entry: a flagged text file written by this installation
};

void Installation::Run() {
    noCmd_ = NoCmdFiles();
    if (IsServiceRunning(texts::kServiceName)) {
        Message(texts::kServiceRunning, texts::kServiceRunningCaption, MB_ICONEXCLAMATION);
        return;
    }
    folder_ = WithoutBackslash(session_.folder);
    systemFolder_ = SystemFolder();
    if (!Extract()) return;

    // The short form only where the long one holds a blank.
    shortFolder_ = folder_.find(' ') == std::string::npos ? folder_ : WithoutBackslash(ShortPathOf(folder_));
    InstallMacroValues values = MakeInstallMacroValues(shortFolder_, systemFolder_, WindowsFolder());
    values.host = session_.host;
    for (size_t i = 0; i < directory_.entries.size(); ++i)
        if (expand_[i]) ExpandInstallMacros(extractedPaths_[i], values);

    RegisterComServers();
    SetGroupBaseFolder(WithBackslash(shortFolder_));
    if (!uninstallerPath_.empty()) WriteUninstallEntry();
    for (PayloadShortcut& shortcut : directory_.shortcuts) shortcut.target = ShortcutTargetFor(shortcut.target, noCmd_);

    InstallPackages packages = ReadInstallPackageFile(WithBackslash(shortFolder_) + "install.pkg");
    CopyRedistFiles(packages);
    RemoveOldVersionFiles(packages);
    PurgeRedistFolder();
    CreateGroup();
    UpdateClasspath(packages);
    Finish();
}

bool Installation::Extract() {
    HANDLE archive = CreateFileA(session_.programPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (archive == INVALID_HANDLE_VALUE) {
        ReportExtractionFailure();
        return false;
    }
    std::string problem;
    // The reader refuses a damaged directory, and every name it accepts lies
    // inside the installation folder.
    if (!ReadPayloadDirectory(session_.programPath, directory_, &problem)) {
        CloseHandle(archive);
        ReportExtractionFailure();
        return false;
    }
    SetStatus(texts::kExtractingFiles);
    for (const std::string& folder : directory_.folders) {
        if (!EnsureDirectory(folder_ + "\\" + folder, false, progress_)) {
            CloseHandle(archive);
            return false;
        }
    }
    ExtractionProgress progress(directory_.totalDataBytes);
    extractedPaths_.assign(directory_.entries.size(), std::string());
    expand_.assign(directory_.entries.size(), false);
    for (size_t i = 0; i < directory_.entries.size(); ++i) {
        const PayloadEntry& entry = directory_.entries[i];
        EntryTarget target = EntryTargetFor(folder_, entry.name, session_.uninstallerFileName, noCmd_);
        if (target.isUninstaller) uninstallerPath_ = target.path;
        if (!EnsureDirectory(target.path, true, progress_)) {
            CloseHandle(archive);
            return false;
        }
        extractedPaths_[i] = target.path;
        if (FileExists(target.path) && KeepsExistingFile(target.path)) {
            // Settings kept from an earlier installation: untouched, and
            // counted as done so that the bar still ends at 95.
            progress.Add(entry.size);
            SetProgress(progress.Percent());
            continue;
        }
        if (!ExtractEntry(archive, entry, target.path, progress)) {
            CloseHandle(archive);
            return false;
        }
        expand_[i] = entry.flags == kPayloadExpandMacros;
    }
    CloseHandle(archive);
    SetProgress(kExtractionPercent);
    return true;
}

bool Installation::ExtractEntry(HANDLE archive, const PayloadEntry& entry, const std::string& path,
                                ExtractionProgress& progress) {
    DeleteFileA(path.c_str());
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        Message(Format(texts::kCannotWrite, path), texts::kCannotWriteCaption, MB_ICONERROR);
        return false;
    }
    SetStatus(Format(texts::kExtractingFile, path));
    bool slow = NameEndsWith(entry.name, ".jar");
    LARGE_INTEGER offset{};
    offset.QuadPart = entry.offset;
    bool ok = SetFilePointerEx(archive, offset, nullptr, FILE_BEGIN) != 0;
    std::vector<char> block(kBlockSize);
    uint32_t left = entry.size;
    while (ok && left > 0) {
        DWORD wanted = left < kBlockSize ? left : kBlockSize;
        DWORD got = 0;
        if (!ReadFile(archive, block.data(), wanted, &got, nullptr) || got == 0) {
            CloseHandle(file);
            ReportExtractionFailure();
            return false;
        }
        DWORD written = 0;
        if (!WriteFile(file, block.data(), got, &written, nullptr) || written != got) {
            CloseHandle(file);
            Message(Format(texts::kCannotWrite, path), texts::kCannotWriteCaption, MB_ICONERROR);
            return false;
        }
        left -= got;
        progress.Add(got);
        SetProgress(progress.Percent());
        if (slow) Sleep(10);
    }
    CloseHandle(file);
    if (!ok) {
        ReportExtractionFailure();
        return false;
    }
    return true;
}

void Installation::RegisterComServers() {
    HRESULT initialized = OleInitialize(nullptr);
    if (FAILED(initialized)) return;
    RegisterComServer(folder_, "BrvEvalDownloader.dll");
    RegisterComServer(folder_, "BrivelEvalDllBuilder.dll");
    OleUninitialize();
}

void Installation::WriteUninstallEntry() {
    std::string keyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + session_.uninstallKeyName;
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    // The command is quoted, for a folder with blanks; both values are
    // written with their terminating zero.
    std::string command = "\"" + uninstallerPath_ + "\"";
    RegSetValueExA(key, "DisplayName", 0, REG_SZ, reinterpret_cast<const BYTE*>(session_.displayName.c_str()),
                   static_cast<DWORD>(session_.displayName.size() + 1));
    RegSetValueExA(key, "UninstallString", 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   static_cast<DWORD>(command.size() + 1));
    RegCloseKey(key);
}

void Installation::CopyRedistFile(const std::string& relativePath, const std::string& destinationFolder) {
    std::string source = folder_ + "\\" + relativePath;
    std::string::size_type slash = relativePath.find_last_of('\\');
    std::string name = slash == std::string::npos ? relativePath : relativePath.substr(slash + 1);
    CopyFileA(source.c_str(), (WithBackslash(destinationFolder) + name).c_str(), FALSE);
}

void Installation::CopyRedistFiles(const InstallPackages& packages) {
    CopyRedistFile("redist\\brivel18.jar", folder_);
    if (!packages.jar.empty()) CopyRedistFile("redist\\" + packages.jar, folder_);
    if (!packages.jar2.empty()) CopyRedistFile("redist\\" + packages.jar2, folder_);
    CopyRedistFile("redist\\brivelRemoteClient18.jar", folder_);
    for (const char* library : {"brivellib18.dll", "BrivelC2J18.dll", "BrivelJ2C18.dll", "BrivelMTALib.dll"})
        CopyRedistFile(std::string("redist\\") + library, systemFolder_);
    if (!packages.dll.empty()) CopyRedistFile("redist\\" + packages.dll, systemFolder_);
    if (!packages.dll2.empty()) CopyRedistFile("redist\\" + packages.dll2, systemFolder_);
}

void Installation::RemoveOldVersionFile(const std::string& relativePath, const std::string& destinationFolder) {
    std::string::size_type slash = relativePath.find_last_of('\\');
    std::string name = slash == std::string::npos ? relativePath : relativePath.substr(slash + 1);
    DeleteFileA((WithBackslash(destinationFolder) + name).c_str());
    DeleteFileA((folder_ + "\\" + relativePath).c_str());
}

void Installation::RemoveOldVersionFiles(const InstallPackages& packages) {
    for (const char* library : {"Brivel.dll", "BrivelActiveX.dll", "BrivelLib.dll", "BrivelLib15.dll",
                                "BrivelLib16.dll", "BrivelLib17.dll"})
        RemoveOldVersionFile(std::string("redist\\") + library, systemFolder_);
    for (const char* archive : {"brivel.jar", "brivel15.jar", "brivel16.jar", "brivel17.jar"})
        RemoveOldVersionFile(std::string("redist\\") + archive, folder_);
    if (const PackageEditionFiles* edition = PackageEditionFilesFor(packages.jar)) {
        RemoveOldVersionFile(edition->oldLibrary, systemFolder_);
        RemoveOldVersionFile(edition->oldJar, folder_);
    }
}

void Installation::PurgeRedistFolder() {
    std::string redist = folder_ + "\\redist";
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((redist + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (std::strcmp(found.cFileName, ".") == 0 || std::strcmp(found.cFileName, "..") == 0) continue;
            DeleteFileA((redist + "\\" + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(redist.c_str());
}

void Installation::CreateGroup() {
    std::vector<std::string> titles;
    std::vector<std::string> targets;
    for (const PayloadShortcut& shortcut : directory_.shortcuts) {
        titles.push_back(shortcut.title);
        targets.push_back(shortcut.target);
    }
    CreateProgramGroup(session_.displayName, titles, targets);
}

void Installation::UpdateClasspath(const InstallPackages& packages) {
    if (UpdateSystemClasspath(folder_, packages)) return;
    std::string message = texts::kUpdateClasspath;
    if (packages.jar.empty()) message += ".";
    else if (packages.jar2.empty()) message += " and " + packages.jar;
    else message += ", " + packages.jar + " and " + packages.jar2;
    Message(message, texts::kUpdateClasspathCaption, MB_ICONERROR);
}

void Installation::Finish() {
    Message(Format(texts::kComplete, session_.displayName), texts::kCompleteCaption, MB_ICONINFORMATION);
    std::string readme = WithBackslash(shortFolder_) + "Readme.txt";
    ShellExecuteA(nullptr, "open", readme.c_str(), nullptr, shortFolder_.c_str(), SW_SHOWNORMAL);
}

}  // namespace

void InstallThread(const InstallSession& session, HWND progressDialog) {
    Installation(session, progressDialog).Run();
    // Every end of the installation, and only here.
    PostMessageA(progressDialog, session.doneMessage, 0, 0);
}

}  // namespace brivel::setup
