// The machine-wide CLASSPATH in the registry's system environment: the
// installer puts the kit's archives in it, the uninstaller takes them out.
// The value is read whole, whatever its length, as the platform keeps it
// (UTF-16: other programs' entries may hold any character), and keeps its
// type (REG_EXPAND_SZ stays expandable); a value that cannot be read as
// text, or is no well-formed text, is never overwritten.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ClasspathRewrite.h"
#include "InstallPackages.h"

namespace brivel::setup {

constexpr const char* kSystemEnvironmentKey = "System\\CurrentControlSet\\Control\\Session Manager\\Environment";
constexpr const char* kClasspathValueName = "CLASSPATH";

// The kit's entries for an installation into `installFolder` with the
// packages of install.pkg: short paths of brivel18.jar and of each package
// archive, and the older edition's stem that pkgjar selects.
KitClasspath KitClasspathFor(const std::string& installFolder, const InstallPackages& packages);

// The folder forms and package archive names that the kit's entries in
// `installFolder` may carry, for the uninstaller: long and short forms, the
// short file names only while the files are still there.
std::vector<std::string> InstallFolderForms(const std::string& installFolder);
std::vector<std::string> KitPackageJarNames(const std::string& installFolder);

// Rewrites the CLASSPATH value of `root\subKey` with `rewrite` (given the
// current text as UTF-8, empty when the value is absent, and returning
// UTF-8). An absent value is created
// as REG_SZ; a value rewritten to nothing is deleted; an unchanged value is
// not written. False when the key does not open, the value is not text or
// cannot be read, or the write fails.
bool RewriteClasspathValue(HKEY root, const char* subKey,
                           const std::function<std::string(const std::string&)>& rewrite);

// The installer's step: the kit's entries into the system CLASSPATH, then
// the setting change announced to every top-level window.
bool UpdateSystemClasspath(const std::string& installFolder, const InstallPackages& packages);

// The uninstaller's step: the kit's entries in `installFolder` taken out of
// the system CLASSPATH again (its main archive and the package archives it
// ships), then the change announced. Run it before the archives are
// deleted: a package entry under its short name is recognised through the
// file.
bool RemoveFromSystemClasspath(const std::string& installFolder);

// Tells every top-level window that the environment changed, waiting at
// most 5 seconds and not for a hung one (nothing to tell on linux32).
void BroadcastEnvironmentChange();

}  // namespace brivel::setup
