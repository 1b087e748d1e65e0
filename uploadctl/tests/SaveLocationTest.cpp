// Where the downloaded DLL may go: a library name stays one file of the
// chosen folder, and a path typed for "Other Location" is checked as the
// save dialog reports it.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "SaveLocation.h"
#include "UploaderTexts.h"

using namespace brivel::uploadctl;

TEST(SaveLocation, PlainLibraryNamesAreAccepted) {
    for (const char* name : {"JMyLib", "my.lib", "a b", "Biblioth\xE8que", "COM10", "CONSOLE", "LPT0", "nullable", "x."})
        EXPECT_TRUE(IsPlainFileName(name)) << name;
}

TEST(SaveLocation, NamesThatLeaveTheFolderOrNameADeviceAreRefused) {
    for (const char* name : {"", ".", "..", "..\\evil", "../evil", "sub\\lib", "C:lib", "C:\\lib", "\\\\server\\share",
                             "lib*", "lib?", "\"lib\"", "<lib>", "a|b", "a\tb", "a\nb", "NUL", "nul", "Con", "aux.x",
                             "PRN", "COM1", "lpt9", "nul.txt", "NUL .x", "con "})
        EXPECT_FALSE(IsPlainFileName(name)) << name;
    EXPECT_FALSE(IsPlainFileName(std::string("lib\0.x", 6)));
}

TEST(SaveLocation, TheDllPathIsTheFolderTheNameAndDotDll) {
    std::string path;
    ASSERT_TRUE(DllPathInFolder("C:\\windows\\system32", "JLib", path));
    EXPECT_EQ(path, "C:\\windows\\system32\\JLib.dll");
    ASSERT_TRUE(DllPathInFolder("C:\\", "JLib", path));
    EXPECT_EQ(path, "C:\\JLib.dll");
    path = "untouched";
    EXPECT_FALSE(DllPathInFolder("C:\\windows\\system32", "..\\..\\evil", path));
    EXPECT_FALSE(DllPathInFolder("C:\\windows\\system32", "C:\\evil", path));
    EXPECT_EQ(path, "untouched");
}

TEST(SaveLocation, DriveAndFolderEndWithTheLastSeparator) {
    EXPECT_EQ(DriveAndFolder("C:\\a\\b.dll"), "C:\\a\\");
    EXPECT_EQ(DriveAndFolder("C:\\b.dll"), "C:\\");
    EXPECT_EQ(DriveAndFolder("D:b.dll"), "D:");
    EXPECT_EQ(DriveAndFolder("b.dll"), "");
}

TEST(SaveLocation, OtherLocationNeedsAPathEndingInDllInAnExistingFolder) {
    std::set<std::string> existing{"C:\\out\\", "C:\\"};
    auto exists = [&](const std::string& folder) { return existing.count(folder) > 0; };
    EXPECT_EQ(CheckOtherLocation("", exists), OtherLocationProblem::Empty);
    EXPECT_EQ(CheckOtherLocation("C:\\out\\JLib.txt", exists), OtherLocationProblem::NotDll);
    EXPECT_EQ(CheckOtherLocation("C:\\out\\JLib", exists), OtherLocationProblem::NotDll);
    EXPECT_EQ(CheckOtherLocation("C:\\out\\.dll", exists), OtherLocationProblem::NotDll);
    EXPECT_EQ(CheckOtherLocation("C:\\out.dll\\", exists), OtherLocationProblem::NotDll);
    EXPECT_EQ(CheckOtherLocation("C:\\nope\\JLib.dll", exists), OtherLocationProblem::NoSuchFolder);
    EXPECT_EQ(CheckOtherLocation("JLib.dll", exists), OtherLocationProblem::NoSuchFolder);
    EXPECT_EQ(CheckOtherLocation("C:\\out\\JLib.dll", exists), OtherLocationProblem::None);
    EXPECT_EQ(CheckOtherLocation("C:\\out\\JLib.DlL", exists), OtherLocationProblem::None);
    EXPECT_EQ(CheckOtherLocation("C:\\JLib.DLL", exists), OtherLocationProblem::None);
}

TEST(SaveLocation, TheDialogsMessagesNameTheMissingFolderOrTheBareName) {
    EXPECT_EQ(texts::OtherLocationProblemText(OtherLocationProblem::Empty, ""), "Please specify location");
    EXPECT_EQ(texts::OtherLocationProblemText(OtherLocationProblem::NotDll, "C:\\x"), "File name must end with .DLL");
    EXPECT_EQ(texts::OtherLocationProblemText(OtherLocationProblem::NoSuchFolder, "C:\\nope\\JLib.dll"),
              "C:\\nope\\:  Directory does not exist");
    EXPECT_EQ(texts::OtherLocationProblemText(OtherLocationProblem::NoSuchFolder, "JLib.dll"),
              "JLib.dll:  Directory does not exist");
    EXPECT_EQ(texts::OtherLocationProblemText(OtherLocationProblem::None, "C:\\JLib.dll"), "");
}
