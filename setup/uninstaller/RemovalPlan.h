// What the uninstaller removes, worked out from its directory before
// anything is touched: the payload's files (with the ".bat" twin of each
// ".cmd" file, which the installer writes instead on systems without cmd),
// the files the installer copied out of redist and the kit's fixed list, and
// the folders that may then be empty, deepest first.
#pragma once

#include <string>
#include <vector>

#include "PayloadArchive.h"

namespace brivel::setup {

struct RemovalStep {
    enum Kind { kDeleteFile, kRemoveFolder };
    Kind kind;
    std::string path;

    bool operator==(const RemovalStep& other) const { return kind == other.kind && path == other.path; }
};

struct RemovalPlace {
    std::string installFolder;  // the uninstaller's folder, with its trailing '\'
    std::string systemFolder;   // without a trailing '\'
    // The edition's further files (its pre-generated bridges).
    std::vector<std::string> editionSystemFiles;
    std::vector<std::string> editionFolderFiles;
};

// In order: every payload entry's file and "brivel.jar" (an archive of older
// versions) in the installation folder, each ".cmd" with its ".bat"; the
// folders of those files and the directory's folder records, each with its
// parents up to (not including) the installation folder, deepest first and
// each once (removing a folder that still holds anything fails, so the
// user's files keep theirs); then the fixed files of the system folder and
// of the installation folder. The installation folder itself is left to the
// self-deleting batch file.
std::vector<RemovalStep> PlanRemoval(const PayloadDirectory& directory, const RemovalPlace& place);

// The fixed files, by file name.
extern const char* const kSystemFolderFiles[];   // null-terminated
extern const char* const kInstallFolderFiles[];  // null-terminated

}  // namespace brivel::setup
