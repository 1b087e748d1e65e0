// The configuration dialog of BrvService.exe under Wine, with its port and
// class-path dialogs: what it shows, its enabling rules, its checks and
// messages, and the configuration file it leaves.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "HostProgram.h"
#include "ServerFolder.h"
#include "resource.h"

using namespace brivel::serverhost::testing;

namespace {

constexpr const char kConfigCaption[] = "Brivel Server Configuration";

class ConfigProgram : public ::testing::Test {
protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "needs a display";
    }

    // The setup program with the configuration dialog open over it.
    HWND OpenConfiguration(const std::string& file) {
        server_.Write("BrivelServer.config", file);
        if (!program_.Start()) return nullptr;
        setup_ = program_.WaitForDialog(kSetupCaption);
        if (!setup_) return nullptr;
        return Reopen();
    }

    HWND Reopen() {
        Click(setup_, IDC_CONFIGURE);
        return program_.WaitForDialog(kConfigCaption);
    }

    // OK, and the message it brings up.
    std::string OkShows(HWND config) {
        Click(config, IDOK);
        return program_.Answer(kProgramCaption, IDOK);
    }

    // OK, which closes the dialog.
    void OkCloses(HWND config) {
        Click(config, IDOK);
        EXPECT_TRUE(program_.WaitUntilGone(kConfigCaption));
    }

    std::string File() const { return server_.Read("BrivelServer.config"); }

    ServerFolder server_;
    HostProgram program_{server_};
    HWND setup_ = nullptr;
};

}  // namespace

TEST_F(ConfigProgram, ShowsTheFilesSettingsWithOnlyCloseAndItsRulesFollowTheChecks) {
    const std::string file = "defaultPort: 25000\nenableSSL: 1\nSSLKeyFile: C:\\keys\\server.ks\n";
    HWND config = OpenConfiguration(file);
    ASSERT_NE(config, nullptr);
    EXPECT_EQ(ItemText(config, IDC_PORT), "25000");
    EXPECT_EQ(ItemText(config, IDC_SSL_PORT), "24045");
    EXPECT_TRUE(IsChecked(config, IDC_ENABLE_SSL));
    EXPECT_EQ(ItemText(config, IDC_KEY_FILE), "C:\\keys\\server.ks");
    EXPECT_TRUE(IsChecked(config, IDC_DEFAULT_AUTH));
    EXPECT_TRUE(IsShown(config, IDC_CLOSE));
    EXPECT_FALSE(IsShown(config, IDOK));
    EXPECT_FALSE(IsShown(config, IDCANCEL));
    for (int id : {IDC_SSL_PORT, IDC_CHANGE_SSL_PORT, IDC_KEY_FILE, IDC_BROWSE_KEY_FILE, IDC_PASSWORD, IDC_SSL_ONLY})
        EXPECT_TRUE(IsEnabled(config, id)) << "SSL control " << id;
    for (int id : {IDC_DEFAULT_AUTH, IDC_CUSTOM_AUTH, IDC_AUTH_FILE, IDC_AUTH_CLASS, IDC_AUTH_ARG})
        EXPECT_FALSE(IsEnabled(config, id)) << "authentication control " << id;
    EXPECT_TRUE(TakeScreenshot("server-configuration", config));

    Check(config, IDC_ENABLE_SSL, false);
    EXPECT_TRUE(WaitUntil([&] { return !IsEnabled(config, IDC_KEY_FILE); }));
    EXPECT_TRUE(IsShown(config, IDOK));
    EXPECT_TRUE(IsShown(config, IDCANCEL));
    EXPECT_FALSE(IsShown(config, IDC_CLOSE));

    Check(config, IDC_AUTH_REQUIRED);
    EXPECT_TRUE(WaitUntil([&] { return IsEnabled(config, IDC_AUTH_FILE); }));
    EXPECT_TRUE(IsEnabled(config, IDC_CUSTOM_AUTH));
    EXPECT_FALSE(IsEnabled(config, IDC_AUTH_CLASS));
    Check(config, IDC_CUSTOM_AUTH);
    EXPECT_TRUE(WaitUntil([&] { return IsEnabled(config, IDC_AUTH_CLASS); }));
    EXPECT_TRUE(IsEnabled(config, IDC_AUTH_ARG));
    EXPECT_FALSE(IsEnabled(config, IDC_AUTH_FILE));

    Click(config, IDCANCEL);
    EXPECT_TRUE(program_.WaitUntilGone(kConfigCaption));
    EXPECT_EQ(File(), file);
}

TEST_F(ConfigProgram, ThePortDialogTakesOnlyPortNumbersAndThePortBackAtItsDefaultLeavesTheFile) {
    HWND config = OpenConfiguration("; Server configuration file\ndefaultPort: 25000\n");
    ASSERT_NE(config, nullptr);
    Click(config, IDC_CHANGE_PORT);
    HWND port = program_.WaitForDialog("Port Selection");
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(ItemText(port, IDC_PORT_TYPE), "Normal");
    EXPECT_EQ(ItemText(port, IDC_DEFAULT_PORT), "24044");
    EXPECT_EQ(ItemText(port, IDC_PORT_NUMBER), "25000");
    EXPECT_EQ(ItemText(port, IDC_PORT_NOTE),
              "NOTE:  If you use a non-default port number for this Brivel server, all client programs that wish to "
              "access this server must also specify the same port number to Brivel.");
    SetText(port, IDC_PORT_NUMBER, "65536");
    Click(port, IDOK);
    EXPECT_EQ(program_.Answer(kProgramCaption, IDOK), "Please enter an integer between 1 and 65535.");
    SetText(port, IDC_PORT_NUMBER, "25x");
    Click(port, IDOK);
    EXPECT_EQ(program_.Answer(kProgramCaption, IDOK), "Please enter an integer.");
    EXPECT_TRUE(program_.Shows("Port Selection"));
    Click(port, IDC_USE_DEFAULT);
    EXPECT_TRUE(WaitUntil([&] { return ItemText(port, IDC_PORT_NUMBER) == "24044"; }));
    Click(port, IDOK);
    ASSERT_TRUE(program_.WaitUntilGone("Port Selection"));
    EXPECT_EQ(ItemText(config, IDC_PORT), "24044");
    EXPECT_TRUE(IsShown(config, IDOK));

    Click(config, IDC_CHANGE_SSL_PORT);
    port = program_.WaitForDialog("Port Selection");
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(ItemText(port, IDC_PORT_TYPE), "SSL");
    EXPECT_EQ(ItemText(port, IDC_DEFAULT_PORT), "24045");
    SetText(port, IDC_PORT_NUMBER, "443");
    Click(port, IDOK);
    ASSERT_TRUE(program_.WaitUntilGone("Port Selection"));
    OkCloses(config);
    EXPECT_EQ(File(), "; Server configuration file\r\nSSLPort: 443\r\n");
}

TEST_F(ConfigProgram, SslNeedsAnExistingKeystoreAndAPasswordAndSwitchedOffKeepsTheKeystore) {
    HWND config = OpenConfiguration("");
    ASSERT_NE(config, nullptr);
    Check(config, IDC_ENABLE_SSL);
    SetText(config, IDC_KEY_FILE, server_.Path("missing.ks"));
    EXPECT_EQ(OkShows(config), "If SSL is enabled, SSL keystore file and keystore password must be specified.");
    SetText(config, IDC_PASSWORD, "se#cret");
    EXPECT_EQ(OkShows(config), server_.Path("missing.ks") + ": SSL Keyfile not found");
    server_.Write("server.ks", "keys");
    SetText(config, IDC_KEY_FILE, server_.Path("server.ks"));
    OkCloses(config);
    EXPECT_EQ(File(), "enableSSL: 1\r\nSSLKeyFile: " + server_.Path("server.ks") + "\r\nSSLKeyPassword: se#cret\r\n");

    config = Reopen();
    ASSERT_NE(config, nullptr);
    Check(config, IDC_ENABLE_SSL, false);
    OkCloses(config);
    EXPECT_EQ(File(), "SSLKeyFile: " + server_.Path("server.ks") + "\r\nSSLKeyPassword: se#cret\r\n");
}

TEST_F(ConfigProgram, DefaultAuthenticationNeedsAnExistingFileOfClients) {
    HWND config = OpenConfiguration("CustomAuth: 1\nAuthClass: com.example.Auth\n");
    ASSERT_NE(config, nullptr);
    Check(config, IDC_AUTH_REQUIRED);
    Check(config, IDC_DEFAULT_AUTH);
    EXPECT_EQ(OkShows(config), "A file must be provided that lists authorized clients");
    SetText(config, IDC_AUTH_FILE, server_.Path("clients.txt"));
    EXPECT_EQ(OkShows(config), server_.Path("clients.txt") + ": Authorization file not found");
    server_.Write("clients.txt", "someone\n");
    OkCloses(config);
    EXPECT_EQ(File(), "AuthClass: com.example.Auth\r\nAuthRequired: 1\r\nAuthFile: " + server_.Path("clients.txt") + "\r\n");
}

TEST_F(ConfigProgram, ACustomClassIsRunThroughItsCheckerAndARefusedOneIsNotStored) {
    const std::string file = "; Server configuration file\n";
    HWND config = OpenConfiguration(file);
    ASSERT_NE(config, nullptr);
    Check(config, IDC_AUTH_REQUIRED);
    Check(config, IDC_CUSTOM_AUTH);
    EXPECT_EQ(OkShows(config), "Name of Java class for doing Custom Authorization must be provided");
    SetText(config, IDC_AUTH_CLASS, "refused.Auth");
    EXPECT_EQ(OkShows(config), "The class refused.Auth does not implement brivel.TavoAuth");
    EXPECT_EQ(File(), file);
    SetText(config, IDC_AUTH_CLASS, "silent.Auth");
    EXPECT_EQ(OkShows(config), "Custom authorization class check failed, the check gave no answer");
    SetText(config, IDC_AUTH_CLASS, "com.example.Auth");
    SetText(config, IDC_AUTH_ARG, "realm=test");
    OkCloses(config);
    EXPECT_EQ(File(), "; Server configuration file\r\nAuthRequired: 1\r\nCustomAuth: 1\r\nAuthClass: com.example.Auth\r\n"
                      "AuthArg: realm=test\r\n");
}

TEST_F(ConfigProgram, AFileThatCannotBeWrittenIsSaidAndTheDialogStays) {
    HWND config = OpenConfiguration("");
    ASSERT_NE(config, nullptr);
    CreateDirectoryA(server_.Path("BrivelServer.config.new").c_str(), nullptr);  // where the file is written first
    Check(config, IDC_SSL_ONLY);
    EXPECT_EQ(OkShows(config), "Unable to write configuration file " + server_.Path("BrivelServer.config"));
    EXPECT_TRUE(program_.Shows(kConfigCaption));
    RemoveDirectoryA(server_.Path("BrivelServer.config.new").c_str());
    OkCloses(config);
    EXPECT_EQ(File(), "SSLOnly: 1\r\n");
}

namespace {
void Select(HWND dialog, int index) {
    HWND list = GetDlgItem(dialog, IDC_CLASSPATH_LIST);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_CLASSPATH_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}
}  // namespace

TEST_F(ConfigProgram, ClassPathEntriesAreEditedInTheirDialogAndCancelOfTheConfigurationTakesThemBack) {
    const std::string file = "ExtraClasspath: C:\\lib\\a.jar;;C:\\classes\n";
    HWND config = OpenConfiguration(file);
    ASSERT_NE(config, nullptr);
    Click(config, IDC_EXTRA_CLASSPATH);
    HWND paths = program_.WaitForDialog("Additional ClassPath");
    ASSERT_NE(paths, nullptr);
    EXPECT_EQ(ListEntries(paths, IDC_CLASSPATH_LIST), "C:\\lib\\a.jar|C:\\classes");
    EXPECT_FALSE(IsEnabled(paths, IDC_DELETE_ENTRY));
    Select(paths, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsEnabled(paths, IDC_DELETE_ENTRY); }));
    Click(paths, IDC_DELETE_ENTRY);
    EXPECT_TRUE(WaitUntil([&] { return ListEntries(paths, IDC_CLASSPATH_LIST) == "C:\\classes"; }));
    EXPECT_FALSE(IsEnabled(paths, IDC_DELETE_ENTRY));

    server_.Write("extra.jar", "PK");
    Click(paths, IDC_ADD_JAR);
    HWND picker = program_.WaitForDialog("JAR File to add to additional CLASSPATH items");
    ASSERT_NE(picker, nullptr);
    // The name field: a combo box in the newer template, an edit in the older.
    if (!SetDlgItemTextA(picker, 1148, server_.Path("extra.jar").c_str()))
        SetDlgItemTextA(picker, 1152, server_.Path("extra.jar").c_str());
    Click(picker, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return ListEntries(paths, IDC_CLASSPATH_LIST) == "C:\\classes|" + server_.Path("extra.jar"); }))
        << ListEntries(paths, IDC_CLASSPATH_LIST);
    Click(paths, IDOK);
    ASSERT_TRUE(program_.WaitUntilGone("Additional ClassPath"));
    EXPECT_TRUE(IsShown(config, IDOK));

    Click(config, IDCANCEL);
    ASSERT_TRUE(program_.WaitUntilGone(kConfigCaption));
    EXPECT_EQ(File(), file);
    config = Reopen();
    ASSERT_NE(config, nullptr);
    Click(config, IDC_EXTRA_CLASSPATH);
    paths = program_.WaitForDialog("Additional ClassPath");
    ASSERT_NE(paths, nullptr);
    EXPECT_EQ(ListEntries(paths, IDC_CLASSPATH_LIST), "C:\\lib\\a.jar|C:\\classes");  // what Cancel took back

    for (const char* left : {"C:\\classes", ""}) {
        Select(paths, 0);
        ASSERT_TRUE(WaitUntil([&] { return IsEnabled(paths, IDC_DELETE_ENTRY); }));
        Click(paths, IDC_DELETE_ENTRY);
        ASSERT_TRUE(WaitUntil([&] { return ListEntries(paths, IDC_CLASSPATH_LIST) == left; }));
    }
    Click(paths, IDOK);
    ASSERT_TRUE(program_.WaitUntilGone("Additional ClassPath"));
    OkCloses(config);
    EXPECT_EQ(File(), "");
}
