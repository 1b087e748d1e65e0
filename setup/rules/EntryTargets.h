// Where each payload entry is written, and which names change on the way:
// the uninstaller takes the edition's file name, and where the system has
// no ".cmd" files (Windows 9x, or no ".cmd" class) command files become
// ".bat" files, in the entries and in the shortcuts that point at them.
#pragma once

#include <string>

namespace brivel::setup {

struct EntryTarget {
    std::string path;           // the file to write
    bool isUninstaller = false; // the edition's uninstaller: its path goes into the uninstall entry
};

// The target of the entry `entryName` (relative, "\" between folders, a
// leading "\" ignored) in `installFolder`.
EntryTarget EntryTargetFor(const std::string& installFolder, const std::string& entryName,
                           const std::string& uninstallerFileName, bool noCmd);

// True for files that an earlier installation's copy outlives (settings the
// user may have changed): ".ini" and ".config", in any letter case. Such a
// file, when it exists, is neither rewritten nor given to the macro step.
bool KeepsExistingFile(const std::string& path);

// A shortcut's target as the system runs it: with `noCmd`, a target longer
// than 4 characters that ends with ".cmd" ends with ".bat" instead.
std::string ShortcutTargetFor(const std::string& target, bool noCmd);

}  // namespace brivel::setup
