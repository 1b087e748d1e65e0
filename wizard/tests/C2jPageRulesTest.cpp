// The COM-to-Java pages' rules and texts: the proposed saved project, the
// class path from the environment, picked entries, the library name, the
// output folder and its creation, the specification file's name and the
// profile values saved with it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "C2jPageRules.h"
#include "OutputFolderRules.h"
#include "TempFolder.h"

namespace {

std::string LibraryNameMessage(const char* name) {
    CString text = name, message;
    return CheckLibraryName(text, message) ? "ok:" + text.str() : message.str();
}

std::string SpecificationPathMessage(const char* path) {
    CString message;
    return CheckSpecificationPath(path, message) ? "ok" : message.str();
}

}  // namespace

TEST(C2jPageRules, TheLoadPageProposesTheLastSavedFileOnlyWhenBothValuesArePresent) {
    EXPECT_EQ(SavedSpecificationPath("C:\\work", "calc.c2j").str(), "C:\\work\\calc.c2j");
    EXPECT_EQ(SavedSpecificationPath("C:\\work\\", "calc.c2j").str(), "C:\\work\\calc.c2j");
    EXPECT_EQ(SavedSpecificationPath("", "calc.c2j").str(), "");
    EXPECT_EQ(SavedSpecificationPath("C:\\work", "").str(), "");
}

TEST(C2jPageRules, TheEnvironmentClassPathLosesEveryProductJarAndKeepsTheOrderOfTheRest) {
    EXPECT_EQ(ClassPathWithoutProductJar("C:\\b\\brivel18.jar;C:\\lib\\a.jar;D:\\x\\BRIVEL18.JAR;.;C:\\z.jar").str(),
              "C:\\lib\\a.jar;.;C:\\z.jar");
    EXPECT_EQ(ClassPathWithoutProductJar("brivel18.jar").str(), "");
    // Only the file name counts: a folder named so, or a longer name, stays.
    EXPECT_EQ(ClassPathWithoutProductJar("C:\\brivel18.jar\\x.jar;C:\\mybrivel18.jar;lib/brivel18.jar").str(),
              "C:\\brivel18.jar\\x.jar;C:\\mybrivel18.jar");
    EXPECT_EQ(ClassPathWithoutProductJar("").str(), "");
}

TEST(C2jPageRules, PickedEntriesJoinTheClassPathWithOneSeparator) {
    CString text;
    AppendClassPathEntry(text, "C:\\a.jar");
    EXPECT_EQ(text.str(), "C:\\a.jar");
    AppendClassPathEntry(text, "C:\\classes");
    EXPECT_EQ(text.str(), "C:\\a.jar;C:\\classes");
    text += ";";
    AppendClassPathEntry(text, "C:\\b.jar");
    EXPECT_EQ(text.str(), "C:\\a.jar;C:\\classes;C:\\b.jar");
}

TEST(C2jPageRules, TheLibraryNameStartsWithALetterAndHoldsOnlyLettersDigitsAndUnderscores) {
    EXPECT_EQ(LibraryNameMessage("  Calc_2 "), "ok:Calc_2");
    EXPECT_EQ(LibraryNameMessage("   "), "Please specify Library Name");
    for (const char* bad : {"2Calc", "_Calc", "Calc-2", "Calc 2", "Cälc"})
        EXPECT_EQ(LibraryNameMessage(bad), "Name must consist of alphanumeric characters, starting with a letter")
            << bad;
}


TEST(C2jPageRules, TheSpecificationFileMustEndWithItsExtension) {
    EXPECT_EQ(SpecificationPathMessage("a.c2j"), "ok");
    EXPECT_EQ(SpecificationPathMessage("C:\\Work\\CALC.C2J"), "ok");
    EXPECT_EQ(SpecificationPathMessage(""), "Please specify a file");
    EXPECT_EQ(SpecificationPathMessage(".c2j"), "Extension must be .c2j");
    EXPECT_EQ(SpecificationPathMessage("calc.c2"), "Extension must be .c2j");
    EXPECT_EQ(SpecificationPathMessage("calc.c2j.txt"), "Extension must be .c2j");
}

TEST(C2jPageRules, TheSavePageProposesTheLibraryNameInTheOutputFolder) {
    EXPECT_EQ(ProposedSpecificationPath("C:\\out", "Calc").str(), "C:\\out\\Calc.c2j");
    EXPECT_EQ(ProposedSpecificationPath("C:\\out\\", "").str(), "C:\\out\\input.c2j");
}

TEST(C2jPageRules, ASavedPathIsRememberedAsFolderAndFileName) {
    CString dir, file;
    SplitSpecificationPath("C:\\Work\\Calc\\calc.c2j", dir, file);
    EXPECT_EQ(dir.str(), "C:\\Work\\Calc\\");
    EXPECT_EQ(file.str(), "calc.c2j");
    EXPECT_EQ(SavedSpecificationPath(dir, file).str(), "C:\\Work\\Calc\\calc.c2j");
    SplitSpecificationPath("D:calc.c2j", dir, file);
    EXPECT_EQ(dir.str(), "D:");
    EXPECT_EQ(file.str(), "calc.c2j");
}

TEST(C2jPageRules, TheTutorialIsRecognisedByTheEndOfTheClassPath) {
    EXPECT_TRUE(IsTutorialClassPath("C:\\Brivel\\sample\\CallingJavaTut.jar"));
    EXPECT_TRUE(IsTutorialClassPath("C:\\lib\\a.jar;C:\\Brivel\\SAMPLE\\callingjavatut.JAR"));
    EXPECT_FALSE(IsTutorialClassPath("\\sample\\CallingJavaTut.jar"));  // not longer than the name
    EXPECT_FALSE(IsTutorialClassPath("C:\\Brivel\\sample\\CallingJavaTut.jar;C:\\a.jar"));
}

namespace {

// Answers questions as told and keeps everything that was said.
class RecordingUser : public IFolderPrompts {
public:
    bool AskQuestion(const char* question) override {
        said.push_back("? " + std::string(question));
        return answer;
    }
    void ShowError(const char* message) override { said.push_back("! " + std::string(message)); }

    bool answer = true;
    std::vector<std::string> said;
};

#ifdef _WIN32
const char kSeparator = '\\';
#else
const char kSeparator = '/';
#endif

class OutputFolder : public brivel::testing::TempFolderTest {
protected:
    std::string Path(const std::string& relative) const {
        std::string path = folder_.string();
        for (char c : relative) path += c == '/' ? kSeparator : c;
        return path;
    }
    std::string Inside(const std::string& relative) const { return Path(std::string(1, '/') + relative); }

    RecordingUser user;
};

}  // namespace

TEST_F(OutputFolder, AnExistingFolderPassesAndAFileIsNotAFolder) {
    EXPECT_TRUE(CheckFolder(folder_.string().c_str(), true, user));
    brivel::testing::WriteFileBytes(Inside("file"), "x");
    EXPECT_FALSE(CheckFolder(Inside("file").c_str(), true, user));
    EXPECT_EQ(user.said, (std::vector<std::string>{"! " + Inside("file") + ": is not a directory!"}));
}

TEST_F(OutputFolder, AMissingFolderIsCreatedWithItsParentsAfterOneQuestion) {
    const std::string deep = Inside("a/b/c");
    user.answer = false;
    EXPECT_FALSE(CheckFolder(deep.c_str(), true, user));
    EXPECT_FALSE(std::filesystem::exists(Inside("a")));
    user.said.clear();
    user.answer = true;
    EXPECT_TRUE(CheckFolder(deep.c_str(), true, user));
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    EXPECT_EQ(user.said, (std::vector<std::string>{"? " + deep + " does not exist, create?"}));
}

TEST_F(OutputFolder, AFolderThatCannotBeMadeIsReportedAtTheFirstFailure) {
    brivel::testing::WriteFileBytes(Inside("file"), "x");
    EXPECT_FALSE(CheckFolder(Inside("file/sub/out").c_str(), true, user));
    EXPECT_EQ(user.said, (std::vector<std::string>{"? " + Inside("file/sub/out") + " does not exist, create?",
                                                   "! " + Inside("file") + ": is not a directory!"}));
}
