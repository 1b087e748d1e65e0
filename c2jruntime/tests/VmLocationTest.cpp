// The portable VM-location steps: probe class, probe command, library path
// rule and the splitting of extra VM arguments.
#include "VmLocation.h"

#include <gtest/gtest.h>

#include <string>

#include "JvmPlatformNames.h"

using namespace brivel::c2j;

TEST(PrintJavaHomeClass, IsAVersion46ClassFileOf497Bytes) {
    ASSERT_EQ(kPrintJavaHomeClassSize, 497u);
    const unsigned char header[] = {0xCA, 0xFE, 0xBA, 0xBE, 0x00, 0x00, 0x00, 46};
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(kPrintJavaHomeClass), 8),
              std::string(reinterpret_cast<const char*>(header), 8));
    std::string bytes(reinterpret_cast<const char*>(kPrintJavaHomeClass), kPrintJavaHomeClassSize);
    for (const char* text : {"PrintJavaHome", "java.home", "getProperty", "println", "PrintJavaHome.java"})
        EXPECT_NE(bytes.find(text), std::string::npos) << text;
}

TEST(ProbeCommand, DropsTheTrailingSeparatorButKeepsADriveRoot) {
    EXPECT_EQ(BuildProbeCommand("java", "C:\\Temp\\"), "java -classpath \"C:\\Temp\" PrintJavaHome");
    EXPECT_EQ(BuildProbeCommand("java", "C:\\"), "java -classpath \"C:\\\" PrintJavaHome");
    EXPECT_EQ(BuildProbeCommand("java", "/tmp/"), "java -classpath \"/tmp\" PrintJavaHome");
}

TEST(ProbeOutput, IsCutAtTheFirstLineEnd) {
    EXPECT_EQ(JavaHomeFromProbeLine("C:\\jre\r\n"), "C:\\jre");
    EXPECT_EQ(JavaHomeFromProbeLine("/usr/lib/jvm/x\n"), "/usr/lib/jvm/x");
    EXPECT_EQ(JavaHomeFromProbeLine(std::string(300, 'a')).size(), 259u);
}

TEST(JvmLibraryPath, NamesTheLibraryInsideAFolderOrTakesItAsGiven) {
    std::string s(1, kPathSeparator);
    std::string lib = kJvmLibraryName;
    EXPECT_EQ(JvmLibraryPath("x" + s + "server", ""), "x" + s + "server" + s + lib);
    EXPECT_EQ(JvmLibraryPath("x" + s + "server" + s, ""), "x" + s + "server" + s + lib);
    EXPECT_EQ(JvmLibraryPath("x" + s + lib, ""), "x" + s + lib);
    std::string upper = lib;
    for (char& c : upper) c = static_cast<char>(toupper(c));
    EXPECT_EQ(JvmLibraryPath("x" + s + upper, ""), "x" + s + upper);
    EXPECT_EQ(JvmLibraryPath(JvmSearchFolder("home"), "client"),
              "home" + s + kJvmLibraryFolder + "client" + s + lib);
}

TEST(JvmArguments, QuotedTokensOnlyWhenTheQuoteComesFirst) {
    auto options = SplitJvmArguments("  -Xmx64m \"-Dname=two words\"\t-Dz=1 ", 38);
    ASSERT_EQ(options.size(), 3u);
    EXPECT_EQ(options[0], "-Xmx64m");
    EXPECT_EQ(options[1], "-Dname=two words");
    EXPECT_EQ(options[2], "-Dz=1");

    options = SplitJvmArguments("-Da=\"x y\" \"open", 38);
    ASSERT_EQ(options.size(), 3u);
    EXPECT_EQ(options[0], "-Da=\"x");
    EXPECT_EQ(options[1], "y\"");
    EXPECT_EQ(options[2], "open");
    EXPECT_TRUE(SplitJvmArguments(" \t ", 38).empty());
}

TEST(JvmArguments, AtMost38ExtraOptionsArePassed) {
    std::string text;
    for (int i = 0; i < 50; ++i) text += "-Dn" + std::to_string(i) + " ";
    auto options = SplitJvmArguments(text, kMaxJvmOptions - 1);
    ASSERT_EQ(options.size(), 38u);
    EXPECT_EQ(options.back(), "-Dn37");
}
