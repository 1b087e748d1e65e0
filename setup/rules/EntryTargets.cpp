#include "EntryTargets.h"

#include "NoCase.h"

namespace brivel::setup {

namespace {

// A ".cmd" name ending changed to ".bat" (names of more than 4 characters).
std::string WithBatInsteadOfCmd(const std::string& name) {
    if (name.size() > 4 && EndsWithNoCase(name, ".cmd")) return name.substr(0, name.size() - 4) + ".bat";
    return name;
}

}  // namespace

EntryTarget EntryTargetFor(const std::string& installFolder, const std::string& entryName,
                           const std::string& uninstallerFileName, bool noCmd) {
    EntryTarget target;
    std::string name = !entryName.empty() && entryName[0] == '\\' ? entryName.substr(1) : entryName;
    // The payload carries the uninstaller as "...Uninstaller.exe"; the
    // edition names it.
    if (name.size() > 14 && EndsWithNoCase(name, "Uninstaller.exe")) {
        name = uninstallerFileName;
        target.isUninstaller = true;
    }
    if (noCmd) name = WithBatInsteadOfCmd(name);
    target.path = installFolder;
    if (target.path.empty() || target.path.back() != '\\') target.path += '\\';
    target.path += name;
    return target;
}

bool KeepsExistingFile(const std::string& path) {
    size_t nameStart = path.find_last_of("\\/");
    std::string name = nameStart == std::string::npos ? path : path.substr(nameStart + 1);
    return EndsWithNoCase(name, ".ini") || EndsWithNoCase(name, ".config");
}

std::string ShortcutTargetFor(const std::string& target, bool noCmd) {
    return noCmd ? WithBatInsteadOfCmd(target) : target;
}

}  // namespace brivel::setup
