// Whole builds through the form, through WinINet against the stand-in on
// 127.0.0.1:80: the request, the save-location dialog answered as a user
// would, closing the page during an upload, and a redirect opened by the
// shell.
#include "FormFixture.h"

#include "BuildServiceStandIn.h"
#include "LoopbackOnly.h"

using namespace brivel::uploadctl::testing;
using brivel::buildservice::BuildServiceStandIn;
using brivel::buildservice::ReceivedRequest;
using brivel::buildservice::ScriptedReply;

namespace {

// Builds against the stand-in on the HTTP port.
class UploaderFormBuild : public UploaderForm {
protected:
    void SetUp() override {
        UploaderForm::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        KeepTheHttpClientOnLoopback();
        ASSERT_TRUE(service_.Start(80)) << "the HTTP port of 127.0.0.1 stayed in use";
        ASSERT_EQ(PutText(Dispatch(), L"hostName", L"127.0.0.1"), S_OK);
        ASSERT_EQ(Activate(), S_OK);
        Fill("form.pkg", "JForm", TypeLibraryPath());
    }
    // Until the upload thread has shown its last text and hidden the bar.
    bool WaitForTheEnd() { return PumpUntil([&] { return !Visible(kProgress) && Visible(kStatus); }); }
    ReceivedRequest TakeRequest() {
        EXPECT_TRUE(service_.WaitForReplies(1, std::chrono::seconds(10)));
        auto requests = service_.Requests();
        return requests.empty() ? ReceivedRequest() : requests.back();
    }

    BuildServiceStandIn service_;
};

// The shell's command for web addresses, pointed at a stand-in of the
// browser that records its command line, and put back afterwards.
class ShellBrowserStandIn {
public:
    explicit ShellBrowserStandIn(const std::string& record) {
        original_ = RegistryText(HKEY_CLASSES_ROOT, kCommandKey);
        std::string browser = "Z:" + std::string(BROWSER_STAND_IN);
        for (char& c : browser)
            if (c == '/') c = '\\';
        SetCommand("\"" + browser + "\" \"%1\"");
        SetEnvironmentVariableA("BRIVEL_BROWSER_RECORD", record.c_str());
    }
    ~ShellBrowserStandIn() {
        if (original_ != "<none>") SetCommand(original_);
        else RegDeleteKeyA(HKEY_CLASSES_ROOT, kCommandKey);
        SetEnvironmentVariableA("BRIVEL_BROWSER_RECORD", nullptr);
    }

private:
    static constexpr char kCommandKey[] = "http\\shell\\open\\command";
    static void SetCommand(const std::string& command) {
        HKEY key;
        if (RegCreateKeyExA(HKEY_CLASSES_ROOT, kCommandKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return;
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>(command.size() + 1));
        RegCloseKey(key);
    }
    std::string original_;
};

}  // namespace

TEST_F(UploaderFormBuild, ABuildUploadsTheFormsNamesAndSavesTheDllWhereTheUserChose) {
    service_.SetReply(ScriptedReply::Ok().Estimate(2).Pause(300).Dll(kBuiltDll));
    const std::string target = Path("JForm.dll");
    answerer_.AddSaveStep([target](HWND dialog) {
        CDialogAnswerer::Choose(dialog, kOtherLocation);
        SetDlgItemTextA(dialog, kSavePath, target.c_str());
        CDialogAnswerer::Click(dialog, IDOK);
    });
    Click(kBuildDll);
    for (int id : {kBrowse, kExplanation, kBuildDll}) EXPECT_FALSE(Visible(id)) << id;
    EXPECT_TRUE(Visible(kStatus));
    ASSERT_TRUE(WaitForTheEnd());

    CDialogAnswerer::Seen box = WaitForBox(1);
    EXPECT_EQ(box.caption, "Build Complete");
    EXPECT_EQ(box.text, "DLL saved as " + target);
    EXPECT_EQ(Item(kStatus), "DLL saved as " + target);
    EXPECT_EQ(ReadFileBytes(target), kBuiltDll);
    EXPECT_FALSE(Visible(kBuildDll));

    EXPECT_EQ(answerer_.SaveDialogText(kSystemFolder),
              "System directory " + FolderOf(&GetSystemDirectoryA) + "  (Recommended)");
    EXPECT_EQ(answerer_.SaveDialogText(kWindowsFolder), "Windows directory " + FolderOf(&GetWindowsDirectoryA));
    EXPECT_EQ(answerer_.SaveDialogText(kOtherLocation), "Other Location.");
    EXPECT_EQ(answerer_.SaveDialogText(1000 + kSavePath), "disabled");
    EXPECT_EQ(answerer_.SaveDialogText(1000 + kSaveBrowse), "disabled");

    ReceivedRequest r = TakeRequest();
    EXPECT_EQ(r.problem, "");
    EXPECT_EQ(r.libraryField, "JForm;pvirt=0");
    EXPECT_EQ(r.packageName, "form.pkg");
    EXPECT_EQ(r.comFileName, TypeLibraryPath());
    EXPECT_TRUE(r.file == ReadFileBytes(TypeLibraryPath()));
    // What the form sent is what the page reads back.
    EXPECT_EQ(GetText(Dispatch(), L"libName"), L"JForm");
}

TEST_F(UploaderFormBuild, TheSaveDialogAsksUntilTheLocationIsUsableAndCanBeCancelled) {
    service_.SetReply(ScriptedReply::Ok().Dll(kBuiltDll));
    const std::string noFolder = Path("missing") + "\\JForm.dll";
    answerer_.AddSaveStep([](HWND dialog) {
        CDialogAnswerer::Choose(dialog, kOtherLocation);
        CDialogAnswerer::Click(dialog, kSaveBrowse);  // cancelled by the answerer
    });
    answerer_.AddSaveStep([](HWND dialog) { CDialogAnswerer::Click(dialog, IDOK); });
    answerer_.AddSaveStep([](HWND dialog) {
        SetDlgItemTextA(dialog, kSavePath, "C:\\JForm.txt");
        CDialogAnswerer::Click(dialog, IDOK);
    });
    answerer_.AddSaveStep([noFolder](HWND dialog) {
        SetDlgItemTextA(dialog, kSavePath, noFolder.c_str());
        CDialogAnswerer::Click(dialog, IDOK);
    });
    answerer_.AddSaveStep([](HWND dialog) { CDialogAnswerer::Click(dialog, IDCANCEL); });
    Click(kBuildDll);
    ASSERT_TRUE(WaitForTheEnd());
    auto boxes = answerer_.Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "Please specify location");
    EXPECT_EQ(boxes[1].text, "File name must end with .DLL");
    EXPECT_EQ(boxes[2].text, Path("missing") + "\\:  Directory does not exist");
    for (const auto& box : boxes) EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(answerer_.SaveStepsLeft(), 0u);
    auto dialogs = answerer_.Dialogs();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].rfind("Save DLL As|", 0), 0u) << dialogs[1];
    EXPECT_NE(dialogs[1].find("|JForm.dll"), std::string::npos) << dialogs[1];
    EXPECT_EQ(Item(kStatus), "The DLL was not saved");
    EXPECT_FALSE(std::filesystem::exists(noFolder));
}

// A page names the library and the server sends the DLL: an existing file
// of that name is replaced only when the user says so, in the system and
// Windows folders as in a location typed in.
TEST_F(UploaderFormBuild, AnExistingFileIsReplacedOnlyAfterTheUserSaysSoWhereverItLies) {
    service_.SetReply(ScriptedReply::Ok().Dll(kBuiltDll));
    const std::string systemTarget = FolderOf(&GetSystemDirectoryA) + "\\JForm.dll";
    ASSERT_FALSE(std::filesystem::exists(systemTarget)) << "left by an earlier run";
    WriteFileBytes(systemTarget, "MZ the system's own");
    struct RemoveAfterwards {
        std::string path;
        ~RemoveAfterwards() { DeleteFileA(path.c_str()); }
    } removeSystemTarget{systemTarget};
    const std::string typed = Path("Typed.dll");
    WriteFileBytes(typed, "MZ the user's own");
    answerer_.AnswerBoxes("Replace DLL", {IDNO, IDNO, IDYES});
    answerer_.AddSaveStep([](HWND dialog) { CDialogAnswerer::Click(dialog, IDOK); });  // the system folder
    answerer_.AddSaveStep([](HWND dialog) {
        CDialogAnswerer::Choose(dialog, kWindowsFolder);
        CDialogAnswerer::Choose(dialog, kSystemFolder);
        CDialogAnswerer::Click(dialog, IDOK);
    });
    answerer_.AddSaveStep([typed](HWND dialog) {
        CDialogAnswerer::Choose(dialog, kOtherLocation);
        SetDlgItemTextA(dialog, kSavePath, typed.c_str());
        CDialogAnswerer::Click(dialog, IDOK);
    });
    Click(kBuildDll);
    ASSERT_TRUE(WaitForTheEnd());
    auto boxes = answerer_.Boxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].text, systemTarget + " already exists.  Do you want to replace it?");
    EXPECT_EQ(boxes[1].text, systemTarget + " already exists.  Do you want to replace it?");
    EXPECT_EQ(boxes[2].text, typed + " already exists.  Do you want to replace it?");
    EXPECT_EQ(boxes[3].text, "DLL saved as " + typed);
    EXPECT_EQ(answerer_.SaveStepsLeft(), 0u);
    EXPECT_EQ(ReadFileBytes(systemTarget), "MZ the system's own");
    EXPECT_EQ(ReadFileBytes(typed), kBuiltDll);
}

// One control builds once: a form made again while the upload runs (the
// page's window went without a deactivation) shows the upload, not "Build
// DLL".
TEST_F(UploaderFormBuild, AFormMadeAgainDuringAnUploadShowsTheUploadAndNoBuildDll) {
    service_.SetReply(ScriptedReply::Ok().Estimate(9).Pause(5000).Message("built elsewhere", "see the page"));
    Click(kBuildDll);
    ASSERT_TRUE(PumpUntil([&] { return Item(kStatus).find("Estimated Build Time") == 0; }));
    HWND first = Form();
    container_.ReplaceWindow();
    ASSERT_EQ(Activate(), S_OK);
    ASSERT_NE(Form(), nullptr);
    EXPECT_NE(Form(), first);
    for (int id : {kBrowse, kExplanation, kBuildDll}) EXPECT_FALSE(Visible(id)) << id;
    EXPECT_TRUE(Visible(kStatus));
    EXPECT_TRUE(Visible(kProgress));
    EXPECT_EQ(Item(kStatus).find("Estimated Build Time"), 0u) << Item(kStatus);
    ASSERT_TRUE(WaitForTheEnd());
    EXPECT_EQ(WaitForBox(1).text, "built elsewhere");
    EXPECT_EQ(Item(kStatus), "see the page");
    EXPECT_FALSE(Visible(kBuildDll));
    EXPECT_EQ(service_.Requests().size(), 1u);
}

TEST_F(UploaderFormBuild, ClosingThePageDuringAnUploadShowsNothingMoreAndTheUploadHoldsTheModule) {
    service_.SetReply(ScriptedReply::Ok().Estimate(5).Pause(800).Message("too late", "too late"));
    Click(kBuildDll);
    ASSERT_TRUE(PumpUntil([&] { return Item(kStatus).find("Estimated Build Time") == 0; }));
    control_->Close(OLECLOSE_NOSAVE);
    control_->SetClientSite(nullptr);
    control_->Release();
    control_ = nullptr;
    EXPECT_EQ(server_.CanUnloadNow(), S_FALSE);
    ASSERT_TRUE(service_.WaitForReplies(1, std::chrono::seconds(10)));
    EXPECT_TRUE(PumpUntil([&] { return server_.CanUnloadNow() == S_OK; }));
    PumpUntil([] { return false; }, 200);
    EXPECT_TRUE(answerer_.Boxes().empty());
}

TEST_F(UploaderFormBuild, AControlReleasedWithoutClosingDuringAnUploadGoesAtOnceAndTheUploadEndsQuietly) {
    service_.SetReply(ScriptedReply::Ok().Estimate(5).Pause(800).Dll(kBuiltDll));
    answerer_.AddSaveStep([](HWND dialog) { CDialogAnswerer::Click(dialog, IDOK); });
    Click(kBuildDll);
    ASSERT_TRUE(PumpUntil([&] { return Item(kStatus).find("Estimated Build Time") == 0; }));
    HWND form = Form();
    control_->Release();  // the last reference, on the page's thread
    control_ = nullptr;
    EXPECT_FALSE(IsWindow(form));
    EXPECT_EQ(server_.CanUnloadNow(), S_FALSE);
    ASSERT_TRUE(service_.WaitForReplies(1, std::chrono::seconds(10)));
    EXPECT_TRUE(PumpUntil([&] { return server_.CanUnloadNow() == S_OK; }));
    EXPECT_TRUE(answerer_.Boxes().empty());
    EXPECT_TRUE(answerer_.Dialogs().empty());
    EXPECT_FALSE(std::filesystem::exists(FolderOf(&GetSystemDirectoryA) + "\\JForm.dll"));
}

TEST_F(UploaderFormBuild, ARedirectOpensTheWebAddressWithTheShell) {
    const std::string record = Path("browser-command-line.txt");
    ShellBrowserStandIn browser(record);
    service_.SetReply(ScriptedReply::Ok().Redirect("http://build.example.test/built?lib=JForm"));
    Click(kBuildDll);
    ASSERT_TRUE(WaitForTheEnd());
    EXPECT_EQ(Item(kStatus), "File built, redirecting");
    ASSERT_TRUE(PumpUntil([&] { return std::filesystem::exists(record); }));
    EXPECT_NE(ReadFileBytes(record).find("http://build.example.test/built?lib=JForm"), std::string::npos)
        << ReadFileBytes(record);
    EXPECT_TRUE(answerer_.Boxes().empty());
}
