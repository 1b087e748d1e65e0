// The Java server launcher under Wine, with java.exe (the tests' stand-in)
// found by the shell in a server folder of the test's own.
#include "JavaServerLauncher.h"

#include <gtest/gtest.h>

#include <string>

#include "RecordingMessages.h"
#include "ServerFolder.h"

using namespace brivel::serverhost;
using brivel::serverhost::testing::RecordingMessages;
using brivel::serverhost::testing::SearchPathFirst;
using brivel::serverhost::testing::ServerFolder;

namespace {
class Launcher : public ::testing::Test {
protected:
    void SetUp() override { SetEnvironmentVariableA("CLASSPATH", nullptr); }
    void TearDown() override { SetEnvironmentVariableA("CLASSPATH", nullptr); }

    // Runs the class to its end; false when it did not start.
    bool Run(const std::string& classAndArguments, const char* log) {
        HANDLE process = nullptr;
        if (!launcher_.Launch(messages_, classAndArguments, log, "Running Brivel Server", process)) return false;
        EXPECT_EQ(WaitForSingleObject(process, 20000), static_cast<DWORD>(WAIT_OBJECT_0));
        CloseHandle(process);
        return true;
    }

    ServerFolder server_;
    SearchPathFirst path_{server_.Folder()};
    CJavaServerLauncher launcher_{server_.Folder()};
    RecordingMessages messages_;
};
}  // namespace

TEST_F(Launcher, JavaRunsHiddenInTheServerFolderWithTheArchiveOnTheClassPathAndItsOutputInTheLog) {
    std::string log = launcher_.LogPath();
    ASSERT_TRUE(Run("brivel.test.Print first words", log.c_str())) << messages_.Texts();
    EXPECT_EQ(server_.Read("java-standin.record"),
              "\"" + server_.Path("java.exe") + "\" -classpath \"" + server_.Path("BrivelServer.jar") +
                  "\" brivel.test.Print first words\n");
    std::string output = server_.Read("BrvServer.log");
    EXPECT_NE(output.find("java stand-in ran first words"), std::string::npos) << output;
    EXPECT_NE(output.find("in " + server_.Folder()), std::string::npos) << output;
    EXPECT_NE(output.find("on standard error"), std::string::npos) << output;
    EXPECT_TRUE(messages_.messages.empty());
}

TEST_F(Launcher, TheEnvironmentsClassPathFollowsTheArchive) {
    SetEnvironmentVariableA("CLASSPATH", "C:\\lib\\extra.jar;C:\\classes\\");
    ASSERT_TRUE(Run("brivel.test.Print", nullptr));
    EXPECT_EQ(server_.Read("java-standin.record"),
              "\"" + server_.Path("java.exe") + "\" -classpath \"" + server_.Path("BrivelServer.jar") +
                  ";C:\\lib\\extra.jar;C:\\classes\\\\\" brivel.test.Print\n");
}

TEST_F(Launcher, RotationKeepsThePreviousRunsLogAsTheBackup) {
    std::string log = launcher_.LogPath();
    launcher_.RotateLog();  // nothing to rotate yet
    ASSERT_TRUE(Run("brivel.test.Print first", log.c_str()));
    launcher_.RotateLog();
    ASSERT_TRUE(Run("brivel.test.Print second", log.c_str()));
    EXPECT_NE(server_.Read("BrvServer.log").find("ran second"), std::string::npos);
    EXPECT_NE(server_.Read("BrvServer_Log.bak").find("ran first"), std::string::npos);
    launcher_.RotateLog();
    EXPECT_FALSE(server_.Exists("BrvServer.log"));
    EXPECT_NE(server_.Read("BrvServer_Log.bak").find("ran second"), std::string::npos);
}

TEST_F(Launcher, AMissingArchiveStopsTheLaunchBeforeAnyLogIsMade) {
    server_.Remove("BrivelServer.jar");
    std::string log = launcher_.LogPath();
    EXPECT_FALSE(Run("brivel.test.Print", log.c_str()));
    EXPECT_EQ(messages_.Texts(), "Running Brivel Server: " + server_.Path("BrivelServer.jar") + ": JAR file not found");
    EXPECT_FALSE(server_.Exists("BrvServer.log"));
    EXPECT_FALSE(server_.Exists("java-standin.record"));
}

TEST_F(Launcher, NoJavaOnTheSearchPathIsSaid) {
    server_.Remove("java.exe");
    EXPECT_FALSE(Run("brivel.test.Print", nullptr));
    EXPECT_EQ(messages_.Texts(), "Running Brivel Server: \"java.exe\" not found ");
}

TEST_F(Launcher, ALogThatCannotBeWrittenIsSaid) {
    std::string log = server_.Path("no such folder\\BrvServer.log");
    EXPECT_FALSE(Run("brivel.test.Print", log.c_str()));
    EXPECT_EQ(messages_.Texts(), "Running Brivel Server: Cannot write file " + log);
    EXPECT_FALSE(server_.Exists("java-standin.record"));
}
