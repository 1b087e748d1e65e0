// The configuration file's grammar, its writer and the item list, on text
// and on real files.
#include "ConfigItemList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <sddl.h>
#else
#include <sys/stat.h>
#endif

#include "TempFolder.h"

using brivel::CConfigItemList;
using brivel::testing::AsTextFile;
using brivel::testing::ReadFileBytes;
using brivel::testing::WriteFileBytes;

namespace {
// Reads the text line by line, as the file reader does.
CConfigItemList Parse(const std::string& text) {
    CConfigItemList list;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        list.ReadLine(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return list;
}

// Writes the list and reads the text back into a new list.
CConfigItemList RoundTrip(const CConfigItemList& list) { return Parse(list.Text()); }
}  // namespace

TEST(ConfigGrammar, PortLineSurvivesAndKeysIgnoreCase) {
    CConfigItemList list = Parse("defaultPort: 25000\n");
    EXPECT_EQ(list.Text(), "defaultPort: 25000\n");
    EXPECT_EQ(list.GetInt("DEFAULTPORT", 24044), 25000);
    EXPECT_STREQ(list.Get("defaultport"), "25000");
}

TEST(ConfigGrammar, CommentAfterBlanksIsSplitOffAndWrittenWithOneBlank) {
    CConfigItemList list = Parse("AuthFile: C:\\brivel\\clients.txt   # clients\n");
    EXPECT_STREQ(list.Get("AuthFile"), "C:\\brivel\\clients.txt");
    EXPECT_EQ(list.Text(), "AuthFile: C:\\brivel\\clients.txt # clients\n");
}

TEST(ConfigGrammar, HashAtTheStartOfAValueBelongsToIt) {
    CConfigItemList list = Parse("SSLKeyPassword: #secret\nOther:#x\n");
    EXPECT_STREQ(list.Get("SSLKeyPassword"), "#secret");
    EXPECT_STREQ(list.Get("Other"), "#x");
    EXPECT_EQ(list.Text(), "SSLKeyPassword: #secret\nOther: #x\n");
}

TEST(ConfigGrammar, SemicolonsInsideAValueStay) {
    CConfigItemList list = Parse("ExtraClasspath: C:\\a.jar;C:\\lib\n");
    EXPECT_STREQ(list.Get("ExtraClasspath"), "C:\\a.jar;C:\\lib");
}

TEST(ConfigGrammar, LinesThatAreNotItemsAreKeptInPlace) {
    const std::string text =
        "; Server configuration file\n"
        "\n"
        "just some words\n"
        "   \n"
        "  # indented comment\n"
        "enableSSL: 1\n";
    CConfigItemList list = Parse(text);
    EXPECT_EQ(list.Text(), text);
    EXPECT_EQ(list.GetInt("enableSSL", 0), 1);
}

TEST(ConfigGrammar, TextBetweenKeyAndColonIsDropped) {
    CConfigItemList list = Parse("SSLPort  ignored: 443\n");
    EXPECT_STREQ(list.Get("SSLPort"), "443");
    EXPECT_EQ(list.Text(), "SSLPort: 443\n");
}

TEST(ConfigGrammar, RepeatedKeyEndsAsOneItemInTheFirstPlace) {
    CConfigItemList list = Parse("AuthClass: First #one\n; between\nauthclass: Second\n");
    EXPECT_STREQ(list.Get("AUTHCLASS"), "Second");
    EXPECT_EQ(list.Text(), "AuthClass: Second #one\n; between\n");
}

TEST(ConfigGrammar, IntegerValues) {
    CConfigItemList list = Parse("a: x12\nb: 12abc\nc:   -7\nd: +3\ne:\nf: 99999999999\n");
    EXPECT_EQ(list.GetInt("a", 5), 5);
    EXPECT_EQ(list.GetInt("b", 5), 12);
    EXPECT_EQ(list.GetInt("c", 5), -7);
    EXPECT_EQ(list.GetInt("d", 5), 3);
    EXPECT_EQ(list.GetInt("e", 5), 5);
    EXPECT_EQ(list.GetInt("missing", 5), 5);
    EXPECT_EQ(list.GetInt("f", 5), 2147483647);
}

// Values the original grammar could not carry through a write.
TEST(ConfigGrammar, HashInsideAValueReadsBackWhole) {
    CConfigItemList list;
    list.Set("SSLKeyPassword", "ab#c", nullptr);
    list.Set("AuthArg", "x#y", "note");
    CConfigItemList back = RoundTrip(list);
    EXPECT_STREQ(back.Get("SSLKeyPassword"), "ab#c");
    EXPECT_STREQ(back.Get("AuthArg"), "x#y");
    EXPECT_EQ(back.Text(), list.Text());
}

TEST(ConfigGrammar, EmptyValueWithACommentReadsBackEmpty) {
    CConfigItemList list;
    list.Set("AuthFile", "", "to be chosen");
    EXPECT_EQ(list.Text(), "AuthFile:  #to be chosen\n");
    CConfigItemList back = RoundTrip(list);
    EXPECT_STREQ(back.Get("AuthFile"), "");
    EXPECT_EQ(back.Text(), list.Text());
}

TEST(ConfigItems, SetKeepsPlaceAndCommentDeleteRemoves) {
    CConfigItemList list = Parse("defaultPort: 25000 #port\nSSLPort: 24045\n");
    list.Set("DefaultPort", "26000", nullptr);
    list.Set("AuthRequired", "1", nullptr);
    EXPECT_EQ(list.Text(), "defaultPort: 26000 #port\nSSLPort: 24045\nAuthRequired: 1\n");
    list.Set("SSLPort", "1", "new");
    EXPECT_EQ(list.Text(), "defaultPort: 26000 #port\nSSLPort: 1 #new\nAuthRequired: 1\n");

    EXPECT_FALSE(list.Delete("enableSSL"));
    EXPECT_TRUE(list.Delete("sslport"));
    EXPECT_FALSE(list.Delete("SSLPort"));
    EXPECT_EQ(list.Get("SSLPort"), nullptr);
    EXPECT_EQ(list.GetInt("SSLPort", 7), 7);
    EXPECT_EQ(list.Text(), "defaultPort: 26000 #port\nAuthRequired: 1\n");
    // Set again (a dialog's Cancel sets back what its OK deleted): back in
    // its place, with its comment.
    list.Set("SSLPort", "24046", nullptr);
    EXPECT_EQ(list.Text(), "defaultPort: 26000 #port\nSSLPort: 24046 #new\nAuthRequired: 1\n");
    list.Delete("SSLPort");
    list.Set("sslport", "2", "other");
    EXPECT_EQ(list.Text(), "defaultPort: 26000 #port\nSSLPort: 2 #other\nAuthRequired: 1\n");
}

TEST(ConfigItems, NullArgumentsAreHandled) {
    CConfigItemList list;
    list.Set("key", nullptr, nullptr);
    EXPECT_STREQ(list.Get("key"), "");
    list.Set(nullptr, nullptr, "; a comment");
    list.Set(nullptr, nullptr, nullptr);
    EXPECT_EQ(list.Get(nullptr), nullptr);
    EXPECT_FALSE(list.Delete(nullptr));
    EXPECT_EQ(list.GetInt(nullptr, 9), 9);
    EXPECT_EQ(list.Text(), "key: \n; a comment\n\n");
}

using ConfigFile = brivel::testing::TempFolderTest;

TEST_F(ConfigFile, LongLineIsReadWhole) {
    std::string classpath;
    for (int i = 0; classpath.size() < 3000; ++i) classpath += "C:\\libraries\\lib" + std::to_string(i) + ".jar;";
    WriteFileBytes(Path("c.config"), "ExtraClasspath: " + classpath + "\r\nSSLOnly: 1\r\n");
    CConfigItemList list;
    ASSERT_TRUE(list.ReadFile(Path("c.config")));
    EXPECT_EQ(list.Get("ExtraClasspath"), classpath);
    EXPECT_STREQ(list.Get("SSLOnly"), "1");
    EXPECT_EQ(list.Text(), "ExtraClasspath: " + classpath + "\nSSLOnly: 1\n");
}

TEST_F(ConfigFile, MissingFileIsReportedAndLeavesTheList) {
    CConfigItemList list;
    list.Set("defaultPort", "1", nullptr);
    EXPECT_FALSE(list.ReadFile(Path("absent.config")));
    EXPECT_STREQ(list.Get("defaultPort"), "1");
}

TEST_F(ConfigFile, WriteGivesTextLinesAndALastLineWithoutEndReads) {
    WriteFileBytes(Path("c.config"), "; head\nSSLPort: 443 #ssl\nAuthArg: x");
    CConfigItemList list;
    ASSERT_TRUE(list.ReadFile(Path("c.config")));
    EXPECT_STREQ(list.Get("AuthArg"), "x");
    ASSERT_TRUE(list.WriteFile(Path("c.config")));
    EXPECT_EQ(ReadFileBytes(Path("c.config")), AsTextFile("; head\nSSLPort: 443 #ssl\nAuthArg: x\n"));
    EXPECT_FALSE(std::filesystem::exists(Path("c.config.new")));
}

TEST_F(ConfigFile, FailedWriteLeavesTheOldFileWhole) {
    WriteFileBytes(Path("c.config"), "defaultPort: 25000\n");
    CConfigItemList list;
    list.Set("defaultPort", "1", nullptr);
    std::filesystem::create_directory(Path("c.config.new"));  // the write cannot be staged
    EXPECT_FALSE(list.WriteFile(Path("c.config")));
    EXPECT_EQ(ReadFileBytes(Path("c.config")), "defaultPort: 25000\n");
    std::filesystem::remove(Path("c.config.new"));
    std::filesystem::create_directory(Path("sub.config"));  // the target cannot be replaced
    EXPECT_FALSE(list.WriteFile(Path("sub.config")));
    EXPECT_FALSE(std::filesystem::exists(Path("sub.config.new")));
}

// The file holds the keystore password in plain text: a rewrite keeps what
// protects the old file (on Windows its access list and attributes, on
// POSIX systems its permission bits) instead of giving the new text the
// folder's defaults.
TEST_F(ConfigFile, ARewriteKeepsTheProtectionOfTheOldFile) {
    const std::string path = Path("c.config");
    WriteFileBytes(path, "SSLKeyPassword: secret\n");
#ifdef _WIN32
    // Full access for the owner alone, not inherited from the folder.
    const char* ownerOnly = "D:P(A;;FA;;;OW)";
    PSECURITY_DESCRIPTOR wanted = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(ownerOnly, SDDL_REVISION_1, &wanted, nullptr));
    ASSERT_TRUE(SetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, wanted));
    LocalFree(wanted);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
    auto protection = [&] {
        std::vector<char> descriptor(4096);
        DWORD needed = 0;
        if (!GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(),
                              static_cast<DWORD>(descriptor.size()), &needed))
            return std::string("(no security)");
        char* text = nullptr;
        if (!ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor.data(), SDDL_REVISION_1,
                                                                  DACL_SECURITY_INFORMATION, &text, nullptr))
            return std::string("(unreadable)");
        std::string result = text;
        LocalFree(text);
        return result + " attributes " + std::to_string(GetFileAttributesA(path.c_str()));
    };
#else
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);
    auto protection = [&] {
        struct stat status;
        return stat(path.c_str(), &status) == 0 ? std::to_string(status.st_mode & 07777) : std::string("(none)");
    };
#endif
    const std::string before = protection();
    CConfigItemList list;
    ASSERT_TRUE(list.ReadFile(path));
    list.Set("SSLKeyPassword", "new secret", nullptr);
    ASSERT_TRUE(list.WriteFile(path));
    EXPECT_EQ(protection(), before);
    EXPECT_EQ(ReadFileBytes(path), AsTextFile("SSLKeyPassword: new secret\n"));
}

TEST_F(ConfigFile, ReadingAgainMergesValues) {
    WriteFileBytes(Path("c.config"), "defaultPort: 1\n");
    CConfigItemList list;
    ASSERT_TRUE(list.ReadFile(Path("c.config")));
    WriteFileBytes(Path("c.config"), "DEFAULTPORT: 2\nSSLOnly: 1\n");
    ASSERT_TRUE(list.ReadFile(Path("c.config")));
    EXPECT_EQ(list.Text(), "defaultPort: 2\nSSLOnly: 1\n");
}

// Found by the reader's fuzz entry: a NUL byte ended the line there, and
// what followed it (the next line's end included) was glued to the next line.
TEST_F(ConfigFile, LineWithANulByteIsKeptWholeInItsPlace) {
    const std::string odd("not an \0item", 12);
    WriteFileBytes(Path("c.config"), "defaultPort: 1\n" + odd + "\nSSLOnly: 1\n");
    CConfigItemList list;
    ASSERT_TRUE(list.ReadFile(Path("c.config")));
    EXPECT_STREQ(list.Get("SSLOnly"), "1");
    EXPECT_EQ(list.Text(), "defaultPort: 1\n" + odd + "\nSSLOnly: 1\n");
}

// Found by the reader's fuzz entry: of the carriage returns before a line
// feed only the last was taken for the line end, so the line changed again
// with each rewrite. A Ctrl-Z byte is data, not the end of the file.
TEST_F(ConfigFile, CarriageReturnsBeforeTheLineEndAndControlZ) {
    WriteFileBytes(Path("c.config"), "; note\r\r\nAuthArg: x # y\r\r\n; \x1a inside\nSSLOnly: 1\n");
    CConfigItemList list;
    ASSERT_TRUE(list.ReadFile(Path("c.config")));
    EXPECT_EQ(list.Text(), "; note\nAuthArg: x # y\n; \x1a inside\nSSLOnly: 1\n");
}
