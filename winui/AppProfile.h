// Per-user application settings kept in the registry the way the platform's
// application class keeps its profile: entries under
// HKEY_CURRENT_USER\Software\<registry key>\<program name>\<section>,
// integers as REG_DWORD values and texts as REG_SZ values.
#pragma once

#include <string>

namespace brivel::winui {

// The running program's file name without folder and extension
// ("BrivelC2jConsole" for BrivelC2jConsole.exe); empty when it cannot be
// determined.
std::string ProgramName();

class AppProfile {
public:
    AppProfile(std::string registryKey, std::string programName);

    // The entry's value, or `defaultValue` when it is absent or not a DWORD.
    unsigned ReadInt(const std::string& section, const std::string& entry,
                           unsigned defaultValue) const;
    // Creates the keys as needed; false when the value could not be written.
    bool WriteInt(const std::string& section, const std::string& entry, unsigned value) const;

    // The entry's text, or `defaultValue` when it is absent or not a REG_SZ
    // value. Texts of any length are read whole.
    std::string ReadString(const std::string& section, const std::string& entry,
                           const std::string& defaultValue = std::string()) const;
    // Creates the keys as needed; false when the value could not be written.
    bool WriteString(const std::string& section, const std::string& entry, const std::string& value) const;

    // The section's key path under HKEY_CURRENT_USER.
    std::string SectionKeyPath(const std::string& section) const;

private:
    std::string registryKey_;
    std::string programName_;
};

}  // namespace brivel::winui
