// install.pkg: the optional list of package files (Java archives and
// libraries in the installation's redist folder) that the installer copies
// besides the kit's own. Lines of a key, optional white space and a value.
#pragma once

#include <string>

namespace brivel::setup {

struct InstallPackages {
    std::string jar;   // pkgjar
    std::string jar2;  // pkgjar2
    std::string dll;   // pkgdll
    std::string dll2;  // pkgdll2
};

// Applies one line (without or with its line end): the keys pkgjar2,
// pkgdll2, pkgjar and pkgdll are tried in this order against the line's
// first characters, in any letter case; the value is the rest of the line
// with leading blanks and tabs skipped. Other lines change nothing, and so
// does a value that is no file of the redist folder: the installer copies
// these files into the system folder and puts the archives on the
// CLASSPATH, so a value must pass the payload entry names' check
// (CheckPayloadPath) as "redist\<value>": nothing outside the
// installation folder, no device name.
void ApplyInstallPackageLine(const std::string& line, InstallPackages& packages);

// Every line of the text, whatever its length.
InstallPackages ParseInstallPackages(const std::string& text);

// Reads the file at `path`, then deletes it. A missing or unreadable file
// gives four empty values.
InstallPackages ReadInstallPackageFile(const std::string& path);

}  // namespace brivel::setup
