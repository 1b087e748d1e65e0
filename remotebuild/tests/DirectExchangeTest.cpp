// Builds straight to the build service's port 80, with the stand-in bound
// to 127.0.0.1:80 (the tests run as root; one program at a time holds it).
#include "ExchangeFixture.h"

using namespace brivel::remotebuild;
using namespace brivel::remotebuild::testing;
using brivel::buildservice::BuildServiceStandIn;
using brivel::buildservice::ScriptedReply;

namespace {

class DirectExchangeTest : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        ASSERT_TRUE(service_.Start(80)) << "the HTTP port of 127.0.0.1 stayed in use";
        service_.SetReply(ScriptedReply::Ok().Dll("MZ direct"));
    }

    BuildJob Job(BuildKind kind, const std::string& file) {
        BuildJob job;
        job.kind = kind;
        job.inputPath = Path("input");
        brivel::testing::WriteFileBytes(job.inputPath, file);
        job.libraryName = kind == BuildKind::CppFile ? "JDirect" : "";
        job.buildHost = "127.0.0.1";
        // Credentials kept for a proxy that is not in use are not sent.
        job.proxy.host = "proxy.example.test";
        job.proxy.userName = "Aladdin";
        job.proxy.password = "open sesame";
        job.proxy.useCredentials = true;
        return job;
    }

    std::string RunAndTakeRequest(const BuildJob& job) {
        CBuildExchange exchange(owner_);
        BuildResult result = exchange.RunBuild(job);
        EXPECT_TRUE(result.dllSaved);
        EXPECT_EQ(owner_.savedBytes, "MZ direct");
        EXPECT_TRUE(service_.WaitForReplies(1, std::chrono::seconds(10)));
        return service_.Requests().at(0).raw;
    }

    BuildServiceStandIn service_;
    RecordingOwner owner_;
};

}  // namespace

TEST_F(DirectExchangeTest, CppRequestGoesToPort80WithThePathAsItsTarget) {
    EXPECT_EQ(RunAndTakeRequest(Job(BuildKind::CppFile, "int x;")),
              "POST /brvProBuildServlet HTTP/1.0\r\nContent-Length: 23\r\n\r\n" +
                  Bytes("\x07\x00JDirect\x06\x00\x00\x00\x01\x00\x00\x00") + "int x;");
    EXPECT_EQ(owner_.Statuses().at(1), "Connected to 127.0.0.1");
}

TEST_F(DirectExchangeTest, SpecificationRequestGoesToPort80WithTheProgramVersion) {
    EXPECT_EQ(RunAndTakeRequest(Job(BuildKind::Specification, "AXOV.")),
              "POST /brvBuildC2jServlet?brvver=188 HTTP/1.0\r\nContent-Length: 5\r\n\r\nAXOV.");
}

TEST_F(DirectExchangeTest, TheTutorialProjectUsesItsOwnServlet) {
    BuildJob job = Job(BuildKind::Specification, "AXOV");
    job.tutorial = true;
    EXPECT_EQ(RunAndTakeRequest(job), "POST /brvBuildC2jTutServlet?brvver=188 HTTP/1.0\r\nContent-Length: 4\r\n\r\nAXOV");
}

TEST_F(DirectExchangeTest, TheBuildHostIsResolvedByName) {
    BuildJob job = Job(BuildKind::Specification, "AXOV");
    job.buildHost = "localhost";
    RunAndTakeRequest(job);
    std::vector<std::string> statuses = owner_.Statuses();
    EXPECT_EQ(statuses.at(0), "Connecting to localhost");
    EXPECT_EQ(statuses.at(1), "Connected to localhost");
}
