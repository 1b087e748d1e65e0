#include "RemovalPlan.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace brivel::setup {

// The run-time libraries the installer copies into the system folder and
// the kit's shipped bridges. BrivelJ2C18.dll and BrivelMTALib.dll, which it
// copies there too, stay: programs built with the kit and deployed on the
// machine load them from there.
const char* const kSystemFolderFiles[] = {"brivellib18.dll", "BrivelC2J18.dll", "BrivelAdodbLib.dll", "Jnavctl.dll",
                                          "JBrivelSampleActiveX.dll", nullptr};
// The archives the installer copies out of redist into the installation
// folder, and the shipped ADO bridge's archive.
const char* const kInstallFolderFiles[] = {"brivel18.jar", "BrivelAdodbLib.jar", "brivelRemoteClient18.jar",
                                           nullptr};

namespace {

std::string WithBackslashes(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

bool EndsWithNoCase(const std::string& text, const std::string& end) {
    if (text.size() < end.size()) return false;
    return std::equal(end.begin(), end.end(), text.end() - end.size(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

size_t Depth(const std::string& relative) { return std::count(relative.begin(), relative.end(), '\\'); }

// A relative folder and each of its parents.
void AddWithParents(std::string relative, std::vector<std::string>& folders) {
    for (;;) {
        folders.push_back(relative);
        size_t separator = relative.rfind('\\');
        if (separator == std::string::npos) return;
        relative.erase(separator);
    }
}

}  // namespace

std::vector<RemovalStep> PlanRemoval(const PayloadDirectory& directory, const RemovalPlace& place) {
    std::vector<RemovalStep> steps;
    std::vector<std::string> names;
    for (const PayloadEntry& entry : directory.entries) names.push_back(WithBackslashes(entry.name));
    names.push_back("brivel.jar");

    std::vector<std::string> folders;
    for (const std::string& name : names) {
        steps.push_back({RemovalStep::kDeleteFile, place.installFolder + name});
        if (EndsWithNoCase(name, ".cmd"))
            steps.push_back({RemovalStep::kDeleteFile, place.installFolder + name.substr(0, name.size() - 4) + ".bat"});
        size_t separator = name.rfind('\\');
        if (separator != std::string::npos) AddWithParents(name.substr(0, separator), folders);
    }
    for (const std::string& folder : directory.folders) AddWithParents(WithBackslashes(folder), folders);

    // Deepest first, so a folder is tried after everything inside it; the
    // platform's names ignore letter case.
    std::stable_sort(folders.begin(), folders.end(),
                     [](const std::string& a, const std::string& b) { return Depth(a) > Depth(b); });
    std::set<std::string> tried;
    for (const std::string& folder : folders)
        if (tried.insert(Lower(folder)).second) steps.push_back({RemovalStep::kRemoveFolder, place.installFolder + folder});

    auto deleteAll = [&](const std::string& folder, const std::vector<std::string>& files) {
        for (const std::string& file : files) steps.push_back({RemovalStep::kDeleteFile, folder + file});
    };
    std::vector<std::string> systemFiles(std::begin(kSystemFolderFiles), std::end(kSystemFolderFiles) - 1);
    systemFiles.insert(systemFiles.end(), place.editionSystemFiles.begin(), place.editionSystemFiles.end());
    deleteAll(place.systemFolder + "\\", systemFiles);
    std::vector<std::string> folderFiles(std::begin(kInstallFolderFiles), std::end(kInstallFolderFiles) - 1);
    folderFiles.insert(folderFiles.end(), place.editionFolderFiles.begin(), place.editionFolderFiles.end());
    deleteAll(place.installFolder, folderFiles);
    return steps;
}

}  // namespace brivel::setup
