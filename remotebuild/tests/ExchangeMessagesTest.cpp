// Every message and status text of the exchange under Wine, per kind where
// the two owners differ, and what each failure leaves behind.
#include "ExchangeFixture.h"

#include <windows.h>

#include <set>
#include <thread>

#include "TemporaryDllFile.h"

using namespace brivel::remotebuild;
using namespace brivel::remotebuild::testing;
using brivel::buildservice::DllAnnouncement;
using brivel::buildservice::DllRecord;
using brivel::buildservice::ScriptedReply;

namespace {

const char kLongLostText[] =
    "Connection has been lost.  Sometimes Proxy Servers or Firewalls cause problems with the automatic build "
    "process.  If connection problems persist, please cancel the build and look in your README.HTML file for a link "
    "for building manually via the browser.";

}  // namespace

TEST_F(ExchangeTest, AFileThatCannotBeReadIsReportedBeforeAnyConnection) {
    for (BuildKind kind : {BuildKind::CppFile, BuildKind::Specification}) {
        RecordingOwner owner;
        CBuildExchange exchange(owner);
        BuildJob job = CppJob("J", "x");
        job.kind = kind;
        job.inputPath = Path("missing.cpp");
        BuildResult result = exchange.RunBuild(job);
        EXPECT_TRUE(result.failed);
        EXPECT_FALSE(result.endStepsRun);
        EXPECT_EQ(owner.Boxes(), Box("Cannot read file " + job.inputPath));
        EXPECT_EQ(owner.Statuses(), std::vector<std::string>{"Cannot read file " + job.inputPath});
    }
    EXPECT_TRUE(service_.Requests().empty());
}

TEST_F(ExchangeTest, AHostThatCannotBeFoundIsNamed) {
    // A label longer than 63 letters: no name server is ever asked for it.
    const std::string host = std::string(70, 'n') + ".invalid";
    BuildJob job = CppJob("J", "x");
    job.proxy.host = host;
    BuildResult result = Run(job);
    EXPECT_FALSE(result.endStepsRun);
    EXPECT_EQ(owner_.Boxes(), Box("Could not find host " + host));
    EXPECT_EQ(owner_.Statuses(), (std::vector<std::string>{"Connecting to " + host, "Could not find host " + host}));
}

TEST_F(ExchangeTest, AFailedConnectIsAMessageForTheCppKindAndAnAdviceForTheSpecificationKind) {
    const int port = UnusedPort();
    BuildJob job = CppJob("J", "x");
    job.proxy.port = port;
    BuildResult result = Run(job);
    EXPECT_TRUE(result.failed);
    EXPECT_FALSE(result.endStepsRun);
    EXPECT_EQ(owner_.Boxes(), Box("Could not connect to 127.0.0.1"));
    EXPECT_EQ(owner_.Statuses().back(), "Could not connect to 127.0.0.1");

    RecordingOwner owner;
    CBuildExchange exchange(owner);
    job = SpecificationJob("AXOV", false);
    job.proxy.port = port;
    exchange.RunBuild(job);
    EXPECT_EQ(owner.Statuses().back(), "Could not connect to 127.0.0.1");
    EXPECT_EQ(owner.Boxes(),
              Box("Could not connect to 127.0.0.1.  If connection problems persist, cancel the build and look in the "
                  "generated README.HTML file for a URL link for building via the browser."));
}

TEST_F(ExchangeTest, AReplyThatEndsBeforeItsRecordsIsALostConnectionPerKind) {
    const ScriptedReply replies[] = {
        ScriptedReply::Empty(),                                    // closed before any byte
        ScriptedReply::Ok(),                                       // a header and nothing else
        ScriptedReply::Ok().Estimate(0).Bytes(Bytes("\x07\x00")),  // cut inside a record
        ScriptedReply::Ok().Bytes(std::string(9000, '\x04')).EndWithReset(),
    };
    for (const ScriptedReply& reply : replies) {
        for (BuildKind kind : {BuildKind::CppFile, BuildKind::Specification}) {
            service_.QueueReply(reply);
            RecordingOwner owner;
            CBuildExchange exchange(owner);
            BuildResult result =
                exchange.RunBuild(kind == BuildKind::CppFile ? CppJob("J", "x") : SpecificationJob("AXOV", false));
            const std::string text =
                kind == BuildKind::CppFile ? "Internet connection lost (possible proxy problems?)" : kLongLostText;
            EXPECT_EQ(owner.Boxes(), Box(text)) << reply.AllBytes().size() << " bytes";
            EXPECT_TRUE(result.failed);
            EXPECT_FALSE(result.endStepsRun) << "the build returns at once";
            EXPECT_EQ(owner.hideProgressCalls, 0);
        }
    }
}

TEST_F(ExchangeTest, AShortDownloadIsALostConnectionAndLeavesNoTemporaryFile) {
    for (BuildKind kind : {BuildKind::CppFile, BuildKind::Specification}) {
        service_.QueueReply(ScriptedReply::Ok().Bytes(DllAnnouncement(100) + "ten bytes!").Pause(50).Bytes("more"));
        RecordingOwner owner;
        CBuildExchange exchange(owner);
        BuildResult result =
            exchange.RunBuild(kind == BuildKind::CppFile ? CppJob("J", "x") : SpecificationJob("AXOV", false));
        EXPECT_EQ(owner.Boxes(), Box(kind == BuildKind::CppFile ? "Connection lost" : kLongLostText));
        EXPECT_TRUE(result.failed);
        EXPECT_FALSE(result.dllSaved);
        EXPECT_TRUE(result.endStepsRun);
        EXPECT_EQ(owner.hideProgressCalls, 1);
        EXPECT_TRUE(owner.SawStatus("Downloaded 14 of 100 bytes"));
        EXPECT_EQ(owner.savedFrom, "");
        EXPECT_TRUE(temporaryFiles_->Files().empty());
    }
}

TEST_F(ExchangeTest, AnUploadCutOffIsALostConnectionPerKind) {
    for (BuildKind kind : {BuildKind::CppFile, BuildKind::Specification}) {
        service_.QueueReply(ScriptedReply::CutOffUpload());
        RecordingOwner owner;
        CBuildExchange exchange(owner);
        const std::string big(8 * 1024 * 1024, 'b');
        BuildResult result =
            exchange.RunBuild(kind == BuildKind::CppFile ? CppJob("J", big) : SpecificationJob(big, false));
        EXPECT_EQ(owner.Boxes(), Box(kind == BuildKind::CppFile ? "Connection lost" : kLongLostText));
        EXPECT_TRUE(result.failed);
        EXPECT_FALSE(result.endStepsRun);
        EXPECT_FALSE(owner.SawStatus("File uploaded, waiting for build"));
    }
}

TEST_F(ExchangeTest, ARedirectOpensTheBrowserAndIsNoBuiltDll) {
    const std::string record = Path("browser.txt");
    SetEnvironmentVariableA("BRIVEL_BROWSER_RECORD", record.c_str());
    owner_.browserPath = BrowserStandInPath();
    service_.SetReply(ScriptedReply::Ok().Redirect("http://build.example.test/result?id=42"));

    BuildResult result = Run(CppJob("J", "x"));

    EXPECT_FALSE(result.failed);
    EXPECT_FALSE(result.dllSaved);
    EXPECT_TRUE(result.endStepsRun);
    EXPECT_TRUE(owner_.Boxes().empty());
    EXPECT_EQ(owner_.Statuses().back(), "File built, redirecting");
    std::string commandLine = WaitForFile(record);
    EXPECT_NE(commandLine.find(" http://build.example.test/result?id=42"), std::string::npos) << commandLine;
    SetEnvironmentVariableA("BRIVEL_BROWSER_RECORD", nullptr);
}

// The redirect's address comes over plain HTTP: anything but a web address
// (a program, a file, browser switches, a quote that ends the argument)
// never reaches the browser's command line.
TEST_F(ExchangeTest, ARedirectToAnythingButAWebAddressStartsNoBrowser) {
    const std::string record = Path("browser.txt");
    SetEnvironmentVariableA("BRIVEL_BROWSER_RECORD", record.c_str());
    owner_.browserPath = BrowserStandInPath();
    for (const std::string url : {"http://build.example.test/r\"  --renderer-cmd-prefix=calc.exe \"",
                                  "--renderer-cmd-prefix=calc.exe", "C:\\windows\\system32\\calc.exe",
                                  "file:///C:/windows/win.ini", "http://build.example.test/a b", "javascript:x"}) {
        service_.QueueReply(ScriptedReply::Ok().Redirect(url));
        RecordingOwner owner;
        owner.browserPath = owner_.browserPath;
        CBuildExchange exchange(owner);
        BuildResult result = exchange.RunBuild(CppJob("J", "x"));
        EXPECT_TRUE(result.failed) << url;
        EXPECT_TRUE(result.endStepsRun) << url;
        EXPECT_EQ(owner.Boxes(), Box("Attempting to redirect: Failed to launch browser")) << url;
    }
    Sleep(500);
    EXPECT_EQ(brivel::testing::ReadFileBytes(record), "") << "no browser started";
    SetEnvironmentVariableA("BRIVEL_BROWSER_RECORD", nullptr);
}

TEST_F(ExchangeTest, ABrowserThatDoesNotStartIsReported) {
    owner_.browserPath = Path("no-such-browser.exe");
    service_.SetReply(ScriptedReply::Ok().Redirect("http://build.example.test/r"));
    BuildResult result = Run(CppJob("J", "x"));
    EXPECT_TRUE(result.failed);
    EXPECT_TRUE(result.endStepsRun);
    EXPECT_EQ(owner_.Boxes(), Box("Attempting to redirect: Failed to launch browser"));
}

TEST_F(ExchangeTest, AMessageRecordIsShownWithItsOwnCaptionWhateverItsLength) {
    const std::string text = "Build failed:\n" + std::string(2000, 't'), caption = std::string(1000, 'c');
    service_.SetReply(ScriptedReply::Ok().Estimate(0).Message(text, caption));
    BuildResult result = Run(CppJob("J", "x"));
    EXPECT_TRUE(result.failed);
    EXPECT_FALSE(result.dllSaved);
    EXPECT_TRUE(result.endStepsRun);
    EXPECT_EQ(owner_.Boxes(), (std::vector<ShownBox>{{text, caption}}));
    EXPECT_EQ(owner_.Statuses().back(), text);
}

TEST_F(ExchangeTest, ADllOfNoBytesIsReportedAndNotBuilt) {
    service_.SetReply(ScriptedReply::Ok().Bytes(DllAnnouncement(0)));
    BuildResult result = Run(CppJob("J", "x"));
    EXPECT_TRUE(result.failed);
    EXPECT_FALSE(result.dllSaved);
    EXPECT_EQ(owner_.Boxes(), Box("The build service returned an empty DLL"));
    EXPECT_EQ(owner_.savedFrom, "");
}

TEST_F(ExchangeTest, AnErrorStatusIsReportedOnlyWhenTheReplyHoldsNoRecord) {
    service_.RequireProxyCredentials("Aladdin", "open sesame");
    BuildJob job = CppJob("J", "x");
    BuildResult result = Run(job);
    EXPECT_TRUE(result.failed);
    EXPECT_FALSE(result.endStepsRun) << "the owner stays open to change the proxy settings";
    EXPECT_EQ(owner_.Boxes(), Box("The build request failed: HTTP/1.0 407 Proxy Authentication Required"));

    // The service explains its failure itself: its own message is shown.
    RecordingOwner explained;
    CBuildExchange withMessage(explained);
    service_.QueueReply(ScriptedReply::WithStatus("HTTP/1.0 500 Internal Server Error")
                            .Message("The class Calc has no public constructor", "Build Service"));
    job.proxy.useCredentials = true;
    job.proxy.userName = "Aladdin";
    job.proxy.password = "open sesame";
    result = withMessage.RunBuild(job);
    EXPECT_TRUE(result.failed);
    EXPECT_TRUE(result.endStepsRun);
    EXPECT_EQ(explained.Boxes(), (std::vector<ShownBox>{{"The class Calc has no public constructor", "Build Service"}}));

    RecordingOwner owner;
    CBuildExchange exchange(owner);
    service_.SetReply(ScriptedReply::Ok().Dll("MZ"));
    job.proxy.useCredentials = true;
    job.proxy.userName = "Aladdin";
    job.proxy.password = "open sesame";
    EXPECT_TRUE(exchange.RunBuild(job).dllSaved);
}

TEST_F(ExchangeTest, AHeaderThatNeverEndsIsReportedAsSuch) {
    service_.SetReply(ScriptedReply::Empty().Bytes("HTTP/1.0 200 OK\nContent-Type: x\n\n" + DllRecord("MZ")));
    BuildResult result = Run(CppJob("J", "x"));
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(owner_.Boxes(), Box("The build service's answer ended inside its HTTP header"));
}

TEST_F(ExchangeTest, ATemporaryFileThatCannotBeMadeIsReported) {
    ScopedTemporaryFolder missing(Path("missing"));
    service_.SetReply(ScriptedReply::Ok().Dll("MZ"));
    BuildResult result = Run(CppJob("J", "x"));
    EXPECT_TRUE(result.failed);
    EXPECT_FALSE(result.dllSaved);
    EXPECT_TRUE(result.endStepsRun);
    EXPECT_EQ(owner_.Boxes(), Box("Could not create a temporary file in " + Path("missing") + "\\"));
}

TEST_F(ExchangeTest, ADllTheOwnerCouldNotSaveLeavesNoTemporaryFile) {
    owner_.saveSucceeds = false;
    service_.SetReply(ScriptedReply::Ok().Dll("MZ"));
    BuildResult result = Run(SpecificationJob("AXOV", false));
    EXPECT_TRUE(result.failed);
    EXPECT_FALSE(result.dllSaved);
    EXPECT_EQ(owner_.savedBytes, "MZ");
    EXPECT_TRUE(temporaryFiles_->Files().empty());
}

TEST_F(ExchangeTest, FillerBytesAcrossManyBlocksAreSkipped) {
    service_.SetReply(ScriptedReply::Ok()
                          .Bytes(std::string(5000, '\x04'))
                          .Pause(20)
                          .Bytes(Bytes("\x00\x01\x02\x08\x09\xFE\xFF"))
                          .Pause(20)
                          .Dll("MZ"));
    EXPECT_TRUE(Run(CppJob("J", "x")).dllSaved);
    EXPECT_EQ(owner_.savedBytes, "MZ");
}

namespace {

// A folder on the drive D:, which lies on another file system than the
// temporary folder (scripts/test maps it in the Wine prefix): a move from
// one to the other cannot be a rename.
class DllOnAnotherDrive : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        if (GetDriveTypeA("D:\\") == DRIVE_NO_ROOT_DIR) GTEST_SKIP() << "no second drive D:";
        other_ = "D:\\brivel-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
        ASSERT_TRUE(CreateDirectoryA(other_.c_str(), nullptr)) << other_;
    }
    void TearDown() override {
        std::error_code ignored;
        if (!other_.empty()) std::filesystem::remove_all(other_, ignored);
        TempFolderTest::TearDown();
    }

    std::vector<std::string> FilesThere() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(other_))
            names.push_back(entry.path().filename().string());
        return names;
    }

    std::string other_;
};

}  // namespace

// A copy onto the old DLL would leave it cut short if the copy failed
// midway: the target is only ever the old DLL or the whole new one.
TEST_F(DllOnAnotherDrive, AnOldDllIsReplacedInOneStepFromAnotherDrive) {
    const std::string target = other_ + "\\JCalc.dll", temporary = Path("brv1.tmp");
    const std::string old(100, 'o'), dll = FileBytes(24 * 1024 * 1024, 7);
    brivel::testing::WriteFileBytes(target, old);
    brivel::testing::WriteFileBytes(temporary, dll);

    std::set<unsigned long long> sizes;  // the target's sizes as another thread sees them all along
    std::atomic<bool> stop{false};
    std::thread watcher([&] {
        while (!stop) {
            WIN32_FILE_ATTRIBUTE_DATA data;
            if (GetFileAttributesExA(target.c_str(), GetFileExInfoStandard, &data))
                sizes.insert((static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
            else
                sizes.insert(~0ull);  // no file there
        }
    });
    bool moved = MoveDownloadedDll(temporary, target);
    stop = true;
    watcher.join();

    EXPECT_TRUE(moved) << GetLastError();
    EXPECT_EQ(brivel::testing::ReadFileBytes(target), dll);
    EXPECT_EQ(sizes, (std::set<unsigned long long>{old.size(), dll.size()}));
    EXPECT_EQ(GetFileAttributesA(temporary.c_str()), INVALID_FILE_ATTRIBUTES) << "the download is gone";
    EXPECT_EQ(FilesThere(), std::vector<std::string>{"JCalc.dll"}) << "nothing left beside it";
}

TEST_F(DllOnAnotherDrive, AnOldDllInUseStaysWholeAndNothingIsLeftBesideIt) {
    const std::string target = other_ + "\\JCalc.dll", temporary = Path("brv1.tmp");
    brivel::testing::WriteFileBytes(target, "the old DLL");
    brivel::testing::WriteFileBytes(temporary, FileBytes(100000, 8));
    HANDLE held = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(MoveDownloadedDll(temporary, target));
    CloseHandle(held);
    EXPECT_EQ(brivel::testing::ReadFileBytes(target), "the old DLL");
    EXPECT_EQ(FilesThere(), std::vector<std::string>{"JCalc.dll"});
    EXPECT_NE(GetFileAttributesA(temporary.c_str()), INVALID_FILE_ATTRIBUTES) << "the caller deletes the download";
}
