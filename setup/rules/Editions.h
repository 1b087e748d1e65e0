// The kit's editions. The installer and the uninstaller take their names
// (folder, program group, uninstall entry, uninstaller file) from their own
// file name: the installer by the beginning of its base name, the
// uninstaller by its whole base name. Any other name gives the default row.
#pragma once

#include <string>

namespace brivel::setup {

struct InstallerEdition {
    const char* namePrefix;        // matched against the installer's base name (empty: the default row)
    const char* defaultFolder;     // installation folder offered first
    const char* displayName;       // program group, uninstall entry and messages
    const char* uninstallKeyName;  // key under ...\CurrentVersion\Uninstall
    const char* uninstallerFileName;
    const char* heading;           // the background window's heading
};

struct UninstallerEdition {
    const char* uninstallerName;  // the uninstaller's base name (empty: the default row)
    const char* displayName;
    const char* uninstallKeyName;
    // Further files of the edition's pre-generated bridges that the
    // uninstaller deletes besides the kit's fixed list (null-terminated).
    const char* const* systemFiles;  // in the system folder
    const char* const* folderFiles;  // in the uninstaller's folder
};

// The row for the installer at `programPath` (folder and extension ignored,
// the beginning of the base name compared in any letter case).
const InstallerEdition& InstallerEditionFor(const std::string& programPath);

// The row for the uninstaller at `programPath` (its base name without
// extension compared as a whole, in any letter case).
const UninstallerEdition& UninstallerEditionFor(const std::string& programPath);

// A package archive that replaces files of an older edition: when
// install.pkg names `packageJar` as pkgjar, the installer deletes the two
// older files, and the CLASSPATH update drops every part whose file name
// begins with `classpathStem`.
struct PackageEditionFiles {
    const char* packageJar;
    const char* oldJar;          // redist-relative, removed from the installation folder
    const char* oldLibrary;      // redist-relative, removed from the system folder
    const char* classpathStem;
};

// The row for a pkgjar value (compared in any letter case), or null.
const PackageEditionFiles* PackageEditionFilesFor(const std::string& packageJar);

// The base name of a path: no folder, no extension.
std::string ProgramBaseName(const std::string& programPath);

}  // namespace brivel::setup
