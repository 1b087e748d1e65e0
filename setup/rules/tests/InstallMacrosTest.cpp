// The $-macros of flagged text files: the line rule, the temporary name and
// the in-place rewrite of real files.
#include <gtest/gtest.h>

#include <filesystem>

#include "InstallMacros.h"
#include "TempFolder.h"

using namespace brivel::setup;
using brivel::testing::ReadFileBytes;
using brivel::testing::WriteFileBytes;

namespace {

InstallMacroValues KitValues() {
    InstallMacroValues values = MakeInstallMacroValues("C:\\PROGRA~1\\Brivel\\", "C:\\windows\\system32", "C:\\windows");
    return values;
}

}  // namespace

TEST(InstallMacros, EveryMacroOfTheTableInAnyLetterCase) {
    InstallMacroValues v = KitValues();
    v.webPort = "8080";
    v.webAdmin = "wa";
    v.ejbPort = "7001";
    v.ejbAdmin = "ea";
    v.webPassword = "wp";
    v.ejbPassword = "ep";
    struct Case {
        const char* line;
        const char* expanded;
    } cases[] = {
        {"$TGTDIR", "C:\\PROGRA~1\\Brivel"},
        {"$TGTDRIVE", "C:"},
        {"$WINSYS", "C:\\windows\\system32"},
        {"$WINDIR", "C:\\windows"},
        {"$WEBPORT $WEBADMIN $EJBPORT $EJBADMIN $WEBPWD $EJBPWD", "8080 wa 7001 ea wp ep"},
        {"$HOST", "localhost"},
        {"$URL", "localhost:8080"},
        {"$LOCALHOST", "localhost:8080"},
        {"$SEP", "\\"},
        {"$tgtdir\\lib", "C:\\PROGRA~1\\Brivel\\lib"},
        {"cp=$TgtDir$Sep$tgtdrive", "cp=C:\\PROGRA~1\\Brivel\\C:"},
        {"$HOST$SEP$URL", "localhost\\localhost:8080"},
    };
    for (const Case& c : cases) EXPECT_EQ(ExpandMacrosInLine(c.line, v), c.expanded) << c.line;
}

TEST(InstallMacros, TargetFolderThenBackslashAndFolderName) {
    EXPECT_EQ(ExpandMacrosInLine("java -cp $TGTDIR\\brivel18.jar;$tgtdir\\lib\r\n", KitValues()),
              "java -cp C:\\PROGRA~1\\Brivel\\brivel18.jar;C:\\PROGRA~1\\Brivel\\lib\r\n");
    // A folder at the root of a drive keeps one backslash between the parts.
    EXPECT_EQ(ExpandMacrosInLine("$TGTDIR\\x", MakeInstallMacroValues("D:\\", "", "")), "D:\\x");
}

TEST(InstallMacros, TextThatIsNoMacroIsCopied) {
    for (const char* line : {"", "$", "$$", "cost: 5$", "$FOO $TGT $TGTDI", "US$ 10", "\xE9t\xE9 $"})
        EXPECT_EQ(ExpandMacrosInLine(line, KitValues()), line) << line;
    EXPECT_EQ(ExpandMacrosInLine("$$TGTDIR$", KitValues()), "$C:\\PROGRA~1\\Brivel$");
}

TEST(InstallMacros, UrlAndLocalHostCarryAPortOnlyWhenItIsNot80) {
    InstallMacroValues v = KitValues();
    v.host = "builder";
    struct Case {
        const char* port;
        const char* url;
        const char* localHost;
    } cases[] = {
        {"", "builder", "localhost"},          {"80", "builder", "localhost"},
        {"080", "builder", "localhost"},       {" 80 ", "builder", "localhost"},
        {"8080", "builder:8080", "localhost:8080"}, {"800", "builder:800", "localhost:800"},
        {"8", "builder:8", "localhost:8"},
    };
    for (const Case& c : cases) {
        v.webPort = c.port;
        EXPECT_EQ(ExpandMacrosInLine("$URL", v), c.url) << "port '" << c.port << "'";
        EXPECT_EQ(ExpandMacrosInLine("$LOCALHOST", v), c.localHost) << "port '" << c.port << "'";
    }
    EXPECT_EQ(HostWithPort("h", ""), "h");
}

TEST(InstallMacros, DriveOfTheFolder) {
    EXPECT_EQ(DriveOfPath("C:\\Brivel"), "C:");
    EXPECT_EQ(DriveOfPath("d:\\"), "d:");
    EXPECT_EQ(DriveOfPath("\\\\server\\share\\kit"), "\\\\server\\share");
    EXPECT_EQ(DriveOfPath("relative\\kit"), "");
    EXPECT_EQ(MakeInstallMacroValues("C:\\Brivel\\\\", "", "").targetFolder, "C:\\Brivel");
}

TEST(InstallMacros, TemporaryNameComesFromTheFileName) {
    EXPECT_EQ(MacroOutputPath("C:\\Brivel\\Readme.txt"), "C:\\Brivel\\Readme.tmp");
    EXPECT_EQ(MacroOutputPath("C:\\Brivel\\run.cmd.txt"), "C:\\Brivel\\run.cmd.tmp");
    // A dot in a folder is not the file's extension.
    EXPECT_EQ(MacroOutputPath("C:\\Brivel.18\\bin\\setenv"), "C:\\Brivel.18\\bin\\setenv.tmp");
    EXPECT_EQ(MacroOutputPath("/tmp/kit.d/setenv"), "/tmp/kit.d/setenv.tmp");
    EXPECT_EQ(MacroOutputPath("setenv"), "setenv.tmp");
    // Never the file itself.
    EXPECT_EQ(MacroOutputPath("C:\\Brivel\\notes.TMP"), "C:\\Brivel\\notes.TMP.tmp");
}

class InstallMacroFiles : public brivel::testing::TempFolderTest {};

TEST_F(InstallMacroFiles, FileIsRewrittenInPlaceByteForByteAroundTheMacros) {
    // Line ends of both kinds, a lone CR, a control-Z, a NUL and no line end
    // at the end: all kept as they were.
    static const char kOriginal[] = "set HOME=$TGTDIR\r\nplain line\n\r\x1A tail\0 $SEP";
    static const char kExpected[] = "set HOME=C:\\PROGRA~1\\Brivel\r\nplain line\n\r\x1A tail\0 \\";
    std::string original(kOriginal, sizeof kOriginal - 1);
    std::string expected(kExpected, sizeof kExpected - 1);
    std::string path = Path("setenv.cmd");
    WriteFileBytes(path, original);
    ASSERT_TRUE(ExpandInstallMacros(path, KitValues()));
    EXPECT_EQ(ReadFileBytes(path), expected);
    EXPECT_FALSE(std::filesystem::exists(Path("setenv.tmp")));
}

TEST_F(InstallMacroFiles, LinesOfAnyLengthAreExpandedWhole) {
    std::string longLine = std::string(398, 'a') + "$TGTDIR" + std::string(5000, 'b') + "$SEP\r\n";
    std::string path = Path("long.txt");
    WriteFileBytes(path, longLine + longLine);
    ASSERT_TRUE(ExpandInstallMacros(path, KitValues()));
    std::string expectedLine = std::string(398, 'a') + "C:\\PROGRA~1\\Brivel" + std::string(5000, 'b') + "\\\r\n";
    EXPECT_EQ(ReadFileBytes(path), expectedLine + expectedLine);
}

TEST_F(InstallMacroFiles, FileWithoutExtensionInADottedFolderStaysInItsFolder) {
    std::filesystem::create_directories(folder_ / "kit.18" / "bin");
    std::string path = (folder_ / "kit.18" / "bin" / "setenv").string();
    WriteFileBytes(path, "$TGTDRIVE\n");
    ASSERT_TRUE(ExpandInstallMacros(path, KitValues()));
    EXPECT_EQ(ReadFileBytes(path), "C:\n");
    // Nothing was written beside the folder.
    EXPECT_FALSE(std::filesystem::exists(folder_ / "kit.tmp"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_ / "kit.18" / "bin"),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(InstallMacroFiles, FileWithoutMacrosIsUnchanged) {
    std::string bytes = "line one\r\nline two\nno end";
    std::string path = Path("BrivelServer.config");
    WriteFileBytes(path, bytes);
    ASSERT_TRUE(ExpandInstallMacros(path, KitValues()));
    EXPECT_EQ(ReadFileBytes(path), bytes);
    WriteFileBytes(Path("empty.txt"), "");
    ASSERT_TRUE(ExpandInstallMacros(Path("empty.txt"), KitValues()));
    EXPECT_EQ(ReadFileBytes(Path("empty.txt")), "");
}

TEST_F(InstallMacroFiles, NothingChangesWhenAFileCannotBeOpened) {
    EXPECT_FALSE(ExpandInstallMacros(Path("missing.txt"), KitValues()));
    EXPECT_FALSE(std::filesystem::exists(Path("missing.txt")));
    EXPECT_FALSE(std::filesystem::exists(Path("missing.tmp")));

    // The temporary name is taken by a folder: the file stays as it was.
    std::string path = Path("Readme.txt");
    WriteFileBytes(path, "$TGTDIR\n");
    std::filesystem::create_directory(Path("Readme.tmp"));
    EXPECT_FALSE(ExpandInstallMacros(path, KitValues()));
    EXPECT_EQ(ReadFileBytes(path), "$TGTDIR\n");
    EXPECT_TRUE(std::filesystem::is_directory(Path("Readme.tmp")));
}
