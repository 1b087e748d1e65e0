// One build of the upload control through the platform's HTTP client
// (WinINet under Wine) against the build-service stand-in on
// 127.0.0.1:80: the request byte for byte, each record of the answer, the
// download and the save, and every failure's report. The form is a
// recording one.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

#include "BuildServiceStandIn.h"
#include "LoopbackOnly.h"
#include "RecordingUi.h"
#include "TempFolder.h"
#include "UploadJob.h"

using namespace brivel::uploadctl;
using brivel::buildservice::BuildServiceStandIn;
using brivel::buildservice::DllAnnouncement;
using brivel::buildservice::ReceivedRequest;
using brivel::buildservice::RequestKind;
using brivel::buildservice::ScriptedReply;
using brivel::testing::ReadFileBytes;
using brivel::testing::WriteFileBytes;
using brivel::uploadctl::testing::RecordingUi;

namespace {

constexpr char kComFileBytes[] = "MSFT type library bytes";
constexpr char kBuiltDll[] = "MZ built bridge";

std::string Bytes(const char* bytes, size_t count) { return std::string(bytes, count); }

size_t CountOf(const std::vector<std::string>& texts, const std::string& text) {
    return static_cast<size_t>(std::count(texts.begin(), texts.end(), text));
}

// The temporary files a download leaves behind (GetTempFileName's "brv" ones).
size_t TemporaryDllFiles() {
    char folder[MAX_PATH + 1];
    EXPECT_GT(GetTempPathA(sizeof folder, folder), 0u);
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::string name = entry.path().filename().string();
        if (name.size() > 3 && _strnicmp(name.c_str(), "brv", 3) == 0) ++count;
    }
    return count;
}

class UploadJobTest : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        brivel::uploadctl::testing::KeepTheHttpClientOnLoopback();
        ASSERT_TRUE(service_.Start(80)) << "the HTTP port of 127.0.0.1 stayed in use";
        std::filesystem::create_directories(folder_ / "system");
        std::filesystem::create_directories(folder_ / "windows");
        // A temporary folder of the test's own: tests running meanwhile make
        // and delete "brv" files in the shared one, which made the count of
        // files a download leaves behind change under this test.
        std::filesystem::create_directories(folder_ / "temp");
        SetEnvironmentVariableA("TMP", Path("temp").c_str());
        comFile_ = Path("Control.tlb");
        WriteFileBytes(comFile_, kComFileBytes);
        request_.libraryName = "JLib";
        request_.packageName = "a.b";
        request_.comFileName = comFile_;
        temporaryFilesBefore_ = TemporaryDllFiles();
    }

    // Start and Run, as the form and the upload thread do; false when the
    // start failed (failure_ tells why).
    bool RunBuild() {
        brivel::remotebuild::TickerClock clock = brivel::remotebuild::SystemTickerClock();
        clock.intervalMs = 10;
        CUploadJob job(SaveFolders{Path("system"), Path("windows")}, clock);
        if (!job.Start(request_, comFile_, host_, target_, failure_)) return false;
        job.Run(ui_);
        return true;
    }

    ReceivedRequest TakeRequest() {
        EXPECT_TRUE(service_.WaitForReplies(1, std::chrono::seconds(10)));
        std::vector<ReceivedRequest> requests = service_.Requests();
        return requests.empty() ? ReceivedRequest() : requests.back();
    }

    std::vector<RecordingUi::Message> Messages() const { return ui_.Messages(); }
    RecordingUi::Message OnlyMessage() const {
        auto messages = ui_.Messages();
        EXPECT_EQ(messages.size(), 1u);
        return messages.empty() ? RecordingUi::Message{} : messages.back();
    }

    BuildServiceStandIn service_;
    RecordingUi ui_;
    ComFileRequest request_;
    std::string comFile_;
    std::string host_ = "127.0.0.1";
    std::string target_ = "/brvBuildServlet";
    UploadFailure failure_;
    size_t temporaryFilesBefore_ = 0;
};

}  // namespace

TEST_F(UploadJobTest, TheRequestCarriesTheHeaderAndTheFileByteForByteAndTheDllIsSaved) {
    request_.activeXPart = ";activex=Ax.One,Ax.Two";
    service_.SetReply(ScriptedReply::Ok().Dll(kBuiltDll));
    ASSERT_TRUE(RunBuild()) << failure_.text;

    ReceivedRequest r = TakeRequest();
    EXPECT_EQ(r.method, "POST");
    EXPECT_EQ(r.target, "/brvBuildServlet");
    EXPECT_EQ(r.Header("User-Agent"), "Brivel Uploader");
    EXPECT_EQ(r.Header("Host"), "127.0.0.1");
    EXPECT_EQ(r.Header("Content-Length"), std::to_string(r.body.size()));
    const std::string file = kComFileBytes;
    const std::string field2 = "JLib;pvirt=0;activex=Ax.One,Ax.Two";
    std::string expected = Bytes("\x22\x00", 2) + field2 + Bytes("\x03\x00", 2) + "a.b" +
                           std::string(1, static_cast<char>(comFile_.size())) + Bytes("\x00", 1) + comFile_ +
                           Bytes("\x00\x00\x00\x00", 4) + std::string(1, static_cast<char>(file.size())) +
                           Bytes("\x00\x00\x00", 3) + file;
    EXPECT_EQ(r.body, expected);
    EXPECT_EQ(r.problem, "");
    EXPECT_EQ(r.kind, RequestKind::ComFile);
    EXPECT_EQ(r.comFileName, comFile_);

    const std::string saved = Path("system") + "\\JLib.dll";
    EXPECT_EQ(ReadFileBytes(saved), kBuiltDll);
    RecordingUi::Message message = OnlyMessage();
    EXPECT_EQ(message.text, "DLL saved as " + saved);
    EXPECT_EQ(message.caption, "Build Complete");
    std::vector<std::string> statuses = ui_.Statuses();
    const uint32_t total = static_cast<uint32_t>(expected.size());
    EXPECT_EQ(CountOf(statuses, "Uploaded " + std::to_string(total) + " of " + std::to_string(total) + " bytes"), 1u);
    EXPECT_EQ(CountOf(statuses, "File uploaded, waiting for build"), 1u);
    EXPECT_EQ(CountOf(statuses, "File built, starting download"), 1u);
    EXPECT_EQ(CountOf(statuses, "Downloaded 15 of 15 bytes"), 1u);
    EXPECT_EQ(statuses.back(), "DLL saved as " + saved);
    EXPECT_EQ(ui_.Hides(), 1);
    ASSERT_EQ(ui_.SaveInputs().size(), 1u);
    EXPECT_EQ(ui_.SaveInputs()[0].libraryName, "JLib");
    EXPECT_EQ(ui_.SaveInputs()[0].systemFolder, Path("system"));
    EXPECT_EQ(TemporaryDllFiles(), temporaryFilesBefore_);
}

TEST_F(UploadJobTest, ALargeFileGoesInBlocksAndTheProgressCountsTheWholeBody) {
    std::string file;
    for (int i = 0; i < 70000; ++i) file += static_cast<char>(i * 7 + i / 256);
    WriteFileBytes(comFile_, file);
    request_.preferVirtual = true;
    std::string dll(100000, 'd');
    service_.SetReply(ScriptedReply::Ok().Estimate(0).Dll(dll).SplitAt({3, 10, 5000, 70000}, 20));
    ASSERT_TRUE(RunBuild()) << failure_.text;

    ReceivedRequest r = TakeRequest();
    EXPECT_EQ(r.problem, "");
    EXPECT_EQ(r.libraryField, "JLib;pvirt=1");
    EXPECT_EQ(r.file, file);
    auto progress = ui_.Progress();
    ASSERT_FALSE(progress.empty());
    const uint32_t total = static_cast<uint32_t>(r.body.size());
    EXPECT_EQ(progress.front(), std::make_pair(0u, total));
    uint32_t last = 0;
    size_t uploads = 0;
    for (const auto& [count, of] : progress) {
        if (of != total) break;
        EXPECT_GE(count, last);
        last = count;
        ++uploads;
    }
    EXPECT_EQ(last, total);
    EXPECT_GE(uploads, 1u + (total + 4095) / 4096);
    // The download counts the bytes still to come, down to none.
    EXPECT_EQ(progress.back(), std::make_pair(0u, 100000u));
    EXPECT_EQ(ReadFileBytes(Path("system") + "\\JLib.dll"), dll);
    EXPECT_EQ(ui_.LastStatus(), "DLL saved as " + Path("system") + "\\JLib.dll");
}

TEST_F(UploadJobTest, AnEstimateOfTwoSecondsOrMoreShowsTheCountdownUntilTheDll) {
    service_.SetReply(ScriptedReply::Ok().Estimate(1).Pause(100).Estimate(12).Pause(200).Dll(kBuiltDll));
    ASSERT_TRUE(RunBuild());
    std::vector<std::string> statuses = ui_.Statuses();
    EXPECT_EQ(CountOf(statuses, "Estimated Build Time: 1 seconds       000"), 0u);
    EXPECT_GE(CountOf(statuses, "Estimated Build Time: 12 seconds       000"), 2u);
    auto downloading = std::find(statuses.begin(), statuses.end(), "File built, starting download");
    ASSERT_NE(downloading, statuses.end());
    for (auto it = downloading; it != statuses.end(); ++it)
        EXPECT_EQ(it->find("Estimated Build Time"), std::string::npos) << *it;
}

TEST_F(UploadJobTest, AnEstimateOfOneSecondStartsNoCountdown) {
    service_.SetReply(ScriptedReply::Ok().Estimate(1).Pause(100).Dll(kBuiltDll));
    ASSERT_TRUE(RunBuild());
    std::vector<std::string> statuses = ui_.Statuses();
    ASSERT_FALSE(statuses.empty()) << "no status shown: nothing to look at";
    for (const std::string& status : statuses)
        EXPECT_EQ(status.find("Estimated Build Time"), std::string::npos) << status;
}

TEST_F(UploadJobTest, AnEstimateCutOffEndsTheCountdownAndIsALostConnection) {
    service_.SetReply(ScriptedReply::Ok().Estimate(5).Pause(100).Bytes(Bytes("\x03\x00", 2)));
    ASSERT_TRUE(RunBuild());
    RecordingUi::Message message = OnlyMessage();
    EXPECT_EQ(message.text, "Connection lost");
    EXPECT_EQ(message.caption, "Error");
    size_t statuses = ui_.Statuses().size();
    Sleep(100);  // ten of the countdown's intervals
    EXPECT_EQ(ui_.Statuses().size(), statuses);
    EXPECT_EQ(ui_.LastStatus(), "Connection lost");
}

TEST_F(UploadJobTest, AnAnswerThatEndsBetweenRecordsIsALostConnectionWithoutCaption) {
    service_.SetReply(ScriptedReply::Ok().Bytes(Bytes("\x04\x04\x00\x01\x02\x08\xff", 7)));
    ASSERT_TRUE(RunBuild());
    RecordingUi::Message message = OnlyMessage();
    EXPECT_EQ(message.text, "Connection lost");
    EXPECT_EQ(message.caption, "");
    EXPECT_EQ(ui_.LastStatus(), "Connection lost");
    EXPECT_EQ(ui_.Hides(), 1);
}

TEST_F(UploadJobTest, AWebAddressIsOpenedWithTheShell) {
    service_.SetReply(ScriptedReply::Ok().Estimate(3).Redirect("http://build.example.test/built?lib=JLib"));
    ASSERT_TRUE(RunBuild());
    ASSERT_EQ(ui_.Opened().size(), 1u);
    EXPECT_EQ(ui_.Opened()[0], "http://build.example.test/built?lib=JLib");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(ui_.LastStatus(), "File built, redirecting");
}

TEST_F(UploadJobTest, AnAddressTheShellCannotOpenIsReported) {
    ui_.shellOpens = false;
    service_.SetReply(ScriptedReply::Ok().Redirect("https://build.example.test/"));
    ASSERT_TRUE(RunBuild());
    RecordingUi::Message message = OnlyMessage();
    EXPECT_EQ(message.text, "Attempting to redirect: Failed to launch browser");
    EXPECT_EQ(message.caption, "Error");
}

TEST_F(UploadJobTest, ARedirectToAProgramOrFileIsNotOpened) {
    for (const char* address : {"C:\\windows\\system32\\calc.exe", "file:///C:/autoexec.bat", "http://a\" -x"}) {
        service_.QueueReply(ScriptedReply::Ok().Redirect(address));
        ASSERT_TRUE(RunBuild()) << address;
    }
    EXPECT_TRUE(ui_.Opened().empty());
    auto messages = Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].text, "Attempting to redirect: not a web address: C:\\windows\\system32\\calc.exe");
    EXPECT_EQ(messages[0].caption, "Error");
}

TEST_F(UploadJobTest, AMessageIsShownAndItsSecondTextGoesToTheStatus) {
    service_.SetReply(ScriptedReply::Ok().Estimate(4).Message("Your COM file holds no interfaces", "Build failed"));
    ASSERT_TRUE(RunBuild());
    RecordingUi::Message message = OnlyMessage();
    EXPECT_EQ(message.text, "Your COM file holds no interfaces");
    EXPECT_EQ(message.caption, "Error");
    EXPECT_EQ(ui_.LastStatus(), "Build failed");
    EXPECT_TRUE(ui_.SaveInputs().empty());
}

TEST_F(UploadJobTest, RecordTextsOfAnyCountedLengthArriveWhole) {
    std::string text(65535, 't'), caption(65535, 'c'), url = "http://h/" + std::string(65526, 'u');
    service_.QueueReply(ScriptedReply::Ok().Message(text, caption));
    service_.QueueReply(ScriptedReply::Ok().Redirect(url));
    ASSERT_TRUE(RunBuild());
    ASSERT_TRUE(RunBuild());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(Messages()[0].text == text) << Messages()[0].text.size() << " bytes";
    EXPECT_EQ(CountOf(ui_.Statuses(), caption), 1u);
    ASSERT_EQ(ui_.Opened().size(), 1u);
    EXPECT_TRUE(ui_.Opened()[0] == url) << ui_.Opened()[0].size() << " bytes";
}

TEST_F(UploadJobTest, ADllOfNoBytesIsNoDll) {
    service_.SetReply(ScriptedReply::Ok().Bytes(DllAnnouncement(0)));
    ASSERT_TRUE(RunBuild());
    RecordingUi::Message message = OnlyMessage();
    EXPECT_EQ(message.text, "The build service returned an empty DLL");
    EXPECT_EQ(message.caption, "Error");
    EXPECT_TRUE(ui_.SaveInputs().empty());
    EXPECT_FALSE(std::filesystem::exists(Path("system") + "\\JLib.dll"));
}

TEST_F(UploadJobTest, ADllCutShortIsALostConnectionAndLeavesNoTemporaryFile) {
    service_.SetReply(ScriptedReply::Ok().Bytes(DllAnnouncement(10) + "MZ"));
    ASSERT_TRUE(RunBuild());
    RecordingUi::Message message = OnlyMessage();
    EXPECT_EQ(message.text, "Connection lost");
    EXPECT_EQ(message.caption, "Error");
    EXPECT_TRUE(ui_.SaveInputs().empty());
    EXPECT_EQ(TemporaryDllFiles(), temporaryFilesBefore_);
}

TEST_F(UploadJobTest, AnErrorStatusIsReportedAsSuch) {
    target_ = "/elsewhere";
    ASSERT_TRUE(RunBuild());
    RecordingUi::Message message = OnlyMessage();
    EXPECT_EQ(message.text, "The build request failed: HTTP/1.0 404 Not Found");
    EXPECT_EQ(message.caption, "Error");
}

TEST_F(UploadJobTest, ACancelledSaveKeepsNothing) {
    ui_.cancel = true;
    service_.SetReply(ScriptedReply::Ok().Dll(kBuiltDll));
    ASSERT_TRUE(RunBuild());
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(ui_.LastStatus(), "The DLL was not saved");
    EXPECT_TRUE(std::filesystem::is_empty(Path("system")));
    EXPECT_EQ(TemporaryDllFiles(), temporaryFilesBefore_);
}

TEST_F(UploadJobTest, TheWindowsFolderAndAnotherLocationAreSavedTo) {
    service_.SetReply(ScriptedReply::Ok().Dll(kBuiltDll));
    ui_.answer = SaveLocation{SaveChoice::WindowsFolder, ""};
    ASSERT_TRUE(RunBuild());
    EXPECT_EQ(ReadFileBytes(Path("windows") + "\\JLib.dll"), kBuiltDll);
    ui_.answer = SaveLocation{SaveChoice::OtherLocation, Path("Other.DLL")};
    ASSERT_TRUE(RunBuild());
    EXPECT_EQ(ReadFileBytes(Path("Other.DLL")), kBuiltDll);
    EXPECT_EQ(Messages().back().text, "DLL saved as " + Path("Other.DLL"));
}

TEST_F(UploadJobTest, AnExistingDllIsReplacedOnlyWhenTheUserSaidSoAndTheNewOneCanTakeItsPlace) {
    const std::string target = Path("system") + "\\JLib.dll";
    WriteFileBytes(target, "MZ old");
    service_.SetReply(ScriptedReply::Ok().Dll(kBuiltDll));
    // Not to be replaced (the file is there, but was not when the user
    // chose), then to be replaced but in use: open, without sharing, as a
    // loaded DLL is. Either way the old one stays and the new one is kept.
    for (bool replace : {false, true}) {
        ui_.answer.replaceExisting = replace;
        HANDLE inUse = INVALID_HANDLE_VALUE;
        if (replace) {
            inUse = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(inUse, INVALID_HANDLE_VALUE);
        }
        ASSERT_TRUE(RunBuild());
        if (inUse != INVALID_HANDLE_VALUE) CloseHandle(inUse);
        EXPECT_EQ(ReadFileBytes(target), "MZ old") << replace;
        RecordingUi::Message message = Messages().back();
        EXPECT_EQ(message.caption, "Error");
        const std::string start = "The DLL could not be saved as " + target + " (";
        ASSERT_EQ(message.text.compare(0, start.size(), start), 0) << message.text;
        const std::string kept = message.text.substr(message.text.rfind("It was kept as ") + 15);
        EXPECT_EQ(ReadFileBytes(kept), kBuiltDll);
        DeleteFileA(kept.c_str());
    }

    ASSERT_TRUE(RunBuild());
    EXPECT_EQ(ReadFileBytes(target), kBuiltDll);
    EXPECT_EQ(Messages().back().text, "DLL saved as " + target);
}

TEST_F(UploadJobTest, ALibraryNameThatLeavesTheFolderIsNotSaved) {
    request_.libraryName = "..\\escaped";
    service_.SetReply(ScriptedReply::Ok().Dll(kBuiltDll));
    ASSERT_TRUE(RunBuild());
    RecordingUi::Message message = OnlyMessage();
    EXPECT_EQ(message.caption, "Invalid Input");
    EXPECT_NE(message.text.find("\"..\\escaped\""), std::string::npos) << message.text;
    EXPECT_FALSE(std::filesystem::exists(Path("escaped.dll")));
    EXPECT_TRUE(std::filesystem::is_empty(Path("system")));
    EXPECT_EQ(TemporaryDllFiles(), temporaryFilesBefore_);
}

TEST_F(UploadJobTest, AComFileThatCannotBeReadStopsBeforeTheNetwork) {
    comFile_ = Path("missing.ocx");
    EXPECT_FALSE(RunBuild());
    EXPECT_EQ(failure_.text, "Cannot read file \"" + comFile_ + "\"");
    EXPECT_EQ(failure_.caption, "Read Failed");
    EXPECT_TRUE(service_.Requests().empty());
}

TEST_F(UploadJobTest, AServiceThatIsNotThereIsReportedWhenTheRequestStarts) {
    service_.Stop();
    EXPECT_FALSE(RunBuild());
    EXPECT_EQ(failure_.caption, "");
    // The system's messages have no text for the HTTP client's own error.
    EXPECT_EQ(failure_.text, "Unable to contact build server at 127.0.0.1");
}

TEST_F(UploadJobTest, AnUploadCutOffIsALostConnection) {
    WriteFileBytes(comFile_, std::string(4 * 1024 * 1024, 'f'));
    service_.SetReply(ScriptedReply::CutOffUpload());
    ASSERT_TRUE(RunBuild());
    RecordingUi::Message message = OnlyMessage();
    EXPECT_EQ(message.text, "Connection lost");
    EXPECT_EQ(message.caption, "");
    EXPECT_EQ(ui_.Hides(), 1);
}

TEST_F(UploadJobTest, NoHostNameIsReportedBeforeAnyRequest) {
    host_ = "";
    EXPECT_FALSE(RunBuild());
    EXPECT_EQ(failure_.text, "Unable to contact server");
    EXPECT_EQ(failure_.caption, "");
    EXPECT_TRUE(service_.Requests().empty());
}

TEST_F(UploadJobTest, TheLongestPropertiesAPageCanSetTravelWhole) {
    CUploaderProperties properties("127.0.0.1");
    const std::string list(InfoOf(UploaderProperty::ActiveXList).maxLength, 'a');
    ASSERT_TRUE(properties.Set(UploaderProperty::ActiveXList, list));
    ASSERT_TRUE(properties.Set(UploaderProperty::LibraryName, std::string(510, 'L')));
    ASSERT_TRUE(properties.Set(UploaderProperty::PackageName, std::string(510, 'p')));
    ASSERT_TRUE(properties.Set(UploaderProperty::ComFileName, comFile_));
    request_ = RequestFromProperties(properties, 0);
    service_.SetReply(ScriptedReply::Ok().Message("built", "done"));
    ASSERT_TRUE(RunBuild()) << failure_.text;
    ReceivedRequest r = TakeRequest();
    EXPECT_EQ(r.problem, "");
    EXPECT_EQ(r.libraryField.size(), 0xFFFFu);
    EXPECT_EQ(r.libraryName, std::string(510, 'L'));
    EXPECT_TRUE(r.activeXList == list) << r.activeXList.size() << " bytes";
    EXPECT_EQ(r.packageName, std::string(510, 'p'));
    EXPECT_EQ(r.file, kComFileBytes);
}
