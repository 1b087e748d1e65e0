// The registry steps of the uninstaller: opening a key path one subkey at a
// time and deleting a key with everything below it.
#pragma once

#include <windows.h>

#include <string>

namespace brivel::setup {

// Opens each backslash-separated subkey of `path` below `root` in turn with
// full access, closing the one before; null when one does not open. The
// caller closes the key.
HKEY OpenRegistryPath(HKEY root, const std::string& path);

// Deletes `subKey` of `key` with all its subkeys, whatever the length of
// their names. A subkey that does not open is deleted directly and counts
// as success; otherwise success is the final deletion's.
bool DeleteRegistryTree(HKEY key, const std::string& subKey);

}  // namespace brivel::setup
