// The JAR joins the machine-wide CLASSPATH without losing what it held.
#include <gtest/gtest.h>

#include <string>

#include "ClasspathMerge.h"

namespace {
const std::string kFull = "C:\\Program Files\\Bridge Output\\JCalc.jar";
const std::string kShort = "C:\\PROGRA~1\\BRIDGE~1\\JCalc.jar";
}  // namespace

TEST(ClasspathMerge, AnEntryNamingTheJarInFullOrShortFormAndAnyCaseIsFound) {
    EXPECT_TRUE(ClasspathNamesJar(kFull, kFull, kShort));
    EXPECT_TRUE(ClasspathNamesJar(".;c:\\progra~1\\bridge~1\\jcalc.JAR;C:\\lib", kFull, kShort));
    EXPECT_TRUE(ClasspathNamesJar("C:\\lib; \"C:\\PROGRAM FILES\\bridge output\\jcalc.jar\" ;", kFull, kShort));
    EXPECT_FALSE(ClasspathNamesJar("", kFull, kShort));
    EXPECT_FALSE(ClasspathNamesJar(";;", kFull, kShort));
    EXPECT_FALSE(ClasspathNamesJar("C:\\PROGRA~1\\BRIDGE~1\\JCalc.jar.old;C:\\JCalc.jar", kFull, kShort));
    EXPECT_FALSE(ClasspathNamesJar("C:\\a.jar", kFull, ""));
}

TEST(ClasspathMerge, TheJarIsAddedBehindEveryEntryOfAValueOfAnyLength) {
    EXPECT_EQ(ClasspathWithJar("", kShort), ";" + kShort);
    EXPECT_EQ(ClasspathWithJar(".;C:\\lib", kShort), ".;C:\\lib;" + kShort);
    EXPECT_EQ(ClasspathWithJar("C:\\lib;", kShort), "C:\\lib;" + kShort);

    std::string longValue;
    for (int i = 0; longValue.size() < 5000; ++i) longValue += "C:\\libraries\\library" + std::to_string(i) + ".jar;";
    longValue += "%JAVA_HOME%\\lib";
    std::string merged = ClasspathWithJar(longValue, kShort);
    EXPECT_EQ(merged.substr(0, longValue.size()), longValue);
    EXPECT_EQ(merged.substr(longValue.size()), ";" + kShort);
    EXPECT_TRUE(ClasspathNamesJar(merged, kFull, kShort));
}
