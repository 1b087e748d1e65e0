// Where payload entries go, the editions, and the extraction's progress.
#include <gtest/gtest.h>

#include "Editions.h"
#include "EntryTargets.h"
#include "ExtractionProgress.h"

using namespace brivel::setup;

TEST(EntryTargets, EntryNamesBecomePathsInTheInstallationFolder) {
    EXPECT_EQ(EntryTargetFor("C:\\Brivel", "help\\Index.html", "Uninstaller.exe", false).path,
              "C:\\Brivel\\help\\Index.html");
    EXPECT_EQ(EntryTargetFor("C:\\Brivel\\", "\\Readme.txt", "Uninstaller.exe", false).path, "C:\\Brivel\\Readme.txt");
    EXPECT_EQ(EntryTargetFor("C:\\", "Brivel.exe", "Uninstaller.exe", false).path, "C:\\Brivel.exe");
}

TEST(EntryTargets, UninstallerTakesTheEditionsName) {
    EntryTarget t = EntryTargetFor("C:\\Kit", "Uninstaller.exe", "BrivelEvalUninstaller.exe", false);
    EXPECT_EQ(t.path, "C:\\Kit\\BrivelEvalUninstaller.exe");
    EXPECT_TRUE(t.isUninstaller);
    EXPECT_TRUE(EntryTargetFor("C:\\Kit", "\\bin\\KitUNINSTALLER.EXE", "Uninstaller.exe", false).isUninstaller);
    // Names of 14 characters or fewer are ordinary files.
    EntryTarget shortName = EntryTargetFor("C:\\Kit", "ninstaller.exe", "Uninstaller.exe", false);
    EXPECT_FALSE(shortName.isUninstaller);
    EXPECT_EQ(shortName.path, "C:\\Kit\\ninstaller.exe");
    EXPECT_FALSE(EntryTargetFor("C:\\Kit", "Uninstaller.exe.txt", "Uninstaller.exe", false).isUninstaller);
}

TEST(EntryTargets, CommandFilesBecomeBatchFilesWithoutCmd) {
    EXPECT_EQ(EntryTargetFor("C:\\Kit", "bin\\build.cmd", "U.exe", true).path, "C:\\Kit\\bin\\build.bat");
    EXPECT_EQ(EntryTargetFor("C:\\Kit", "bin\\build.CMD", "U.exe", true).path, "C:\\Kit\\bin\\build.bat");
    EXPECT_EQ(EntryTargetFor("C:\\Kit", "bin\\build.cmd", "U.exe", false).path, "C:\\Kit\\bin\\build.cmd");
    EXPECT_EQ(EntryTargetFor("C:\\Kit", "bin\\cmd.txt", "U.exe", true).path, "C:\\Kit\\bin\\cmd.txt");
    EXPECT_EQ(ShortcutTargetFor("samples\\run.cmd", true), "samples\\run.bat");
    EXPECT_EQ(ShortcutTargetFor("samples\\run.cmd", false), "samples\\run.cmd");
    EXPECT_EQ(ShortcutTargetFor(".cmd", true), ".cmd");
    EXPECT_EQ(ShortcutTargetFor("http://host/x.cmd", false), "http://host/x.cmd");
}

TEST(EntryTargets, SettingsFilesOfAnEarlierInstallationAreKept) {
    for (const char* path : {"C:\\Kit\\BrivelServer.config", "C:\\Kit\\conf\\a.INI", "C:\\Kit\\x.Config"})
        EXPECT_TRUE(KeepsExistingFile(path)) << path;
    for (const char* path : {"C:\\Kit\\Readme.txt", "C:\\Kit.ini\\Readme", "C:\\Kit\\config", "C:\\Kit\\a.ini.bak"})
        EXPECT_FALSE(KeepsExistingFile(path)) << path;
}

TEST(Editions, InstallerRowsByTheBeginningOfTheFileName) {
    const InstallerEdition& standard = InstallerEditionFor("C:\\Downloads\\installer.exe");
    EXPECT_STREQ(standard.defaultFolder, "C:\\Brivel");
    EXPECT_STREQ(standard.displayName, "Brivel");
    EXPECT_STREQ(standard.uninstallKeyName, "Brivel");
    EXPECT_STREQ(standard.uninstallerFileName, "Uninstaller.exe");
    EXPECT_STREQ(standard.heading, "Brivel Installer");
    const InstallerEdition& eval = InstallerEditionFor("D:\\x.y\\brivelEVAL-18-setup.exe");
    EXPECT_STREQ(eval.displayName, "Brivel Evaluation");
    EXPECT_STREQ(eval.uninstallerFileName, "BrivelEvalUninstaller.exe");
    // The folder's name does not count.
    EXPECT_STREQ(InstallerEditionFor("C:\\BrivelEval\\setup.exe").displayName, "Brivel");
}

TEST(Editions, UninstallerRowsByTheWholeBaseName) {
    EXPECT_STREQ(UninstallerEditionFor("C:\\Brivel\\Uninstaller.exe").uninstallKeyName, "Brivel");
    const UninstallerEdition& eval = UninstallerEditionFor("C:\\BrivelEval\\BRIVELEVALUNINSTALLER.EXE");
    EXPECT_STREQ(eval.displayName, "Brivel Evaluation");
    EXPECT_STREQ(eval.uninstallKeyName, "BrivelEval");
    EXPECT_STREQ(eval.systemFiles[0], "JAdodb.dll");
    EXPECT_STREQ(UninstallerEditionFor("C:\\x\\BrivelEvalUninstaller2.exe").displayName, "Brivel");
    EXPECT_EQ(UninstallerEditionFor("C:\\x\\Uninstaller.exe").systemFiles[0], nullptr);
    // What the installer names its uninstaller, the uninstaller recognises.
    const InstallerEdition& installer = InstallerEditionFor("BrivelEval.exe");
    EXPECT_STREQ(UninstallerEditionFor(installer.uninstallerFileName).uninstallKeyName, installer.uninstallKeyName);
}

TEST(Editions, PackageArchiveSelectsTheOlderEditionsFiles) {
    const PackageEditionFiles* files = PackageEditionFilesFor("brivelAdodbLib.JAR");
    ASSERT_NE(files, nullptr);
    EXPECT_STREQ(files->oldJar, "redist\\JAdodb.jar");
    EXPECT_STREQ(files->oldLibrary, "redist\\JAdodb.dll");
    EXPECT_EQ(PackageEditionFilesFor("other.jar"), nullptr);
    EXPECT_EQ(PackageEditionFilesFor(""), nullptr);
}

TEST(ExtractionProgress, ShareOfNinetyFiveWithoutOverflowOrDivisionByZero) {
    EXPECT_EQ(ExtractionPercent(0, 1000), 0);
    EXPECT_EQ(ExtractionPercent(500, 1000), 47);
    EXPECT_EQ(ExtractionPercent(1000, 1000), 95);
    // 95 times the count is beyond 32 bits from 45 MB on.
    EXPECT_EQ(ExtractionPercent(3000000000u, 4000000000u), 71);
    EXPECT_EQ(ExtractionPercent(0xFFFFFFFFu, 0xFFFFFFFFu), 95);
    // Nothing to extract, or more than the total: done.
    EXPECT_EQ(ExtractionPercent(0, 0), 95);
    EXPECT_EQ(ExtractionPercent(2000, 1000), 95);
}

TEST(ExtractionProgress, EndsAt95WhenKeptFilesAreSkipped) {
    ExtractionProgress progress(100000000);
    progress.Add(60000000);
    EXPECT_EQ(progress.Percent(), 57);
    progress.Add(39999000);  // the rest written
    EXPECT_EQ(progress.Percent(), 94);
    progress.Add(1000);      // a kept settings file, counted as done
    EXPECT_EQ(progress.Percent(), 95);
}
