// install.pkg: the four package values, from lines and from the file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "InstallPackages.h"
#include "TempFolder.h"

using namespace brivel::setup;

TEST(InstallPackages, Pkgjar2ThenBlanksAndANameSetsPkgjar2Only) {
    InstallPackages p = ParseInstallPackages("pkgjar2   BrivelXml.jar\n");
    EXPECT_EQ(p.jar2, "BrivelXml.jar");
    EXPECT_EQ(p.jar, "");
    EXPECT_EQ(p.dll, "");
    EXPECT_EQ(p.dll2, "");
}

TEST(InstallPackages, EachKeyInAnyLetterCaseWithOrWithoutWhiteSpace) {
    InstallPackages p =
        ParseInstallPackages("PKGJAR BrivelAdodbLib.jar\r\npkgDll\tBrivelAdodbLib.dll\r\npkgdll2x.dll\npkgjar2\t \ty.jar");
    EXPECT_EQ(p.jar, "BrivelAdodbLib.jar");
    EXPECT_EQ(p.dll, "BrivelAdodbLib.dll");
    EXPECT_EQ(p.dll2, "x.dll");
    EXPECT_EQ(p.jar2, "y.jar");
}

TEST(InstallPackages, OtherLinesChangeNothingAndLaterLinesWin) {
    InstallPackages p = ParseInstallPackages("# pkgjar a.jar\n pkgjar b.jar\npkg c.jar\n\npkgja d.jar\npkgjar e.jar\n"
                                             "pkgjar f.jar\npkgjar\n");
    EXPECT_EQ(p.jar, "");  // the last pkgjar line has no value
    p = ParseInstallPackages("pkgjar f.jar\nversion 18\n");
    EXPECT_EQ(p.jar, "f.jar");
    EXPECT_EQ(p.jar2, "");
}

TEST(InstallPackages, LongLinesAreReadWholeNotSplitIntoFurtherLines) {
    // A value whose 400th character onwards reads like another line's key.
    std::string value = std::string(392, 'x') + "pkgdll evil.dll";
    InstallPackages p = ParseInstallPackages("pkgjar " + value + "\n");
    EXPECT_EQ(p.jar, value);
    EXPECT_EQ(p.dll, "");
}

// The values name files of the installation's redist folder, which the
// installer copies into the system folder and puts on the CLASSPATH: one
// that would lead out of that folder, or name a device, is ignored as a
// line with another key is.
TEST(InstallPackages, AValueThatLeavesTheRedistFolderOrNamesADeviceIsIgnored) {
    for (const std::string& value : std::vector<std::string>{
             "..\\..\\Windows\\evil.dll", "..\\x.jar", "sub\\..\\..\\x.jar", "C:\\Windows\\x.dll", "C:x.dll",
          "\\x.dll", "/x.dll", "\\\\server\\share\\x.dll", "NUL", "con.dll", "LPT1.jar", "a|b.dll", "x.dll:stream",
          ". .\\x.dll", "x\\\\y.dll", std::string(520, 'x')}) {
        InstallPackages p = ParseInstallPackages("pkgdll kept.dll\npkgjar2 kept.jar\npkgdll " + value + "\npkgjar " +
                                                 value + "\npkgjar2 " + value + "\n");
        EXPECT_EQ(p.dll, "kept.dll") << value;
        EXPECT_EQ(p.jar2, "kept.jar") << value;
        EXPECT_EQ(p.jar, "") << value;
    }
    InstallPackages p = ParseInstallPackages("pkgdll bridges\\JAdodb.dll\npkgjar2 ..x.jar\npkgjar My Bridge.jar\n");
    EXPECT_EQ(p.dll, "bridges\\JAdodb.dll");
    EXPECT_EQ(p.jar2, "..x.jar");
    EXPECT_EQ(p.jar, "My Bridge.jar");
}

class InstallPackageFile : public brivel::testing::TempFolderTest {};

TEST_F(InstallPackageFile, IsReadThenDeleted) {
    std::string path = Path("install.pkg");
    brivel::testing::WriteFileBytes(path, "pkgjar BrivelAdodbLib.jar\r\npkgdll BrivelAdodbLib.dll\r\n");
    InstallPackages p = ReadInstallPackageFile(path);
    EXPECT_EQ(p.jar, "BrivelAdodbLib.jar");
    EXPECT_EQ(p.dll, "BrivelAdodbLib.dll");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(InstallPackageFile, MissingFileLeavesEveryValueEmpty) {
    InstallPackages p = ReadInstallPackageFile(Path("install.pkg"));
    EXPECT_EQ(p.jar + p.jar2 + p.dll + p.dll2, "");
}
