// The build page's steps: the texts follow the finished command files in
// order, and the steps are complete only when every offered one finished.
#include <gtest/gtest.h>

#include "BuildSteps.h"

namespace {

const char* kFolder = "C:\\out\\";

std::string Text(const CBuildSteps& steps) { return steps.StepText(kFolder).str(); }

// A step button: started, then its command file ended.
CBuildSteps::Effects RunStep(CBuildSteps& steps, int step) {
    steps.StepStarted(step);
    return steps.StepFinished(step);
}

}  // namespace

TEST(BuildSteps, TheThreeJavaStepsInOrderShowEachNextStepThenCompletion) {
    CBuildSteps steps;
    steps.Reset(false);
    EXPECT_EQ(steps.StepsOffered(), 3);
    EXPECT_EQ(Text(steps), "Step 1) Execute MakeJava.bat file in C:\\out\\");

    CBuildSteps::Effects java = RunStep(steps, 1);
    EXPECT_TRUE(java.enableJarAndJavadocButtons);
    EXPECT_FALSE(java.checkClasspathBox);
    EXPECT_EQ(Text(steps), "Step 2) Execute MakeJar.bat file in C:\\out\\");

    CBuildSteps::Effects jar = RunStep(steps, 2);
    EXPECT_TRUE(jar.checkClasspathBox);
    EXPECT_EQ(Text(steps), "Step 3) Execute MakeJavadoc.bat file in C:\\out\\");

    // Started is not finished: the text waits for the command file.
    steps.StepStarted(3);
    EXPECT_TRUE(steps.AllStarted());
    EXPECT_EQ(Text(steps), "Step 3) Execute MakeJavadoc.bat file in C:\\out\\");
    CBuildSteps::Effects javadoc = steps.StepFinished(3);
    EXPECT_TRUE(javadoc.checkJavadocBox);
    EXPECT_EQ(Text(steps), "Build steps are complete");
}

TEST(BuildSteps, JavadocBeforeTheJarOpensItsBoxButLeavesTheTextAtStepTwo) {
    CBuildSteps steps;
    steps.Reset(false);
    RunStep(steps, 1);
    EXPECT_TRUE(RunStep(steps, 3).checkJavadocBox);
    EXPECT_EQ(steps.CurrentStep(), 2);
    EXPECT_EQ(Text(steps), "Step 2) Execute MakeJar.bat file in C:\\out\\");
    RunStep(steps, 2);
    EXPECT_EQ(Text(steps), "Build steps are complete");
}

TEST(BuildSteps, WithTheDllStepCompletionWaitsForTheDllAndTheButtonCountsOnce) {
    CBuildSteps steps;
    steps.Reset(true);
    EXPECT_EQ(steps.StepsOffered(), 4);
    RunStep(steps, 1);
    RunStep(steps, 2);
    RunStep(steps, 3);
    EXPECT_EQ(Text(steps), "Step 4) Execute MakeDLL.bat file in C:\\out\\");
    EXPECT_FALSE(steps.AllStarted());

    // A build that did not end with a DLL: started, once, but not finished.
    steps.StepStarted(4);
    steps.StepStarted(4);
    EXPECT_EQ(steps.StepsStarted(), 4);
    EXPECT_TRUE(steps.AllStarted());
    EXPECT_EQ(Text(steps), "Step 4) Execute MakeDLL.bat file in C:\\out\\");
    steps.StepFinished(4);
    EXPECT_EQ(Text(steps), "Build steps are complete");
}

TEST(BuildSteps, ADllBuiltFirstDoesNotCompleteTheStepsStillToRun) {
    CBuildSteps steps;
    steps.Reset(true);
    RunStep(steps, 4);
    EXPECT_EQ(Text(steps), "Step 1) Execute MakeJava.bat file in C:\\out\\");
    RunStep(steps, 1);
    EXPECT_EQ(Text(steps), "Step 2) Execute MakeJar.bat file in C:\\out\\");
}

TEST(BuildSteps, EachShowingStartsAgainAndOnlyStepsOneToFourCount) {
    CBuildSteps steps;
    steps.Reset(false);
    RunStep(steps, 1);
    RunStep(steps, 2);
    RunStep(steps, 3);
    CBuildSteps::Effects none = steps.StepFinished(0);
    EXPECT_FALSE(none.enableJarAndJavadocButtons || none.checkClasspathBox || none.checkJavadocBox);
    steps.StepFinished(7);
    steps.Reset(true);
    EXPECT_EQ(steps.CurrentStep(), 1);
    EXPECT_EQ(steps.StepsStarted(), 0);
    EXPECT_FALSE(steps.AllFinished());
    EXPECT_STREQ(CBuildSteps::CommandFile(1), "MakeJava.bat");
    EXPECT_STREQ(CBuildSteps::CommandFile(4), "MakeDLL.bat");
    EXPECT_EQ(CBuildSteps::CommandFile(5), nullptr);
}
