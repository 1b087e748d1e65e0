// What the uninstaller removes, in what order, from its directory.
#include <gtest/gtest.h>

#include <algorithm>

#include "RemovalPlan.h"

namespace brivel::setup {
namespace {

const RemovalPlace kPlace{"C:\\Program Files\\Brivel Kit\\", "C:\\windows\\system32", {}, {}};

PayloadDirectory Directory(std::vector<std::string> names, std::vector<std::string> folders = {}) {
    PayloadDirectory directory;
    for (const std::string& name : names) directory.entries.push_back({0, 0, kPayloadCopiedAsIs, name});
    directory.folders = std::move(folders);
    return directory;
}

std::vector<std::string> Paths(const std::vector<RemovalStep>& steps, RemovalStep::Kind kind) {
    std::vector<std::string> paths;
    for (const RemovalStep& step : steps)
        if (step.kind == kind) paths.push_back(step.path);
    return paths;
}

size_t IndexOf(const std::vector<RemovalStep>& steps, const std::string& path) {
    for (size_t i = 0; i < steps.size(); ++i)
        if (steps[i].path == path) return i;
    return steps.size();
}

TEST(RemovalPlan, EveryEntryFileThenOlderArchiveAndTheBatTwinOfEachCmdFile) {
    auto steps = PlanRemoval(Directory({"Brivel.exe", "bin\\build.cmd", "Readme.txt", "tools/Run.CMD"}), kPlace);
    std::vector<std::string> files = Paths(steps, RemovalStep::kDeleteFile);
    std::vector<std::string> expected = {
        "C:\\Program Files\\Brivel Kit\\Brivel.exe",     "C:\\Program Files\\Brivel Kit\\bin\\build.cmd",
        "C:\\Program Files\\Brivel Kit\\bin\\build.bat", "C:\\Program Files\\Brivel Kit\\Readme.txt",
        "C:\\Program Files\\Brivel Kit\\tools\\Run.CMD", "C:\\Program Files\\Brivel Kit\\tools\\Run.bat",
        "C:\\Program Files\\Brivel Kit\\brivel.jar"};
    ASSERT_LE(expected.size(), files.size());
    EXPECT_EQ(expected, std::vector<std::string>(files.begin(), files.begin() + expected.size()));
}

TEST(RemovalPlan, FoldersOfFilesAndFolderRecordsAreTriedWithTheirParentsDeepestFirstAndOnce) {
    auto steps = PlanRemoval(
        Directory({"help\\images\\logo.gif", "help\\Index.html", "HELP\\api\\a.html", "Readme.txt"},
                  {"Samples\\Empty\\Deeper", "logs"}),
        kPlace);
    std::vector<std::string> folders = Paths(steps, RemovalStep::kRemoveFolder);
    const std::string root = kPlace.installFolder;
    EXPECT_EQ((std::vector<std::string>{root + "Samples\\Empty\\Deeper", root + "help\\images", root + "HELP\\api",
                                        root + "Samples\\Empty", root + "help", root + "Samples", root + "logs"}),
              folders);
    // After every file, so a folder is empty when it can be.
    EXPECT_LT(IndexOf(steps, root + "brivel.jar"), IndexOf(steps, root + "Samples\\Empty\\Deeper"));
    EXPECT_EQ(folders.end(), std::find(folders.begin(), folders.end(), root.substr(0, root.size() - 1)))
        << "the installation folder itself is the batch file's";
}

TEST(RemovalPlan, FixedFilesAreTheKitsOwnAndTheEditionsButNotTheSharedRunTimeLibraries) {
    RemovalPlace place = kPlace;
    place.editionSystemFiles = {"JAdodb.dll"};
    place.editionFolderFiles = {"JAdodb.jar"};
    auto steps = PlanRemoval(Directory({"Brivel.exe"}), place);
    std::vector<std::string> files = Paths(steps, RemovalStep::kDeleteFile);
    for (const char* name : {"brivellib18.dll", "BrivelC2J18.dll", "BrivelAdodbLib.dll", "Jnavctl.dll",
                             "JBrivelSampleActiveX.dll", "JAdodb.dll"}) {
        std::string path = "C:\\windows\\system32\\" + std::string(name);
        EXPECT_NE(files.end(), std::find(files.begin(), files.end(), path)) << path;
    }
    // Programs built with the kit load these from the system folder.
    for (const char* name : {"BrivelJ2C18.dll", "BrivelMTALib.dll"}) {
        std::string path = "C:\\windows\\system32\\" + std::string(name);
        EXPECT_EQ(files.end(), std::find(files.begin(), files.end(), path)) << path;
    }
    for (const char* name : {"brivel18.jar", "brivelRemoteClient18.jar", "BrivelAdodbLib.jar", "JAdodb.jar"}) {
        std::string path = kPlace.installFolder + name;
        EXPECT_NE(files.end(), std::find(files.begin(), files.end(), path)) << path;
    }
    EXPECT_LT(IndexOf(steps, kPlace.installFolder + "Brivel.exe"),
              IndexOf(steps, "C:\\windows\\system32\\brivellib18.dll"));
}

}  // namespace
}  // namespace brivel::setup
