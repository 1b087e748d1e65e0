// The packer's manifest: what goes into an installer's payload archive.
//
// One record a line, fields separated by '|' (a character no Windows path
// holds); blank lines and lines beginning with '#' are skipped:
//   file|<flag>|<name in the archive>|<source path>
//       flag "copy" (copied as is) or "text" (its $-macros are expanded)
//   uninstaller|<name in the archive>|<source path of the uninstaller program>
//       at most one: the packer appends the uninstaller's own directory to a
//       copy of this program and packs that copy
//   shortcut|<title>|<target: a path in the installation folder or an http:// address>
//   folder|<folder created even when no file lies in it>
// A source path that is not absolute is taken from the manifest's folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "PayloadArchive.h"

namespace brivel::setup::packer {

struct ManifestFile {
    std::string name;
    std::string source;
    uint8_t flags = kPayloadCopiedAsIs;
    bool uninstaller = false;
};

struct Manifest {
    std::vector<ManifestFile> files;  // in the archive's order
    std::vector<PayloadShortcut> shortcuts;
    std::vector<std::string> folders;
};

// Parses a manifest's text; false with "line N: reason" in *problem.
bool ParseManifest(const std::string& text, const std::string& manifestFolder, Manifest& out, std::string* problem);

}  // namespace brivel::setup::packer
