// The package page's rule against the real javac: every package the page
// accepts compiles, and the packages it refuses beyond the first letter and
// the alphabet (empty parts, parts starting with a digit, reserved words)
// are refused by javac too.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "PackageNameRules.h"
#include "TempFolder.h"

namespace {

class PackageNameJavac : public brivel::testing::TempFolderTest {};

}  // namespace

TEST_F(PackageNameJavac, ThePagesRuleAcceptsOnlyPackagesJavacCompiles) {
    const std::vector<std::string> accepted{"com.orvanth.bridge", "A9.b8", "my.Class", "interfaces.integer",
                                            "j2c.tutorial", "Goto.nullable"};
    const std::vector<std::string> refused{"a..b", "a.1b", "com.int.x", "my.class", "null", "true.x", "goto", "x.enum"};
    std::vector<std::string> all(accepted);
    all.insert(all.end(), refused.begin(), refused.end());

    // One source per package, each compiled on its own: javac's exit code
    // tells each verdict.
    for (size_t i = 0; i < all.size(); ++i) {
        const std::string& package = all[i];
        bool pageAccepts = CheckPackageName(package.c_str()).IsEmpty();
        bool expectAccepted = i < accepted.size();
        EXPECT_EQ(pageAccepts, expectAccepted) << package;
        std::string folder = Path("p" + std::to_string(i));
        std::filesystem::create_directories(folder);
        std::ofstream(folder + "/A.java") << "package " << package << ";\nclass A {}\n";
        std::string command = std::string(JAVAC) + " -nowarn -d \"" + folder + "/out\" \"" + folder + "/A.java\" 2>\"" +
                              folder + "/errors.txt\"";
        bool compiles = std::system(command.c_str()) == 0;
        EXPECT_EQ(compiles, expectAccepted) << package << ": " << brivel::testing::ReadFileBytes(folder + "/errors.txt");
    }
}
