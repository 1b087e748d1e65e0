// The error lines of a failed JAR load and the information box's text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "JarLoadErrors.h"

namespace {

std::vector<std::string> Lines(const CJarLoadErrors& errors) {
    std::vector<std::string> lines;
    for (const CString& line : errors.Lines()) lines.push_back(line.str());
    return lines;
}

const std::string kTrailer =
    "\n\nPlease restart Brivel and add other/more JAR files, or build using \"Detailed Build\".";

}  // namespace

TEST(JarLoadErrors, EachFailureIsTheJarThenEveryNonEmptyLineOfItsText) {
    CJarLoadErrors errors;
    errors.AddFailure("C:\\jars\\a.jar", "first\r\nsecond\n\n\rthird\r");
    errors.AddFailure("C:\\jars\\b.jar", "");
    errors.AddFailure("C:\\jars\\c.jar", "only");
    EXPECT_EQ(Lines(errors), (std::vector<std::string>{"Jar File: C:\\jars\\a.jar", "first", "second", "third",
                                                       "Jar File: C:\\jars\\b.jar", "Jar File: C:\\jars\\c.jar",
                                                       "only"}));
}

TEST(JarLoadErrors, OneLineIsAnnouncedAsOneError) {
    CJarLoadErrors errors;
    errors.AddFailure("C:\\jars\\empty.jar", nullptr);
    EXPECT_FALSE(errors.NeedsListDialog());
    EXPECT_EQ(errors.InfoBoxText().str(),
              "An error occurred during loading the JAR file.\n\n\nJar File: C:\\jars\\empty.jar" + kTrailer);
}

TEST(JarLoadErrors, TwoOrThreeLinesGoToTheBoxAndFourToTheList) {
    CJarLoadErrors errors;
    errors.AddFailure("C:\\a.jar", "There are no class files in the Jar file");
    EXPECT_FALSE(errors.NeedsListDialog());
    EXPECT_EQ(errors.InfoBoxText().str(),
              "The following errors occurred during loading the JAR file.\n\nJar File: C:\\a.jar\nThere are no "
              "class files in the Jar file" +
                  kTrailer);

    errors.Clear();
    errors.AddFailure("C:\\a.jar", "one\ntwo");
    EXPECT_FALSE(errors.NeedsListDialog());
    EXPECT_EQ(errors.InfoBoxText().str(),
              "The following errors occurred during loading the JAR file.\n\nJar File: C:\\a.jar\none\ntwo" +
                  kTrailer);

    errors.Clear();
    errors.AddFailure("C:\\a.jar", "one\ntwo\nthree");
    EXPECT_TRUE(errors.NeedsListDialog());
}

TEST(JarLoadErrors, TheBoxShowsTenLinesAndThenDots) {
    CJarLoadErrors errors;
    std::string text;
    for (int i = 1; i <= 11; ++i) text += "line " + std::to_string(i) + "\n";
    errors.AddFailure("C:\\a.jar", text.c_str());
    ASSERT_EQ(errors.Lines().size(), 12u);
    std::string expected = "The following errors occurred during loading the JAR file.\n\nJar File: C:\\a.jar";
    for (int i = 1; i <= 9; ++i) expected += "\nline " + std::to_string(i);
    expected += "\n..." + kTrailer;
    EXPECT_EQ(errors.InfoBoxText().str(), expected);
}

TEST(JarLoadErrors, ALongErrorTextIsKeptWhole) {
    CJarLoadErrors errors;
    std::string longLine(5000, 'x');
    errors.AddFailure("C:\\a.jar", (longLine + "\nat the end").c_str());
    ASSERT_EQ(errors.Lines().size(), 3u);
    EXPECT_EQ(errors.Lines()[1].str(), longLine);
    EXPECT_EQ(errors.Lines()[2].str(), "at the end");
}
