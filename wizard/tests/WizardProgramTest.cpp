// Brivel.exe under Wine on a display, driven through its control ids: the
// start page, both wizards' page lists, the message dialog, the About box,
// bridge generation from the summary page, JAR-loading errors and the ways
// the wizard closes. Screenshots of the start page, an error box, the About
// box and the JAR errors are written to the build's screenshot folder.
#include <gtest/gtest.h>
#include <winsock2.h>
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

// Windows Sockets before the platform header.
#include "BuildServiceStandIn.h"
#include "HtmlAssociation.h"
#include "InternetSettings.h"
#include "TempFolder.h"
#include "WizardProcess.h"
#include "resource.h"

using namespace brivel::wizard::testing;

namespace {

constexpr const char* kStartPage = "Welcome to Brivel";
constexpr const char* kComObjPage = "COM object";
constexpr const char* kOutputLocPage = "Output folder";
constexpr const char* kPkgPage = "Java package";
constexpr const char* kLibPage = "JNI library";
constexpr const char* kAdvancedPage = "Advanced options";
constexpr const char* kFinishupPage = "Summary";
constexpr const char* kBuildPage = "Build";
constexpr const char* kLoadPage = "COM-to-Java project";
constexpr const char* kTypeSelPage = "Java classes";
constexpr const char* kJarfilesPage = "JAR files";
constexpr const char* kClassPathPage = "Class path";
constexpr const char* kClassListPage = "Java classes of the COM object";
constexpr const char* kLibNamePage = "COM library";
constexpr const char* kC2jOutputLocPage = "Output folder of the COM DLL";
constexpr const char* kC2jSavePage = "Save the specification";
constexpr const char* kC2jBuildPage = "Build the COM DLL";

constexpr const char* kProfileKey = "Software\\Orvanth Software\\Brivel\\SavedData";

std::string BridgeLibrary() { return WindowsPath(std::string(BRIVEL_FIXTURES) + "/Bridge.tlb"); }

// A fresh folder of this process below the temporary folder.
std::string NewOutputFolder(const char* name) {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "brivel-" + name + "-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void WriteProfileText(const char* entry, const char* value) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kProfileKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), static_cast<DWORD>(strlen(value) + 1));
    RegCloseKey(key);
}

std::string ReadProfileText(const char* entry) {
    char value[1024] = "";
    DWORD size = sizeof value, type = 0;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kProfileKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "(none)";
    LONG rc = RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS ? value : "(none)";
}

// Checks a radio button of a page the way a click does, and tells the page.
void ChooseRadio(HWND page, int id) {
    SendMessageA(GetDlgItem(page, id), BM_SETCHECK, BST_CHECKED, 0);
    Click(page, id);
}

class WizardProgram : public ::testing::Test {
protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "needs a display";
        ASSERT_TRUE(wizard.Start());
        frame = wizard.WaitForFrame();
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(wizard.WaitForPage(frame, kStartPage));
    }

    // Next, then the page that should follow.
    void NextTo(const char* heading) {
        Click(frame, IDC_NEXT);
        ASSERT_TRUE(wizard.WaitForPage(frame, heading)) << "expected " << heading << ", shown: " << wizard.ShownPage(frame);
    }

    void BackTo(const char* heading) {
        Click(frame, IDC_BACK);
        ASSERT_TRUE(wizard.WaitForPage(frame, heading)) << "expected " << heading << ", shown: " << wizard.ShownPage(frame);
    }

    // The message box that Next brings up, its text, closed with Close.
    std::string NextShowsMessage(const char* caption) {
        Click(frame, IDC_NEXT);
        HWND box = wizard.WaitForDialog(caption);
        if (!box) return "(no " + std::string(caption) + ")";
        std::string text = ItemText(box, IDC_MESSAGE_TEXT);
        Click(box, IDOK);
        EXPECT_TRUE(wizard.WaitUntilGone(caption));
        return text;
    }

    void AcceptBridgeLibrary() {
        ChooseRadio(wizard.Page(frame, kStartPage), IDC_JAVA_TO_COM);
        ASSERT_TRUE(WaitUntil([&] { return IsEnabled(frame, IDC_NEXT); }));
        NextTo(kComObjPage);
        SetText(wizard.Page(frame, kComObjPage), IDC_COM_FILE, BridgeLibrary());
        NextTo(kOutputLocPage);
    }

    WizardProcess wizard;
    HWND frame = nullptr;
};

}  // namespace

TEST_F(WizardProgram, StartsOnTheStartPageAndItsSystemMenuOpensTheAboutBox) {
    EXPECT_EQ(Text(frame), "Brivel: Java to COM Bi-Directional Bridge Builder");
    EXPECT_FALSE(IsEnabled(frame, IDC_BACK));
    EXPECT_FALSE(IsEnabled(frame, IDC_NEXT));
    EXPECT_EQ(ItemText(frame, IDC_NEXT), "Next>");
    EXPECT_EQ(ItemText(frame, IDCANCEL), "Cancel");
    EXPECT_EQ(ItemText(frame, IDC_HELP_BUTTON), "Help");
    HWND start = wizard.Page(frame, kStartPage);
    EXPECT_EQ(ItemText(start, IDC_JAVA_TO_COM), "I am writing Java programs, and I need to call COM/ActiveX/.NET");
    EXPECT_EQ(ItemText(start, IDC_COM_TO_JAVA), "I am writing C# or Visual Basic programs, and I need to call Java.");
    EXPECT_TRUE(TakeScreenshot("start-page", frame));

    PostMessageA(frame, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = wizard.WaitForDialog("About Brivel");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(TakeScreenshot("about-box", frame));
    Click(about, IDOK);
    EXPECT_TRUE(wizard.WaitUntilGone("About Brivel"));

    // Nothing was changed: Cancel closes at once.
    Click(frame, IDCANCEL);
    EXPECT_EQ(wizard.WaitForExit(), 0u);
}

TEST_F(WizardProgram, JavaToComWalkChecksTheTypeLibraryGeneratesTheBridgeAndClosesAfterTheBuildQuestion) {
    HWND start = wizard.Page(frame, kStartPage);
    PressKey(frame, VK_RETURN);  // Enter runs Next: no choice yet
    HWND box = wizard.WaitForDialog("Brivel Message");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ItemText(box, IDC_MESSAGE_TEXT), "Please select a wizard");
    Click(box, IDOK);
    ASSERT_TRUE(wizard.WaitUntilGone("Brivel Message"));

    ChooseRadio(start, IDC_JAVA_TO_COM);
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(frame, IDC_NEXT); }));
    EXPECT_EQ(Text(frame), "Brivel: Java to COM Bridge Builder");
    NextTo(kComObjPage);
    EXPECT_TRUE(IsEnabled(frame, IDC_BACK));

    // The type library check keeps the user on the page, in the error box.
    Click(frame, IDC_NEXT);
    HWND error = wizard.WaitForDialog("Error Message");
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(ItemText(error, IDC_MESSAGE_TEXT), "Please specify a COM source");
    EXPECT_TRUE(IsShown(error, IDOK));
    EXPECT_FALSE(IsShown(error, IDYES));
    EXPECT_TRUE(TakeScreenshot("error-box", frame));
    Click(error, IDOK);
    ASSERT_TRUE(wizard.WaitUntilGone("Error Message"));
    EXPECT_EQ(wizard.ShownPage(frame), kComObjPage);

    HWND comObj = wizard.Page(frame, kComObjPage);
    SetText(comObj, IDC_COM_FILE, "C:\\nothing\\there.tlb");
    EXPECT_EQ(NextShowsMessage("Error Message"), "C:\\nothing\\there.tlb: File does not exist");
    SetText(comObj, IDC_COM_FILE, BridgeLibrary());
    NextTo(kOutputLocPage);
    BackTo(kComObjPage);  // Back does not check the page again
    NextTo(kOutputLocPage);

    std::string output = NewOutputFolder("walk");
    SetText(wizard.Page(frame, kOutputLocPage), IDC_OUTPUT_FOLDER, output);
    NextTo(kPkgPage);
    SetText(wizard.Page(frame, kPkgPage), IDC_PACKAGE, "test.bridge");
    PressKey(frame, VK_RETURN);  // Enter moves on like Next
    ASSERT_TRUE(wizard.WaitForPage(frame, kLibPage));
    SetText(wizard.Page(frame, kLibPage), IDC_LIBRARY, "JBridge");
    NextTo(kAdvancedPage);
    NextTo(kFinishupPage);
    EXPECT_EQ(ItemText(frame, IDC_NEXT), "Build");
    HWND summary = wizard.Page(frame, kFinishupPage);
    EXPECT_EQ(ItemText(summary, IDC_SUMMARY_TYPE_LIBRARY), BridgeLibrary());
    EXPECT_EQ(ItemText(summary, IDC_SUMMARY_PACKAGE), "test.bridge");
    EXPECT_EQ(ItemText(summary, IDC_SUMMARY_LIBRARY), "JBridge");
    EXPECT_EQ(ItemText(summary, IDC_SUMMARY_OUTPUT_FOLDER), output);
    EXPECT_TRUE(TakeScreenshot("summary-page", frame));

    // Build writes the bridge and goes on to the build page.
    Click(frame, IDC_NEXT);
    ASSERT_TRUE(wizard.WaitForPage(frame, kBuildPage, 120000)) << wizard.ShownPage(frame);
    EXPECT_TRUE(FileExists(output + "\\JBridge.cpp"));
    EXPECT_TRUE(FileExists(output + "\\readme.html"));
    EXPECT_TRUE(FileExists(output + "\\test\\bridge"));
    EXPECT_EQ(ItemText(frame, IDCANCEL), "Close");
    EXPECT_FALSE(IsShown(frame, IDC_BACK));
    EXPECT_FALSE(IsShown(frame, IDC_NEXT));
    EXPECT_TRUE(TakeScreenshot("build-page", frame));

    // Close asks about the build steps not run; No keeps the wizard.
    Click(frame, IDCANCEL);
    HWND question = wizard.WaitForDialog("Brivel Question");
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(ItemText(question, IDC_MESSAGE_TEXT), "Are you sure you wish to exit without completing all build steps?");
    Click(question, IDNO);
    ASSERT_TRUE(wizard.WaitUntilGone("Brivel Question"));
    EXPECT_EQ(wizard.WaitForExit(500), static_cast<DWORD>(STILL_ACTIVE));

    // Enter on the last page takes the same way out as Close.
    PressKey(frame, VK_RETURN);
    question = wizard.WaitForDialog("Brivel Question");
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(ItemText(question, IDC_MESSAGE_TEXT), "Are you sure you wish to exit without completing all build steps?");
    Click(question, IDYES);
    EXPECT_EQ(wizard.WaitForExit(), 0u);
}

TEST_F(WizardProgram, CancelAsksBeforeLosingAnAcceptedTypeLibrary) {
    AcceptBridgeLibrary();
    Click(frame, IDCANCEL);
    HWND question = wizard.WaitForDialog("Brivel Question");
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(ItemText(question, IDC_MESSAGE_TEXT), "Do you want to exit this wizard and lose your changes?");
    EXPECT_TRUE(IsShown(question, IDYES));
    EXPECT_TRUE(IsShown(question, IDNO));
    EXPECT_FALSE(IsShown(question, IDOK));
    EXPECT_TRUE(TakeScreenshot("cancel-question", frame));
    Click(question, IDNO);
    ASSERT_TRUE(wizard.WaitUntilGone("Brivel Question"));
    EXPECT_EQ(wizard.ShownPage(frame), kOutputLocPage);

    // The keys of the question: Escape answers No, Enter presses the button
    // that has the focus (Yes at first).
    PressKey(frame, VK_ESCAPE);  // Escape is Cancel too
    question = wizard.WaitForDialog("Brivel Question");
    ASSERT_NE(question, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(question) == GetDlgItem(question, IDYES); }));
    PressKey(FocusOf(question), VK_ESCAPE);
    ASSERT_TRUE(wizard.WaitUntilGone("Brivel Question"));
    EXPECT_EQ(wizard.WaitForExit(500), static_cast<DWORD>(STILL_ACTIVE));

    Click(frame, IDCANCEL);
    question = wizard.WaitForDialog("Brivel Question");
    ASSERT_NE(question, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(question) == GetDlgItem(question, IDYES); }));
    PressKey(FocusOf(question), VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(question) == GetDlgItem(question, IDNO); }));
    PressKey(FocusOf(question), VK_RETURN);
    ASSERT_TRUE(wizard.WaitUntilGone("Brivel Question"));
    EXPECT_EQ(wizard.WaitForExit(500), static_cast<DWORD>(STILL_ACTIVE)) << "Enter on No left the wizard";
    EXPECT_EQ(wizard.ShownPage(frame), kOutputLocPage);

    Click(frame, IDCANCEL);
    question = wizard.WaitForDialog("Brivel Question");
    ASSERT_NE(question, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(question) == GetDlgItem(question, IDYES); }));
    PressKey(FocusOf(question), VK_RETURN);
    EXPECT_EQ(wizard.WaitForExit(), 0u);
}

// The program has no Java VM here: the class path page, which starts it,
// shows the host's reason and keeps the user there (the pages after it run
// in the test process with the tests' VM host: wizard_c2j_run_tests).
TEST_F(WizardProgram, ComToJavaStopsAtTheClassPathPageWithoutAJavaRuntime) {
    ChooseRadio(wizard.Page(frame, kStartPage), IDC_COM_TO_JAVA);
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(frame, IDC_NEXT); }));
    EXPECT_EQ(Text(frame), "Brivel: COM to Java Bridge Builder");
    NextTo(kLoadPage);
    NextTo(kTypeSelPage);
    EXPECT_EQ(NextShowsMessage("Brivel Message"), "Please select one of the options");
    ChooseRadio(wizard.Page(frame, kTypeSelPage), IDC_CHOOSE_CLASSES);
    NextTo(kClassPathPage);
    HWND classPath = wizard.Page(frame, kClassPathPage);
    SetText(classPath, IDC_CLASS_PATH, "");
    EXPECT_EQ(NextShowsMessage("Error Message"), "Please specify CLASSPATH");
    SetText(classPath, IDC_CLASS_PATH, "C:\\classes");
    std::string reason = NextShowsMessage("Brivel Message");
    EXPECT_NE(reason, "(no Brivel Message)");
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(wizard.ShownPage(frame), kClassPathPage);
    EXPECT_TRUE(IsEnabled(classPath, IDC_CLASS_PATH)) << "no VM runs: the class path can still change";
    Click(frame, IDCANCEL);
    HWND question = wizard.WaitForDialog("Brivel Question", 3000);
    if (question) Click(question, IDYES);
    EXPECT_EQ(wizard.WaitForExit(), 0u);
}

TEST_F(WizardProgram, JarModeShowsTheJarErrorsAndKeepsTheProgramAndTheSavedSettings) {
    WriteProfileText("Dir", "C:\\projects\\");
    WriteProfileText("File", "shop.c2j");
    ChooseRadio(wizard.Page(frame, kStartPage), IDC_COM_TO_JAVA);
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(frame, IDC_NEXT); }));
    NextTo(kLoadPage);
    NextTo(kTypeSelPage);
    ChooseRadio(wizard.Page(frame, kTypeSelPage), IDC_ALL_FROM_JARS);
    NextTo(kJarfilesPage);
    HWND jars = wizard.Page(frame, kJarfilesPage);
    SendMessageA(GetDlgItem(jars, IDC_JAR_LIST), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("C:\\jars\\missing.jar"));
    NextTo(kLibNamePage);
    SetText(wizard.Page(frame, kLibNamePage), IDC_C2J_LIBRARY_NAME, "Shop");
    NextTo(kC2jOutputLocPage);
    SetText(wizard.Page(frame, kC2jOutputLocPage), IDC_C2J_OUTPUT_FOLDER, "C:\\");
    NextTo(kC2jSavePage);
    EXPECT_EQ(ItemText(wizard.Page(frame, kC2jSavePage), IDC_C2J_FILE), "C:\\Shop.c2j");

    // No Java VM can start here: the JAR's classes cannot be listed. Two
    // lines (the JAR and the reason) go to the information box.
    Click(frame, IDC_NEXT);
    HWND box = wizard.WaitForDialog("Brivel Message", 120000);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(TakeScreenshot("jar-load-errors", frame));
    EXPECT_EQ(ItemText(box, IDC_MESSAGE_TEXT),
              "The following errors occurred during loading the JAR file.\n\nJar File: C:\\jars\\missing.jar\n"
              "Unable to run Java\n\nPlease restart Brivel and add other/more JAR files, or build using \"Detailed "
              "Build\".");
    Click(box, IDOK);
    ASSERT_TRUE(wizard.WaitUntilGone("Brivel Message"));

    // The program goes on, on the same page, and the saved settings stay.
    EXPECT_EQ(wizard.WaitForExit(500), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_EQ(wizard.ShownPage(frame), kC2jSavePage);
    EXPECT_EQ(ReadProfileText("Dir"), "C:\\projects\\");
    EXPECT_EQ(ReadProfileText("File"), "shop.c2j");
    BackTo(kC2jOutputLocPage);
    Click(frame, IDCANCEL);
    EXPECT_EQ(wizard.WaitForExit(), 0u);
}

namespace {

// Writes a batch file with Windows line ends.
void WriteBatch(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    brivel::testing::WriteFileBytes(path, text);
}

std::string ReadText(const std::string& path) { return brivel::testing::ReadFileBytes(path); }

// The machine-wide CLASSPATH of the prefix, kept and put back by the test.
class SavedMachineClasspath {
public:
    static constexpr const char* kKey = "System\\CurrentControlSet\\Control\\Session Manager\\Environment";
    SavedMachineClasspath() {
        DWORD size = 0;
        if (RegGetValueA(HKEY_LOCAL_MACHINE, kKey, "CLASSPATH", RRF_RT_ANY | RRF_NOEXPAND, &type_, nullptr, &size) !=
            ERROR_SUCCESS)
            return;
        bytes_.resize(size);
        present_ = RegGetValueA(HKEY_LOCAL_MACHINE, kKey, "CLASSPATH", RRF_RT_ANY | RRF_NOEXPAND, &type_,
                                bytes_.data(), &size) == ERROR_SUCCESS;
    }
    ~SavedMachineClasspath() {
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
        if (present_) RegSetValueExA(key, "CLASSPATH", 0, type_, bytes_.data(), static_cast<DWORD>(bytes_.size()));
        else RegDeleteValueA(key, "CLASSPATH");
        RegCloseKey(key);
    }
    static std::string Current() {
        char value[8192] = "";
        DWORD size = sizeof value;
        if (RegGetValueA(HKEY_LOCAL_MACHINE, kKey, "CLASSPATH", RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                         nullptr, value, &size) != ERROR_SUCCESS)
            return "(none)";
        return value;
    }

private:
    bool present_ = false;
    DWORD type_ = REG_SZ;
    std::vector<BYTE> bytes_;
};

// The Java-to-COM wizard with the build service, the JDK's tools and the
// browser stood in for: stand-in javac, jar and javadoc batch files first
// on the wizard's PATH (javac waits for the test's word before it ends),
// HTML opened by the browser stand-in, the build service's stand-in on
// 127.0.0.1 as the HTTP proxy of the prefix's Internet settings.
class WizardBuildProgram : public WizardProgram {
protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "needs a display";
        tools_ = NewOutputFolder("tools");
        WriteBatch(tools_ + "\\javac.bat", {"@echo off", "echo javac %*>> \"%~dp0calls.log\"", ":wait",
                                            "if not exist \"%~dp0go-javac\" goto wait"});
        WriteBatch(tools_ + "\\jar.bat", {"@echo off", "echo jar %*>> \"%~dp0calls.log\"", "echo PK> %2"});
        WriteBatch(tools_ + "\\javadoc.bat",
                   {"@echo off", "echo javadoc %*>> \"%~dp0calls.log\"", "echo ^<HTML^>^</HTML^>> doc\\index.html"});
        char path[32767] = "";
        GetEnvironmentVariableA("PATH", path, sizeof path);
        path_ = path;
        SetEnvironmentVariableA("PATH", (tools_ + ";" + path_).c_str());
        html_ = std::make_unique<ScopedHtmlAssociation>(BrowserStandIn(), tools_ + "\\browser.txt");
        ASSERT_TRUE(service_.Start());
        internet_.UseProxy("http=127.0.0.1:" + std::to_string(service_.Port()));
        WizardProgram::SetUp();
    }
    void TearDown() override {
        if (!path_.empty()) SetEnvironmentVariableA("PATH", path_.c_str());
        html_.reset();
        service_.Stop();
    }

    // Java-to-COM with a fixture library into a fresh output folder, up to the build page.
    void WalkToBuildPage(const std::string& typeLibrary, const std::string& output) {
        ChooseRadio(wizard.Page(frame, kStartPage), IDC_JAVA_TO_COM);
        ASSERT_TRUE(WaitUntil([&] { return IsEnabled(frame, IDC_NEXT); }));
        NextTo(kComObjPage);
        SetText(wizard.Page(frame, kComObjPage), IDC_COM_FILE, typeLibrary);
        NextTo(kOutputLocPage);
        SetText(wizard.Page(frame, kOutputLocPage), IDC_OUTPUT_FOLDER, output);
        NextTo(kPkgPage);
        SetText(wizard.Page(frame, kPkgPage), IDC_PACKAGE, "test.bridge");
        NextTo(kLibPage);
        SetText(wizard.Page(frame, kLibPage), IDC_LIBRARY, "JBridge");
        NextTo(kAdvancedPage);
        NextTo(kFinishupPage);
        Click(frame, IDC_NEXT);
    }

    // The message box with the caption: its text, then closed.
    std::string AnswerBox(const char* caption) {
        HWND box = wizard.WaitForDialog(caption);
        if (!box) return "(no " + std::string(caption) + ")";
        std::string text = ItemText(box, IDC_MESSAGE_TEXT);
        Click(box, IDOK);
        EXPECT_TRUE(wizard.WaitUntilGone(caption));
        return text;
    }

    std::string tools_, path_;
    std::unique_ptr<ScopedHtmlAssociation> html_;
    brivel::buildservice::BuildServiceStandIn service_;
    brivel::remotebuild::testing::ScopedInternetSettings internet_;
};

}  // namespace

TEST_F(WizardBuildProgram, TheBuildPageRunsTheCommandFilesInOrderBuildsTheDllAndClosesWithTheReadmeAndTheClasspath) {
    SavedMachineClasspath savedClasspath;
    const std::string output = NewOutputFolder("build");
    const std::string dll = "MZ" + std::string(5000, 'd');
    service_.SetReply(brivel::buildservice::ScriptedReply::Ok().Estimate(1).Dll(dll));
    WalkToBuildPage(BridgeLibrary(), output);
    ASSERT_TRUE(wizard.WaitForPage(frame, kBuildPage, 120000)) << wizard.ShownPage(frame);
    HWND page = wizard.Page(frame, kBuildPage);
    EXPECT_EQ(ItemText(page, IDC_STEP_TEXT), "Step 1) Execute MakeJava.bat file in " + output + "\\");
    EXPECT_FALSE(IsEnabled(page, IDC_RUN_MAKE_JAR));
    EXPECT_FALSE(IsEnabled(page, IDC_RUN_MAKE_JAVADOC));
    EXPECT_TRUE(IsShown(page, IDC_RUN_MAKE_DLL));
    EXPECT_EQ(ItemText(page, IDC_RUN_MAKE_DLL), "Build JNI DLL") << "no C++ environment: MakeDLL.txt was written";
    EXPECT_TRUE(IsEnabled(page, IDC_VIEW_README));
    EXPECT_EQ(SendMessageA(GetDlgItem(page, IDC_VIEW_README), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(IsEnabled(page, IDC_ADD_TO_CLASSPATH));

    // MakeJava.bat runs; until it has ended, the page waits.
    Click(page, IDC_RUN_MAKE_JAVA);
    ASSERT_TRUE(WaitUntil([&] { return ReadText(tools_ + "\\calls.log").find("javac ") != std::string::npos; }));
    EXPECT_FALSE(IsEnabled(page, IDC_RUN_MAKE_JAVA));
    Sleep(500);
    EXPECT_FALSE(IsEnabled(page, IDC_RUN_MAKE_JAR));
    EXPECT_EQ(ItemText(page, IDC_STEP_TEXT), "Step 1) Execute MakeJava.bat file in " + output + "\\");
    brivel::testing::WriteFileBytes(tools_ + "\\go-javac", "go");
    // When a step ends the page opens what follows, then names the next step
    // last: once it names it, everything before it is done.
    ASSERT_TRUE(WaitUntil([&] {
        return ItemText(page, IDC_STEP_TEXT) == "Step 2) Execute MakeJar.bat file in " + output + "\\";
    })) << ItemText(page, IDC_STEP_TEXT);
    EXPECT_TRUE(IsEnabled(page, IDC_RUN_MAKE_JAR));
    EXPECT_TRUE(IsEnabled(page, IDC_RUN_MAKE_JAVADOC));
    EXPECT_NE(ReadText(tools_ + "\\calls.log").find("brivel18.jar;. -d . test/bridge/*.java"), std::string::npos)
        << ReadText(tools_ + "\\calls.log");

    Click(page, IDC_RUN_MAKE_JAR);
    ASSERT_TRUE(WaitUntil([&] {
        return ItemText(page, IDC_STEP_TEXT) == "Step 3) Execute MakeJavadoc.bat file in " + output + "\\";
    })) << ItemText(page, IDC_STEP_TEXT);
    EXPECT_TRUE(IsEnabled(page, IDC_ADD_TO_CLASSPATH));
    EXPECT_EQ(SendMessageA(GetDlgItem(page, IDC_ADD_TO_CLASSPATH), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(FileExists(output + "\\JBridge.jar"));

    Click(page, IDC_RUN_MAKE_JAVADOC);
    ASSERT_TRUE(WaitUntil([&] {
        return ItemText(page, IDC_STEP_TEXT) == "Step 4) Execute MakeDLL.bat file in " + output + "\\";
    })) << ItemText(page, IDC_STEP_TEXT);
    EXPECT_TRUE(IsEnabled(page, IDC_VIEW_JAVADOC));
    EXPECT_TRUE(FileExists(output + "\\doc\\index.html"));

    // The DLL through the build service, saved beside the bridge.
    Click(page, IDC_RUN_MAKE_DLL);
    HWND build = wizard.WaitForDialog("Building the JNI DLL");
    ASSERT_NE(build, nullptr);
    EXPECT_EQ(ItemText(build, IDC_CPP_FILE), output + "\\JBridge.cpp");
    EXPECT_EQ(ItemText(build, IDC_PROXY_DISPLAY), "127.0.0.1:" + std::to_string(service_.Port()));
    Click(build, IDC_BUILD_DLL);
    HWND location = wizard.WaitForDialog("Save the DLL");
    ASSERT_NE(location, nullptr);
    ChooseRadio(location, IDC_OTHER_LOCATION);
    SetText(location, IDC_LOCATION_PATH, output + "\\JBridge.dll");
    Click(location, IDOK);
    EXPECT_EQ(AnswerBox("Brivel Message"), "DLL saved as " + output + "\\JBridge.dll");
    ASSERT_TRUE(wizard.WaitUntilGone("Building the JNI DLL"));
    EXPECT_EQ(ReadText(output + "\\JBridge.dll"), dll);
    ASSERT_TRUE(WaitUntil([&] { return !IsEnabled(page, IDC_RUN_MAKE_DLL); }));
    EXPECT_EQ(ItemText(page, IDC_STEP_TEXT), "Build steps are complete");
    EXPECT_TRUE(TakeScreenshot("build-page-complete", frame));
    ASSERT_TRUE(service_.WaitForReplies(1, std::chrono::seconds(10)));
    EXPECT_EQ(service_.Requests().at(0).libraryName, "JBridge");
    EXPECT_EQ(service_.Requests().at(0).file, ReadText(output + "\\JBridge.cpp"));

    // Every step started: Close asks nothing, opens the readme and adds the JAR.
    // The javadoc box unticked: only the readme opens.
    SendMessageA(GetDlgItem(page, IDC_VIEW_JAVADOC), BM_SETCHECK, BST_UNCHECKED, 0);
    Click(frame, IDCANCEL);
    EXPECT_EQ(wizard.WaitForExit(), 0u);
    EXPECT_NE(html_->WaitForBrowser().find(output + "\\readme.html"), std::string::npos);
    char shortJar[MAX_PATH] = "";
    GetShortPathNameA((output + "\\JBridge.jar").c_str(), shortJar, sizeof shortJar);
    std::string classpath = SavedMachineClasspath::Current();
    ASSERT_GE(classpath.size(), strlen(shortJar) + 1);
    EXPECT_EQ(classpath.substr(classpath.size() - strlen(shortJar) - 1), ";" + std::string(shortJar)) << classpath;
}

TEST_F(WizardBuildProgram, ACommandFileThatCannotStartIsReportedAndAVariantPointerPointerIsNoted) {
    const std::string output = NewOutputFolder("shapes");
    WalkToBuildPage(WindowsPath(std::string(BRIVEL_FIXTURES) + "/Shapes.tlb"), output);
    EXPECT_EQ(AnswerBox("Brivel Message"),
              "NOTE:  The COM object(s) references pointer-to-pointer-to-VARIANT data type.  If you see \"Bad Data "
              "Type\" exceptions, run the wizard again and select \"Use virtual table model\" from \"Dual Interface "
              "Support...\" on the Advanced Options page");
    ASSERT_TRUE(wizard.WaitForPage(frame, kBuildPage, 120000)) << wizard.ShownPage(frame);
    HWND page = wizard.Page(frame, kBuildPage);

    DeleteFileA((output + "\\MakeJava.bat").c_str());
    Click(page, IDC_RUN_MAKE_JAVA);
    HWND box = wizard.WaitForDialog("Brivel");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return !IsEnabled(page, IDC_RUN_MAKE_JAVA); }));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(wizard.WaitUntilGone("Brivel"));
    Sleep(500);
    EXPECT_FALSE(IsEnabled(page, IDC_RUN_MAKE_JAR)) << "a command file that never ran opens up nothing";
    EXPECT_EQ(ItemText(page, IDC_STEP_TEXT), "Step 1) Execute MakeJava.bat file in " + output + "\\");

    Click(frame, IDCANCEL);
    HWND question = wizard.WaitForDialog("Brivel Question");
    ASSERT_NE(question, nullptr);
    Click(question, IDYES);
    EXPECT_EQ(wizard.WaitForExit(), 0u);
}
