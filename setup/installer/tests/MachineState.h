// The prefix's machine-wide state that the kit's installer and uninstaller
// change, read and put back by the tests: registry values, the system
// CLASSPATH, files of the system folder and the text-file association.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace brivel::setup::testing {

constexpr const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brivel";
constexpr const char kEnvironmentKey[] = "System\\CurrentControlSet\\Control\\Session Manager\\Environment";
constexpr const char kUploadControlServerKey[] = "CLSID\\{5ECF48F1-AFBB-4E48-B250-E9E4677B92F2}\\InprocServer32";

// A value as stored: its bytes (terminating zero included when written)
// and type; `present` false when absent.
struct RegistryValue {
    bool present = false;
    DWORD type = REG_NONE;
    std::string bytes;
    // The text without the terminating zeros.
    std::string Text() const;
};

RegistryValue ReadValue(HKEY root, const char* keyPath, const char* name);
bool KeyExists(HKEY root, const char* keyPath);
void DeleteKeyTree(HKEY root, const char* keyPath);

// The machine CLASSPATH as the platform keeps it (UTF-16); empty when it
// is absent.
std::wstring ReadMachineClasspath();
void WriteMachineClasspath(const std::wstring& value);

// The machine CLASSPATH as it was when constructed, put back on destruction.
class SavedMachineClasspath {
public:
    SavedMachineClasspath();
    ~SavedMachineClasspath();
    SavedMachineClasspath(const SavedMachineClasspath&) = delete;
    SavedMachineClasspath& operator=(const SavedMachineClasspath&) = delete;
    const RegistryValue& Saved() const { return saved_; }

private:
    RegistryValue saved_;
    std::wstring savedText_;  // as the platform keeps it, put back when it was present
};

// ".txt" opened by a stand-in that records its command line in `recordFile`
// (through the environment its parent process passes on); the earlier
// association comes back on destruction.
class ScopedTextAssociation {
public:
    ScopedTextAssociation(const std::string& standIn, const std::string& recordFile);
    ~ScopedTextAssociation();
    ScopedTextAssociation(const ScopedTextAssociation&) = delete;
    ScopedTextAssociation& operator=(const ScopedTextAssociation&) = delete;

private:
    RegistryValue saved_;
};

std::string SystemFolderPath();
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
std::string ShortForm(const std::string& path);

}  // namespace brivel::setup::testing
