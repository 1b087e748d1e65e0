// The program-group client against the PROGMAN stand-in under Wine: what
// reaches the server, in which order, and what a missing server means.
#include <gtest/gtest.h>

#include <windows.h>
#include <ddeml.h>

#include <filesystem>

#include "ProgramFolder.h"
#include "ProgramGroupClient.h"
#include "TempFolder.h"
#include "WaitUntil.h"

using namespace brivel::setup;
using brivel::testing::ReadFileBytes;

namespace {

HDDEDATA CALLBACK NoTransactions(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

// The process of the server that a client reaches when it connects to
// "PROGMAN" now (0 when none answers). Wine's own shell answers "PROGMAN"
// too once its desktop runs; a client reaches the server whose window
// answers first, which is the newest: the stand-in started for the test.
DWORD ProcessAnsweringProgman() {
    DWORD instance = 0, process = 0;
    if (DdeInitializeA(&instance, NoTransactions, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) return 0;
    HSZ name = DdeCreateStringHandleA(instance, "PROGMAN", CP_WINANSI);
    if (HCONV conversation = DdeConnect(instance, name, name, nullptr)) {
        CONVINFO info = {};
        info.cb = sizeof info;
        if (DdeQueryConvInfo(conversation, QID_SYNC, &info)) GetWindowThreadProcessId(info.hwndPartner, &process);
        DdeDisconnect(conversation);
    }
    DdeFreeStringHandle(instance, name);
    DdeUninitialize(instance);
    return process;
}

// The stand-in server, started for one test.
class ProgmanStandIn {
public:
    bool Start(const std::string& record, const std::string& refusedPrefix = std::string()) {
        std::string commandLine = "\"" + brivel::testing::ProgramFolder() + "\\progman_stand_in.exe\" \"" + record + "\"";
        if (!refusedPrefix.empty()) commandLine += " --refuse \"" + refusedPrefix + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
            return false;
        // The record file appears once the service is registered.
        if (!brivel::testing::WaitUntil([&] {
                return std::filesystem::exists(record) || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
            }) ||
            !std::filesystem::exists(record))
            return false;
        DWORD answering = ProcessAnsweringProgman();
        EXPECT_EQ(answering, process_.dwProcessId) << "another PROGMAN server answers before the stand-in";
        std::filesystem::resize_file(record, 0);  // the check's own conversation sent nothing, but be sure
        return answering == process_.dwProcessId;
    }
    ~ProgmanStandIn() { Stop(); }
    void Stop() {
        if (!process_.hProcess) return;
        PostThreadMessageA(process_.dwThreadId, WM_QUIT, 0, 0);
        if (WaitForSingleObject(process_.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        process_ = PROCESS_INFORMATION();
    }

private:
    PROCESS_INFORMATION process_ = {};
};

// Sets the open command of ".htm" for the test (HKEY_CLASSES_ROOT\.htm
// names a class of the test's own) and puts the association back after.
class HtmAssociation {
public:
    explicit HtmAssociation(const std::string& openCommand) {
        saved_ = ReadDefault(".htm", savedType_);
        WriteDefault(std::string(kClass) + "\\shell\\open\\command", openCommand);
        WriteDefault(".htm", kClass);
    }
    ~HtmAssociation() {
        if (saved_) WriteDefault(".htm", savedType_);
        else RegDeleteKeyA(HKEY_CLASSES_ROOT, ".htm");
        for (const char* part : {"\\shell\\open\\command", "\\shell\\open", "\\shell", ""})
            RegDeleteKeyA(HKEY_CLASSES_ROOT, (std::string(kClass) + part).c_str());
    }

private:
    static constexpr const char* kClass = "BrivelProgmanTestPage";
    static bool ReadDefault(const std::string& path, std::string& value) {
        char text[1024] = "";
        LONG size = sizeof text;
        if (RegQueryValueA(HKEY_CLASSES_ROOT, path.c_str(), text, &size) != ERROR_SUCCESS) return false;
        value = text;
        return true;
    }
    static void WriteDefault(const std::string& path, const std::string& value) {
        RegSetValueA(HKEY_CLASSES_ROOT, path.c_str(), REG_SZ, value.c_str(), static_cast<DWORD>(value.size()));
    }
    bool saved_ = false;
    std::string savedType_;
};

class ProgramGroup : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        record_ = Path("progman-record.txt");
    }
    void TearDown() override {
        server_.Stop();
        TempFolderTest::TearDown();
    }
    std::string Recorded() const { return ReadFileBytes(record_); }

    std::string record_;
    ProgmanStandIn server_;
};

}  // namespace

TEST_F(ProgramGroup, GroupIsDeletedCreatedShownAndFilledInOrder) {
    ASSERT_TRUE(server_.Start(record_));
    SetGroupBaseFolder("C:\\BRIVEL~1\\");
    ASSERT_TRUE(CreateProgramGroup("Brivel", {"Brivel", "Brivel Documentation", "Brivel Com2Java Console"},
                                   {"Brivel.exe", "help\\Index.html", "BrivelC2jConsole.exe"}));
    EXPECT_EQ(Recorded(),
              "[DeleteGroup(\"Brivel\")]\r\n"
              "[CreateGroup(\"Brivel\")]\r\n"
              "[ShowGroup(\"Brivel\",1)]\r\n"
              "[AddItem(\"C:\\BRIVEL~1\\Brivel.exe\",\"Brivel\")]\r\n"
              "[AddItem(\"C:\\BRIVEL~1\\help\\Index.html\",\"Brivel Documentation\")]\r\n"
              "[AddItem(\"C:\\BRIVEL~1\\BrivelC2jConsole.exe\",\"Brivel Com2Java Console\")]\r\n");
}

TEST_F(ProgramGroup, SecondInstallationDeletesTheGroupFirst) {
    ASSERT_TRUE(server_.Start(record_));
    SetGroupBaseFolder("C:\\K\\");
    ASSERT_TRUE(CreateProgramGroup("Brivel", {"Brivel"}, {"Brivel.exe"}));
    ASSERT_TRUE(CreateProgramGroup("Brivel", {"Brivel"}, {"Brivel.exe"}));
    const std::string once = "[DeleteGroup(\"Brivel\")]\r\n[CreateGroup(\"Brivel\")]\r\n[ShowGroup(\"Brivel\",1)]\r\n"
                             "[AddItem(\"C:\\K\\Brivel.exe\",\"Brivel\")]\r\n";
    EXPECT_EQ(Recorded(), once + once);
}

TEST_F(ProgramGroup, FailedShowLeavesTheCreatedGroupEmpty) {
    ASSERT_TRUE(server_.Start(record_, "[ShowGroup"));
    SetGroupBaseFolder("C:\\K\\");
    EXPECT_TRUE(CreateProgramGroup("Brivel", {"Brivel"}, {"Brivel.exe"}));
    EXPECT_EQ(Recorded(), "[DeleteGroup(\"Brivel\")]\r\n[CreateGroup(\"Brivel\")]\r\n[ShowGroup(\"Brivel\",1)]\r\n");
}

TEST_F(ProgramGroup, UninstallerDeletesTheGroup) {
    ASSERT_TRUE(server_.Start(record_));
    ASSERT_TRUE(DeleteProgramGroup("Brivel Evaluation"));
    EXPECT_EQ(Recorded(), "[DeleteGroup(\"Brivel Evaluation\")]\r\n");
}

TEST_F(ProgramGroup, WithoutAServerNothingIsSentAndNothingStaysOpen) {
    // No server of this name: the prefix's own shell serves "PROGMAN".
    ASSERT_TRUE(InitializeDde());
    EXPECT_FALSE(ConnectDde("BrivelNoSuchService", "PROGMAN"));
    EXPECT_FALSE(SendDdeCommand("[DeleteGroup(\"Brivel\")]"));
    DisconnectDde();
    UninitializeDde();
    EXPECT_FALSE(SendDdeCommand("[DeleteGroup(\"Brivel\")]"));
    EXPECT_FALSE(ConnectDde("PROGMAN", "PROGMAN"));  // no instance
    // A server that comes later is found by the next call.
    ASSERT_TRUE(server_.Start(record_));
    EXPECT_TRUE(DeleteProgramGroup("Brivel"));
    EXPECT_EQ(Recorded(), "[DeleteGroup(\"Brivel\")]\r\n");
}

TEST_F(ProgramGroup, CommandsAreSentWithLineEndAndTerminatingZeroUpToTheLimit) {
    ASSERT_TRUE(server_.Start(record_));
    ASSERT_TRUE(InitializeDde());
    ASSERT_TRUE(ConnectDde("PROGMAN", "PROGMAN"));
    std::string longest(1021, 'x');
    EXPECT_TRUE(SendDdeCommand(longest));
    EXPECT_FALSE(SendDdeCommand(longest + "y"));
    // Items that would not fit, or whose command line holds a quote, are
    // refused and never reach the server.
    SetGroupBaseFolder("C:\\K\\");
    EXPECT_FALSE(AddGroupItem(std::string(1000, 't'), "title"));
    EXPECT_FALSE(AddGroupItem("a\"b.exe", "title"));
    EXPECT_TRUE(AddGroupItem("a.exe", "The \"kit\""));
    DisconnectDde();
    UninitializeDde();
    EXPECT_EQ(Recorded(), longest + "\r\n[AddItem(\"C:\\K\\a.exe\",\"The kit\")]\r\n");
}

TEST_F(ProgramGroup, AddressItemOpensTheDefaultBrowsersShortPath) {
    std::filesystem::create_directories(folder_ / "Web Browser");
    std::string browser = Path("Web Browser\\browse.exe");
    brivel::testing::WriteFileBytes(browser, "MZ");
    char shortBrowser[MAX_PATH];
    ASSERT_GT(GetShortPathNameA(browser.c_str(), shortBrowser, sizeof shortBrowser), 0u);
    ASSERT_EQ(std::string(shortBrowser).find(' '), std::string::npos) << shortBrowser;

    HtmAssociation association("  \"" + browser + "\" -new \"%1\"");
    EXPECT_EQ(DefaultBrowserProgram(), shortBrowser);
    char found[MAX_PATH];
    ASSERT_TRUE(FindDefaultBrowser(found, sizeof found));
    EXPECT_STREQ(found, shortBrowser);
    char tooSmall[4];
    EXPECT_FALSE(FindDefaultBrowser(tooSmall, sizeof tooSmall));

    ASSERT_TRUE(server_.Start(record_));
    SetGroupBaseFolder("C:\\K\\");
    ASSERT_TRUE(CreateProgramGroup("Brivel", {"Brivel on the Web"}, {"http://brivel.example/kit"}));
    EXPECT_EQ(Recorded(), "[DeleteGroup(\"Brivel\")]\r\n[CreateGroup(\"Brivel\")]\r\n[ShowGroup(\"Brivel\",1)]\r\n"
                          "[AddItem(\"" + std::string(shortBrowser) + " http://brivel.example/kit\",\"Brivel on the Web\")]\r\n");
}

TEST_F(ProgramGroup, BrowserCommandWithVariablesOrNoneStillRuns) {
    std::filesystem::create_directories(folder_ / "Web Browser");
    std::string browser = Path("Web Browser\\browse.exe");
    brivel::testing::WriteFileBytes(browser, "MZ");
    char shortBrowser[MAX_PATH];
    ASSERT_GT(GetShortPathNameA(browser.c_str(), shortBrowser, sizeof shortBrowser), 0u);
    // A variable that expands to a folder with a blank, quoted or not.
    SetEnvironmentVariableA("BRIVEL_TEST_BROWSER_HOME", (folder_ / "Web Browser").string().c_str());
    for (const char* command : {"%BRIVEL_TEST_BROWSER_HOME%\\browse.exe %1", "\"%BRIVEL_TEST_BROWSER_HOME%\\browse.exe\" %1"}) {
        HtmAssociation association(command);
        EXPECT_EQ(DefaultBrowserProgram(), shortBrowser) << command;
    }
    {
        // A bare program name is looked up on the search path.
        HtmAssociation association("cmd.exe /c %1");
        std::string program = DefaultBrowserProgram();
        EXPECT_TRUE(std::filesystem::exists(program)) << program;
        EXPECT_EQ(program.find(' '), std::string::npos) << program;
    }
}

TEST_F(ProgramGroup, StandInNoticesACommandWithoutItsTerminatingZero) {
    // What the record would show if the client left the zero out.
    ASSERT_TRUE(server_.Start(record_));
    DWORD instance = 0;
    ASSERT_EQ(DdeInitializeA(&instance, NoTransactions, APPCMD_CLIENTONLY, 0), static_cast<UINT>(DMLERR_NO_ERROR));
    HSZ name = DdeCreateStringHandleA(instance, "PROGMAN", CP_WINANSI);
    HCONV conversation = DdeConnect(instance, name, name, nullptr);
    ASSERT_NE(conversation, nullptr);
    char bytes[] = "[DeleteGroup(\"Brivel\")]\r\n";
    EXPECT_EQ(DdeClientTransaction(reinterpret_cast<LPBYTE>(bytes), sizeof bytes - 1, conversation, nullptr, CF_TEXT,
                                   XTYP_EXECUTE, 5000, nullptr),
              nullptr);
    DdeDisconnect(conversation);
    DdeFreeStringHandle(instance, name);
    DdeUninitialize(instance);
    EXPECT_EQ(Recorded(), "[DeleteGroup(\"Brivel\")]\r\n<no terminating zero>\r\n");
}
