// The custom authorization class test: its command and what its run means.
#include "AuthClassCheck.h"

#include <gtest/gtest.h>

using namespace brivel::serverhost;

namespace {
AuthCheckRun Ended(unsigned long exitCode, const char* firstLine) {
    AuthCheckRun run;
    run.ended = true;
    run.exitCode = exitCode;
    run.outputReadable = true;
    run.firstLine = firstLine;
    return run;
}
}  // namespace

TEST(AuthClassCheck, TheClassNameReachesTheCheckerAsOneQuotedArgument) {
    EXPECT_EQ(AuthCheckArguments("com.example.Auth"), "brivel.server.CheckValidAuthClass \"com.example.Auth\"");
    EXPECT_EQ(AuthCheckArguments("com.example.Auth extra \"words\""),
              "brivel.server.CheckValidAuthClass \"com.example.Auth extra \\\"words\\\"\"");
}

TEST(AuthClassCheck, ZeroRefusesWithTheRestOfTheLineAndAnyOtherAnswerAccepts) {
    AuthCheckVerdict refused = JudgeAuthCheck(Ended(0, "0Class does not implement brivel.TavoAuth"));
    EXPECT_FALSE(refused.accepted);
    EXPECT_EQ(refused.message, "Class does not implement brivel.TavoAuth");
    EXPECT_TRUE(JudgeAuthCheck(Ended(0, "1")).accepted);
    EXPECT_TRUE(JudgeAuthCheck(Ended(0, "OK")).accepted);
    EXPECT_EQ(JudgeAuthCheck(Ended(3, "0refused, then failed")).message, "refused, then failed");
}

TEST(AuthClassCheck, ATimeOutAFailedRunOrNoAnswerRefuses) {
    AuthCheckRun hung = Ended(0, "");
    hung.ended = false;
    EXPECT_FALSE(JudgeAuthCheck(hung).accepted);
    EXPECT_EQ(JudgeAuthCheck(hung).message,
              "Custom authorization class check failed, the check did not end within 30 seconds");

    AuthCheckVerdict crashed = JudgeAuthCheck(Ended(1, "Exception in thread \"main\" java.lang.NoClassDefFoundError"));
    EXPECT_FALSE(crashed.accepted);
    EXPECT_EQ(crashed.message, "Custom authorization class check failed, the check ended with exit code 1: "
                               "Exception in thread \"main\" java.lang.NoClassDefFoundError");
    AuthCheckRun failed = Ended(1, "");
    failed.errorOutput = "Picked up JAVA_TOOL_OPTIONS: -Dx=y\r\nException in thread \"main\" java.lang.Error\r\n\tat x\r\n";
    EXPECT_EQ(JudgeAuthCheck(failed).message, "Custom authorization class check failed, the check ended with exit code 1: "
                                              "Exception in thread \"main\" java.lang.Error");
    EXPECT_EQ(JudgeAuthCheck(Ended(0xC0000005, "")).message,
              "Custom authorization class check failed, the check ended with exit code 3221225477");

    EXPECT_FALSE(JudgeAuthCheck(Ended(0, "")).accepted);
    EXPECT_EQ(JudgeAuthCheck(Ended(0, "")).message, "Custom authorization class check failed, the check gave no answer");

    AuthCheckRun unreadable = Ended(0, "");
    unreadable.outputReadable = false;
    EXPECT_EQ(JudgeAuthCheck(unreadable).message,
              "Custom authorization class check failed, unable to create resource");
}
