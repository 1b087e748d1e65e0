// The kit's entries in a CLASSPATH value (";"-separated parts), as pure text
// rules: the installer puts its main archive in the place of the kit's older
// main archive and adds its package archives; the uninstaller takes its own
// entries out again. Every other part stays exactly as it was.
#pragma once

#include <string>
#include <vector>

namespace brivel::setup {

struct ClasspathPackage {
    std::string entry;     // the part to add: the archive's short path
    std::string fileName;  // the archive's file name, such as "BrivelAdodbLib.jar"
};

struct KitClasspath {
    std::string mainEntry;                   // the short path of the installation's brivel18.jar
    std::vector<ClasspathPackage> packages;  // pkgjar, then pkgjar2, where set
    std::vector<std::string> droppedStems;   // parts whose file name begins so belong to an older edition
};

// True for the file name of the kit's main archive, this version's or an
// older one's: "brivel.jar" or "brivel" and digits and ".jar" (brivel18.jar,
// BRIVEL17.JAR). Other archives whose names begin with "brivel"
// (BrivelAdodbLib.jar, brivelRemoteClient18.jar, a user's) are not.
bool IsKitMainArchiveName(const std::string& fileName);

// The file name of a part (blanks and double quotes around it ignored).
std::string ClasspathPartFileName(const std::string& part);

// The value with the kit's entries: the first part naming a kit main archive
// becomes the main entry and later ones go (no duplicate), parts of an older
// edition's stems go, a package is present when a part has its file name or
// is its entry; the main entry (when no part was replaced) and every package
// not present are appended.
std::string ClasspathWithKit(const std::string& value, const KitClasspath& kit);

// The value without the parts that name, in one of `folders` (each a form of
// the installation folder, compared in any letter case, trailing separator
// ignored), the kit's main archive or one of `jarNames`.
std::string ClasspathWithoutKit(const std::string& value, const std::vector<std::string>& folders,
                                const std::vector<std::string>& jarNames);

}  // namespace brivel::setup
