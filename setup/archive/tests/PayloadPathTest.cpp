// Entry and folder names of the archive: what stays inside the installation
// folder, and why the rest is refused.
#include <gtest/gtest.h>

#include "PayloadArchive.h"

namespace brivel::setup {
namespace {

TEST(PayloadPath, RelativeNamesInsideTheFolderAreSafe) {
    for (const char* name : {"Brivel.exe", "help\\Index.html", "redist\\brivel18.jar", "a/b.txt", "..a", "a..",
                             ".profile", "Samples\\My Sample\\run.cmd", "CONFIG.SYS", "com10.txt", "lpt.txt",
                             "\xe9t\xe9.txt"}) {
        std::string problem;
        EXPECT_TRUE(CheckPayloadPath(name, &problem)) << name << ": " << problem;
    }
    EXPECT_TRUE(CheckPayloadPath(std::string(519, 'n'), nullptr));
}

TEST(PayloadPath, EachWayOutOfTheFolderIsRefusedWithItsReason) {
    struct Case {
        std::string name, reason;
    } cases[] = {
        {"", "the name is empty"},
        {std::string(520, 'n'), "the name is 520 bytes long (at most 519)"},
        {"..\\x.dll", "\"..\\x.dll\" has the part \"..\""},
        {"a\\..\\..\\x.dll", "\"a\\..\\..\\x.dll\" has the part \"..\""},
        {"a/./b", "\"a/./b\" has the part \".\""},
        {"... \\x", "\"... \\x\" has the part \"... \""},
        {"C:\\x.dll", "\"C:\\x.dll\" names a drive or a stream (\":\")"},
        {"x.txt:hidden", "\"x.txt:hidden\" names a drive or a stream (\":\")"},
        {"\\x.dll", "\"\\x.dll\" begins at the root"},
        {"/x.dll", "\"/x.dll\" begins at the root"},
        {"a\\\\b", "\"a\\\\b\" has an empty part"},
        {"a\\", "\"a\\\" has an empty part"},
        {"bin\\NUL", "\"bin\\NUL\" names the device \"NUL\""},
        {"aux.txt", "\"aux.txt\" names the device \"aux.txt\""},
        {"Lpt9", "\"Lpt9\" names the device \"Lpt9\""},
        {"a\tb", "\"a\tb\" holds a control character"},
        {"a?.txt", "\"a?.txt\" holds a character a file name cannot hold"},
        {"a|b", "\"a|b\" holds a character a file name cannot hold"},
    };
    for (const Case& c : cases) {
        std::string problem;
        EXPECT_FALSE(CheckPayloadPath(c.name, &problem)) << c.name;
        EXPECT_EQ(c.reason, problem) << c.name;
    }
}

}  // namespace
}  // namespace brivel::setup
