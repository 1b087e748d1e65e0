// The custom authorization check with the checker run through the launcher
// (java.exe is the tests' stand-in, which answers by the class name).
#include "CustomAuthCheck.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "RecordingMessages.h"
#include "ServerFolder.h"

using namespace brivel::serverhost;
using brivel::serverhost::testing::RecordingMessages;
using brivel::serverhost::testing::SearchPathFirst;
using brivel::serverhost::testing::ServerFolder;

namespace {
class AuthCheck : public ::testing::Test {
protected:
    bool Check(const std::string& className, unsigned timeoutMs = kAuthCheckTimeoutMs) {
        return CheckCustomAuthClass(messages_, launcher_, className, timeoutMs);
    }
    ServerFolder server_;
    SearchPathFirst path_{server_.Folder()};
    CJavaServerLauncher launcher_{server_.Folder()};
    RecordingMessages messages_;
};
}  // namespace

TEST_F(AuthCheck, AnAcceptedClassPassesAndItsNameReachesTheCheckerWhole) {
    EXPECT_TRUE(Check("com.example.Auth with blanks")) << messages_.Texts();
    EXPECT_TRUE(messages_.messages.empty());
    EXPECT_NE(server_.Read("java-standin.record")
                  .find("brivel.server.CheckValidAuthClass \"com.example.Auth with blanks\""),
              std::string::npos)
        << server_.Read("java-standin.record");
}

TEST_F(AuthCheck, ARefusalShowsTheCheckersReason) {
    EXPECT_FALSE(Check("refused.Auth"));
    EXPECT_EQ(messages_.Texts(), "The class refused.Auth does not implement brivel.TavoAuth");
}

// The VM's own lines on standard error ("Picked up JAVA_TOOL_OPTIONS: ...")
// come before the checker's answer: the answer is read from standard
// output alone.
TEST_F(AuthCheck, TheAnswerIsReadFromStandardOutputAloneWhateverTheVmSaysFirst) {
    SetEnvironmentVariableA("JAVA_TOOL_OPTIONS", "-Dhttps.proxyHost=proxy.example.test");
    bool refused = !Check("refused.Auth");
    bool accepted = Check("com.example.Auth");
    bool crashed = !Check("crashing.Auth");
    SetEnvironmentVariableA("JAVA_TOOL_OPTIONS", nullptr);
    EXPECT_TRUE(refused);
    EXPECT_TRUE(accepted);
    EXPECT_TRUE(crashed);
    ASSERT_EQ(messages_.messages.size(), 2u) << messages_.Texts();
    EXPECT_EQ(messages_.messages[0].text, "The class refused.Auth does not implement brivel.TavoAuth");
    EXPECT_EQ(messages_.messages[1].text,
              "Custom authorization class check failed, the check ended with exit code 1: Exception in thread "
              "\"main\" java.lang.NoClassDefFoundError: crashing.Auth");
}

TEST_F(AuthCheck, NoAnswerAFailedCheckerOrOneThatHangsRefuse) {
    EXPECT_FALSE(Check("silent.Auth"));
    EXPECT_FALSE(Check("crashing.Auth"));
    EXPECT_FALSE(Check("hanging.Auth", 1000));
    ASSERT_EQ(messages_.messages.size(), 3u);
    EXPECT_EQ(messages_.messages[0].text, "Custom authorization class check failed, the check gave no answer");
    EXPECT_EQ(messages_.messages[1].text,
              "Custom authorization class check failed, the check ended with exit code 1: Exception in thread "
              "\"main\" java.lang.NoClassDefFoundError: crashing.Auth");
    EXPECT_EQ(messages_.messages[2].text,
              "Custom authorization class check failed, the check did not end within 30 seconds");
}

TEST_F(AuthCheck, ACheckerThatCannotStartStopsTheCheck) {
    server_.Remove("BrivelServer.jar");
    EXPECT_FALSE(Check("com.example.Auth"));
    EXPECT_EQ(messages_.Texts(),
              "Checking Custom Authorization Class: " + server_.Path("BrivelServer.jar") + ": JAR file not found");
}
