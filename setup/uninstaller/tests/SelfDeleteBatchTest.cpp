// The self-deleting batch file: its name and its text.
#include <gtest/gtest.h>

#include <set>

#include "SelfDeleteBatch.h"

namespace brivel::setup {
namespace {

TEST(SelfDeleteBatch, NameIsCutAtTheDotOfTheFilePartOnlyAndTakesTheFirstFreeNumber) {
    auto none = [](const std::string&) { return false; };
    EXPECT_EQ("C:\\Temp\\T1a20.bat", SelfDeleteBatchPath("C:\\Temp\\T1a2.tmp", none));
    EXPECT_EQ("C:\\My.Temp\\T30.bat", SelfDeleteBatchPath("C:\\My.Temp\\T3", none))
        << "a dot in a folder name is not the file's extension";
    EXPECT_EQ("T50.bat", SelfDeleteBatchPath("T5", none));

    std::set<std::string> taken = {"C:\\Temp\\T70.bat", "C:\\Temp\\T71.bat"};
    EXPECT_EQ("C:\\Temp\\T72.bat",
              SelfDeleteBatchPath("C:\\Temp\\T7.tmp", [&](const std::string& path) { return taken.count(path) > 0; }));
    EXPECT_EQ("C:\\Temp\\T798.bat", SelfDeleteBatchPath("C:\\Temp\\T7", [](const std::string&) { return true; }));
}

TEST(SelfDeleteBatch, TextQuotesEveryPathAndGivesUpAfterItsTries) {
    std::string text = SelfDeleteBatchText("C:\\Program Files\\Brivel Kit\\Uninstaller.exe",
                                           "C:\\Program Files\\Brivel Kit\\", "C:\\My Temp\\T0.bat", 3);
    EXPECT_EQ("del \"C:\\Program Files\\Brivel Kit\\Uninstaller.exe\"\n"
              "if not exist \"C:\\Program Files\\Brivel Kit\\Uninstaller.exe\" goto removed\n"
              "ping -n 2 127.0.0.1 >nul\n"
              "del \"C:\\Program Files\\Brivel Kit\\Uninstaller.exe\"\n"
              "if not exist \"C:\\Program Files\\Brivel Kit\\Uninstaller.exe\" goto removed\n"
              "ping -n 2 127.0.0.1 >nul\n"
              "del \"C:\\Program Files\\Brivel Kit\\Uninstaller.exe\"\n"
              "if not exist \"C:\\Program Files\\Brivel Kit\\Uninstaller.exe\" goto removed\n"
              ":removed\n"
              "rmdir \"C:\\Program Files\\Brivel Kit\"\n"
              "del \"C:\\My Temp\\T0.bat\"\n",
              text);
    EXPECT_NE(std::string::npos, SelfDeleteBatchText("C:\\Brivel\\U.exe", "C:\\", "C:\\T0.bat").find("rmdir \"C:\\\"\n"))
        << "a drive's root keeps its backslash";
    EXPECT_EQ("del \"C:\\100%% Kit\\U.exe\"\n"
              "if not exist \"C:\\100%% Kit\\U.exe\" goto removed\n"
              ":removed\n"
              "rmdir \"C:\\100%% Kit\"\n"
              "del \"C:\\%%TEMP%%\\T0.bat\"\n",
              SelfDeleteBatchText("C:\\100% Kit\\U.exe", "C:\\100% Kit\\", "C:\\%TEMP%\\T0.bat", 1))
        << "a percent sign is not taken for a variable";
    std::string standard = SelfDeleteBatchText("C:\\U.exe", "C:\\x\\", "C:\\T0.bat");
    size_t tries = 0;
    for (size_t at = standard.find("del \"C:\\U.exe\""); at != std::string::npos; at = standard.find("del \"C:\\U.exe\"", at + 1))
        ++tries;
    EXPECT_EQ(static_cast<size_t>(kSelfDeleteTries), tries);
}

}  // namespace
}  // namespace brivel::setup
