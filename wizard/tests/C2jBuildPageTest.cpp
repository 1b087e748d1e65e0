// The COM-to-Java build page in a real wizard frame in the test process:
// the specification sent to the build-service stand-in on 127.0.0.1, the
// COM DLL saved into the output folder and registered by its own
// DllRegisterServer (a small COM server of the tests, which then creates its
// object), a DLL that fails to register, a failed build, leaving the page,
// and an old DLL that cannot be replaced.
#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

// Windows Sockets before the platform header.
#include "BuildServiceHost.h"
#include "BuildServiceStandIn.h"
#include "C2jEvalBldPage.h"
#include "HtmlAssociation.h"
#include "InternetSettings.h"
#include "OwnDialogs.h"
#include "RecordingOwner.h"
#include "TempFolder.h"
#include "WizardDlg.h"
#include "WizardProcess.h"
#include "resource.h"

using namespace brivel::wizard::testing;
using brivel::buildservice::RequestKind;
using brivel::buildservice::ScriptedReply;
using brivel::remotebuild::testing::FileBytes;
using brivel::remotebuild::testing::ScopedInternetSettings;
using brivel::remotebuild::testing::ScopedTemporaryFolder;
using brivel::remotebuild::testing::SilentProxy;

namespace {

// The test server's class (tests/comserver).
const CLSID kServerClass = {0x6a1f3c52, 0x8e0b, 0x4d7a, {0x9c, 0x1e, 0x2b, 0x5f, 0x7d, 0x9a, 0x0c, 0x31}};
constexpr const char* kServerKey = "CLSID\\{6A1F3C52-8E0B-4D7A-9C1E-2B5F7D9A0C31}";

std::string RegisteredServerPath() {
    char path[MAX_PATH] = "";
    LONG size = sizeof path;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, (std::string(kServerKey) + "\\InprocServer32").c_str(), path, &size) !=
        ERROR_SUCCESS)
        return "(not registered)";
    return path;
}

void Unregister() {
    RegDeleteKeyA(HKEY_CLASSES_ROOT, (std::string(kServerKey) + "\\InprocServer32").c_str());
    RegDeleteKeyA(HKEY_CLASSES_ROOT, kServerKey);
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return text;
}

class C2jBuildPage : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "needs a display";
        TempFolderTest::SetUp();
        Unregister();
        std::filesystem::create_directories(folder_ / "tmp");
        temporaryFiles_ = std::make_unique<ScopedTemporaryFolder>(Path("tmp"));
        html_ = std::make_unique<ScopedHtmlAssociation>(BrowserStandIn(), Path("browser.txt"));
        ASSERT_TRUE(service_.Start());
        internet_.UseProxy("http=127.0.0.1:" + std::to_string(service_.Port()));

        frame_ = std::make_unique<CWizardDlg>();
        ASSERT_TRUE(frame_->Create(nullptr));
        window_ = frame_->Handle();
        library_ = "Calc" + std::to_string(GetCurrentProcessId());
        frame_->m_c2jSpec.m_outputFolder = folder_.string().c_str();
        frame_->m_c2jSpec.m_libraryName = library_.c_str();
        target_ = Path(library_ + ".DLL");
        specification_ = "AXOV" + FileBytes(500, 6);
        specificationFile_ = Path(library_ + ".c2j");
        brivel::testing::WriteFileBytes(specificationFile_, specification_);
        brivel::testing::WriteFileBytes(Path("readme.html"), "<HTML><BODY>the project's readme</BODY></HTML>");

        page_ = frame_->m_pC2jEvalBldPage;
        page_->SetSpecificationFile(specificationFile_.c_str());
        ShowWindow(GetWindow(frame_->Item(IDC_PAGE_AREA), GW_CHILD), SW_HIDE);
        ShowWindow(page_->Handle(), SW_SHOW);
        page_->OnPageShown();
        // The buttons as the frame fits them to the page.
        frame_->ShowNextButton(true);
        frame_->SetItemText(IDC_NEXT, page_->GetNextLabel());
        frame_->ShowItem(IDC_BACK, page_->ShowBack());
    }
    void TearDown() override {
        if (frame_) {
            if (IsWindow(window_)) frame_->DestroyWindow();
            bool com = frame_->ComStarted();
            frame_.reset();
            if (com) CoUninitialize();
        }
        service_.Stop();
        html_.reset();
        temporaryFiles_.reset();
        Unregister();
        TempFolderTest::TearDown();
    }

    // "Build" on the page while `drive` answers from another thread; the
    // frame's messages run until the driver is done and then until the frame
    // closed or `closeWithinMs` passed.
    void Build(const std::function<void()>& drive, DWORD closeWithinMs = 20000) {
        Driver driver(drive);
        EXPECT_FALSE(page_->ValidatePage()) << "the page stays while it builds";
        nextHiddenWhileBuilding_ = !IsShown(window_, IDC_NEXT);
        driver.Join();
        frameClosed_ = PumpUntil([&] { return !IsWindow(window_); }, closeWithinMs);
    }

    std::string Status() const { return ItemText(page_->Handle(), IDC_BUILD_STATUS); }

    std::unique_ptr<ScopedTemporaryFolder> temporaryFiles_;
    std::unique_ptr<ScopedHtmlAssociation> html_;
    brivel::buildservice::BuildServiceStandIn service_;
    ScopedInternetSettings internet_;
    std::unique_ptr<CWizardDlg> frame_;
    HWND window_ = nullptr;
    CC2jEvalBldPage* page_ = nullptr;
    std::string library_, target_, specification_, specificationFile_;
    bool nextHiddenWhileBuilding_ = false, frameClosed_ = false;
};

}  // namespace

TEST_F(C2jBuildPage, ARegisteringDllIsSavedRegisteredAndTheWizardClosesWithTheReadme) {
    const std::string dll = brivel::testing::ReadFileBytes(SELFREG_SERVER);
    ASSERT_FALSE(dll.empty());
    service_.SetReply(ScriptedReply::Ok().Estimate(2).Pause(1200).Dll(dll));
    EXPECT_EQ(ItemText(page_->Handle(), IDC_SPEC_FILE), specificationFile_);
    EXPECT_TRUE(IsChecked(page_->Handle(), IDC_USE_PROXY));
    EXPECT_EQ(ItemText(page_->Handle(), IDC_PROXY_DISPLAY), "127.0.0.1:" + std::to_string(service_.Port()));
    std::string saved, countdown, secondBox;
    Build([&] {
        EXPECT_TRUE(WaitUntil([&] { return Status().rfind("Estimated Build Time: 2 seconds", 0) == 0; }));
        countdown = Status();
        EXPECT_TRUE(TakeScreenshot("c2j-build-countdown", window_));
        HWND box = WaitForOwnDialog("Brivel Message");
        if (box) { EXPECT_TRUE(TakeScreenshot("c2j-build-registered", box)); }
        saved = AnswerMessage("Brivel Message");
        // A 32-bit Windows shows no note about X86 targets.
        secondBox = AnswerMessage("Brivel Message", 1500);
    });

    EXPECT_TRUE(nextHiddenWhileBuilding_);
    EXPECT_TRUE(frameClosed_) << "the wizard closes once the DLL is saved";
    EXPECT_EQ(countdown.rfind("Estimated Build Time: 2 seconds       00", 0), 0u) << countdown;
    EXPECT_EQ(saved, "DLL saved as " + target_ +
                         ".  DLL has been registered as a COM component, and is ready to use.\nA reference can be "
                         "added for it from language IDEs now.");
    EXPECT_EQ(secondBox, "(no Brivel Message)");
    EXPECT_EQ(brivel::testing::ReadFileBytes(target_), dll);
    EXPECT_EQ(Lower(RegisteredServerPath()), Lower(target_));
    IUnknown* object = nullptr;
    EXPECT_EQ(CoCreateInstance(kServerClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&object)),
              S_OK);
    if (object) object->Release();
    CoFreeUnusedLibraries();
    EXPECT_NE(html_->WaitForBrowser().find(Path("readme.html")), std::string::npos) << "readme.html opens";
    EXPECT_TRUE(temporaryFiles_->Files().empty());

    ASSERT_TRUE(service_.WaitForReplies(1, std::chrono::seconds(10)));
    auto request = service_.Requests().at(0);
    EXPECT_EQ(request.kind, RequestKind::Specification);
    EXPECT_EQ(request.target,
              "http://" + brivel::remotebuild::GetBuildServiceHost() + "/brvBuildC2jServlet?brvver=188");
    EXPECT_EQ(request.file, specification_);
}

TEST_F(C2jBuildPage, ADllWhoseRegistrationFailsIsSavedAndLeftForRegsvr32) {
    const std::string dll = brivel::testing::ReadFileBytes(FAILREG_SERVER);
    service_.SetReply(ScriptedReply::Ok().Dll(dll));
    frame_->m_tutorial = true;
    std::string saved;
    Build([&] { saved = AnswerMessage("Brivel Message"); });

    EXPECT_EQ(saved, "DLL has been saved as " + target_ +
                         "\nHowever, DLL could not be registered, please try to register using regsvr32.");
    EXPECT_TRUE(frameClosed_) << "the DLL is saved: the build is done";
    EXPECT_EQ(brivel::testing::ReadFileBytes(target_), dll);
    EXPECT_EQ(RegisteredServerPath(), "(not registered)");
    ASSERT_TRUE(service_.WaitForReplies(1, std::chrono::seconds(10)));
    EXPECT_EQ(service_.Requests().at(0).kind, RequestKind::SpecificationTutorial);
}

TEST_F(C2jBuildPage, ADllWithoutDllRegisterServerIsSavedAndLeftForRegsvr32) {
    service_.SetReply(ScriptedReply::Ok().Dll(brivel::testing::ReadFileBytes(UNREG_SERVER)));
    std::string saved;
    Build([&] { saved = AnswerMessage("Brivel Message"); });
    EXPECT_EQ(saved, "DLL has been saved as " + target_ +
                         "\nHowever, DLL could not be registered, please try to register using regsvr32.");
    EXPECT_TRUE(frameClosed_);
}

TEST_F(C2jBuildPage, AFailedBuildBringsBuildBackAndLeavingThenAsksNothing) {
    service_.SetReply(ScriptedReply::Ok().Message("The class Calc has no public constructor", "Build Service"));
    std::string message;
    Build([&] { message = AnswerMessage("Build Service"); }, 1000);
    EXPECT_EQ(message, "The class Calc has no public constructor");
    EXPECT_FALSE(frameClosed_);
    EXPECT_TRUE(PumpUntil([&] { return IsShown(window_, IDC_NEXT); })) << "Build comes back for another try";
    EXPECT_EQ(Status(), "The class Calc has no public constructor");

    Driver noQuestion([&] { EXPECT_EQ(WaitForOwnDialog("Brivel Question", 1000), nullptr); });
    EXPECT_TRUE(page_->CanExit());
    noQuestion.Join();
    EXPECT_NE(html_->WaitForBrowser().find(Path("readme.html")), std::string::npos);
}

TEST_F(C2jBuildPage, LeavingAsksFirstAndStopsABuildThatRuns) {
    // Before any build.
    std::string question;
    {
        Driver driver([&] { question = AnswerQuestion(false); });
        EXPECT_FALSE(page_->CanExit());
    }
    EXPECT_EQ(question, "Please confirm: exit without completing the build?");

    service_.SetReply(ScriptedReply::Ok().Estimate(60).Pause(30000).Dll("MZ"));
    std::string stopNo, stopYes;
    Driver driver([&] {
        EXPECT_TRUE(WaitUntil([&] { return Status().rfind("Estimated Build Time: 60 seconds", 0) == 0; }));
        stopNo = AnswerQuestion(false);
        stopYes = AnswerQuestion(true);
    });
    EXPECT_FALSE(page_->ValidatePage());
    ASSERT_TRUE(PumpUntil([&] { return Status().rfind("Estimated Build Time: 60 seconds", 0) == 0; }));
    EXPECT_FALSE(page_->CanExit()) << "No keeps the build";
    DWORD start = GetTickCount();
    EXPECT_TRUE(page_->CanExit());
    EXPECT_LT(GetTickCount() - start, 10000u) << "the build stops at once";
    driver.Join();
    EXPECT_EQ(stopNo, "Please confirm: stop DLL build and exit?");
    EXPECT_EQ(stopYes, "Please confirm: stop DLL build and exit?");
    EXPECT_NE(html_->WaitForBrowser().find(Path("readme.html")), std::string::npos);
    EXPECT_TRUE(temporaryFiles_->Files().empty());
}

// Leaving while the build still uploads (here to a proxy that stopped
// reading, so the upload stands still) asks first too, and Yes stops the
// upload at once.
TEST_F(C2jBuildPage, LeavingDuringTheUploadAsksFirstAndStopsItAtOnce) {
    SilentProxy proxy;
    ASSERT_NE(proxy.Port(), 0);
    internet_.UseProxy("http=127.0.0.1:" + std::to_string(proxy.Port()));
    page_->OnPageShown();
    brivel::testing::WriteFileBytes(specificationFile_, std::string(32 * 1024 * 1024, 's'));
    EXPECT_FALSE(page_->ValidatePage());
    std::string last;
    DWORD lastChange = GetTickCount();
    ASSERT_TRUE(PumpUntil([&] {
        std::string now = Status();
        if (now != last) {
            last = now;
            lastChange = GetTickCount();
        }
        return now.rfind("Uploaded ", 0) == 0 && GetTickCount() - lastChange > 1000;
    })) << last;

    std::string stopNo, stopYes;
    std::atomic<DWORD> answered{0};
    Driver driver([&] {
        stopNo = AnswerQuestion(false);
        stopYes = AnswerQuestion(true);
        answered = GetTickCount();
    });
    EXPECT_FALSE(page_->CanExit()) << "No keeps the build";
    EXPECT_TRUE(page_->CanExit());
    DWORD took = GetTickCount() - answered;
    proxy.Close();
    driver.Join();
    EXPECT_EQ(stopNo, "Please confirm: stop DLL build and exit?");
    EXPECT_EQ(stopYes, "Please confirm: stop DLL build and exit?");
    EXPECT_LT(took, 10000u) << "the upload stops at once";
    EXPECT_NE(html_->WaitForBrowser().find(Path("readme.html")), std::string::npos);
}

TEST_F(C2jBuildPage, AnOldDllInUseStaysWhenTheNewOneCannotTakeItsPlace) {
    brivel::testing::WriteFileBytes(target_, "the old DLL");
    HANDLE held = CreateFileA(target_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    service_.SetReply(ScriptedReply::Ok().Dll(brivel::testing::ReadFileBytes(SELFREG_SERVER)));
    std::string failure;
    Build([&] { failure = AnswerMessage("Brivel Message"); }, 1000);
    CloseHandle(held);
    EXPECT_EQ(failure.rfind("Could not save the DLL as " + target_ + ": ", 0), 0u) << failure;
    EXPECT_FALSE(frameClosed_);
    EXPECT_TRUE(PumpUntil([&] { return IsShown(window_, IDC_NEXT); }));
    EXPECT_EQ(brivel::testing::ReadFileBytes(target_), "the old DLL");
    EXPECT_EQ(RegisteredServerPath(), "(not registered)");
    EXPECT_TRUE(PumpUntil([&] { return temporaryFiles_->Files().empty(); }));
}
