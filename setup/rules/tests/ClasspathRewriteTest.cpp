// The kit's entries in a CLASSPATH value: what the installer puts in, what
// it keeps, and what the uninstaller takes out.
#include <gtest/gtest.h>

#include "ClasspathRewrite.h"

using namespace brivel::setup;

namespace {

const char kMain[] = "C:\\PROGRA~1\\Brivel\\brivel18.jar";

KitClasspath Kit() {
    KitClasspath kit;
    kit.mainEntry = kMain;
    return kit;
}

KitClasspath KitWithAdodb() {
    KitClasspath kit = Kit();
    kit.packages.push_back({"C:\\PROGRA~1\\Brivel\\BRIVEL~1.JAR", "BrivelAdodbLib.jar"});
    return kit;
}

}  // namespace

TEST(ClasspathRewrite, KitMainArchiveNames) {
    for (const char* name : {"brivel.jar", "brivel18.jar", "BRIVEL17.JAR", "Brivel15.jar", "brivel2.Jar"})
        EXPECT_TRUE(IsKitMainArchiveName(name)) << name;
    for (const char* name : {"BrivelAdodbLib.jar", "brivelRemoteClient18.jar", "BRIVEL~1.JAR", "brivel18.zip",
                             "brivel18a.jar", "mybrivel18.jar", "brivel", ".jar", "brivel.jar.bak", "brivel 18.jar"})
        EXPECT_FALSE(IsKitMainArchiveName(name)) << name;
}

TEST(ClasspathRewrite, OlderArchiveIsReplacedInItsPlaceWithoutASecondCopy) {
    EXPECT_EQ(ClasspathWithKit(".;C:\\OLDKIT\\brivel17.jar;C:\\lib\\x.jar", Kit()),
              std::string(".;") + kMain + ";C:\\lib\\x.jar");
    // The long and the short path of older archives: one entry, in the first place.
    EXPECT_EQ(ClasspathWithKit("C:\\Program Files\\Brivel\\brivel17.jar;a.jar;C:\\PROGRA~1\\Brivel\\BRIVEL.JAR", Kit()),
              std::string(kMain) + ";a.jar");
    EXPECT_EQ(ClasspathWithKit("\"C:\\Program Files\\Brivel\\brivel15.jar\";a.jar", Kit()),
              std::string(kMain) + ";a.jar");
}

TEST(ClasspathRewrite, OtherArchivesOfOtherProductsAndUsersStay) {
    std::string value = "C:\\Brivel\\BrivelAdodbLib.jar;C:\\Brivel\\brivelRemoteClient18.jar;C:\\BRIVEL~1\\BRIVEL~1.JAR;"
                        "D:\\mine\\brivelTools.jar;%JAVA_HOME%\\lib\\tools.jar;.";
    EXPECT_EQ(ClasspathWithKit(value, Kit()), value + ";" + kMain);
}

TEST(ClasspathRewrite, EmptyValueAndValuesEndingWithASeparator) {
    EXPECT_EQ(ClasspathWithKit("", Kit()), kMain);
    EXPECT_EQ(ClasspathWithKit("a.jar;", Kit()), std::string("a.jar;") + kMain);
    EXPECT_EQ(ClasspathWithKit(";;a.jar", Kit()), std::string(";;a.jar;") + kMain);
}

TEST(ClasspathRewrite, SecondInstallationChangesNothing) {
    for (const char* value : {"", "a.jar", "C:\\OLD\\brivel17.jar;b.jar", "C:\\Brivel\\BrivelAdodbLib.jar"}) {
        std::string once = ClasspathWithKit(value, KitWithAdodb());
        EXPECT_EQ(ClasspathWithKit(once, KitWithAdodb()), once) << value;
    }
}

TEST(ClasspathRewrite, PackagesAreAddedUnlessPresent) {
    EXPECT_EQ(ClasspathWithKit("a.jar", KitWithAdodb()),
              std::string("a.jar;") + kMain + ";C:\\PROGRA~1\\Brivel\\BRIVEL~1.JAR");
    // Present by file name (any folder, any case) or as the very entry.
    EXPECT_EQ(ClasspathWithKit("D:\\x\\brivelADODBlib.JAR", KitWithAdodb()),
              std::string("D:\\x\\brivelADODBlib.JAR;") + kMain);
    EXPECT_EQ(ClasspathWithKit("c:\\progra~1\\brivel\\brivel~1.jar", KitWithAdodb()),
              std::string("c:\\progra~1\\brivel\\brivel~1.jar;") + kMain);
    // pkgjar and pkgjar2 in order; one archive named twice is added once.
    KitClasspath kit = KitWithAdodb();
    kit.packages.push_back({"C:\\B\\Xml.jar", "Xml.jar"});
    kit.packages.push_back({"C:\\B\\Xml.jar", "Xml.jar"});
    EXPECT_EQ(ClasspathWithKit("", kit), std::string(kMain) + ";C:\\PROGRA~1\\Brivel\\BRIVEL~1.JAR;C:\\B\\Xml.jar");
}

TEST(ClasspathRewrite, OlderEditionStemsAreDropped) {
    KitClasspath kit = KitWithAdodb();
    kit.droppedStems.push_back("JAdodb");
    EXPECT_EQ(ClasspathWithKit("a.jar;C:\\Old\\JAdodb.jar;C:\\Old\\jadodb15.jar;JAdo.jar", kit),
              std::string("a.jar;JAdo.jar;") + kMain + ";C:\\PROGRA~1\\Brivel\\BRIVEL~1.JAR");
}

TEST(ClasspathRewrite, UninstallerTakesOnlyTheKitsOwnEntriesOut) {
    std::vector<std::string> folders{"C:\\Program Files\\Brivel", "C:\\PROGRA~1\\Brivel\\"};
    std::vector<std::string> jars{"BrivelAdodbLib.jar"};
    std::string value = ".;C:\\PROGRA~1\\BRIVEL\\BRIVEL18.JAR;C:\\Other\\brivel18.jar;"
                        "C:\\Program Files\\Brivel\\BrivelAdodbLib.jar;C:\\Program Files\\Brivel\\mine.jar;;x.jar";
    EXPECT_EQ(ClasspathWithoutKit(value, folders, jars),
              ".;C:\\Other\\brivel18.jar;C:\\Program Files\\Brivel\\mine.jar;;x.jar");
    EXPECT_EQ(ClasspathWithoutKit("\"C:\\Program Files\\Brivel\\brivel18.jar\"", folders, jars), "");
    EXPECT_EQ(ClasspathWithoutKit("", folders, jars), "");
    // What the installer put in (the package under its short name), the
    // uninstaller takes out again.
    KitClasspath kit = KitWithAdodb();
    jars.push_back("BRIVEL~1.JAR");
    EXPECT_EQ(ClasspathWithoutKit(ClasspathWithKit("a.jar;C:\\lib\\b.jar", kit), folders, jars), "a.jar;C:\\lib\\b.jar");
}
