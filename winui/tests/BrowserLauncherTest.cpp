// The browser launcher under Wine: the lookup against classes trees of the
// test's own (real registry keys of the prefix) and against the prefix's
// own HKEY_CLASSES_ROOT; the launch of a browser stand-in.
#include "BrowserLauncher.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <shlwapi.h>
#include <windows.h>

#include <string>

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A classes tree under HKEY_CURRENT_USER, unique to the process.
class BrowserLauncherTest : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        path_ = "Software\\BrivelTests\\Classes" + std::to_string(GetCurrentProcessId());
        SHDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root_,
                                  nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(root_);
        SHDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
        SetEnvironmentVariableA("BRIVEL_BROWSER_RECORD", nullptr);
        TempFolderTest::TearDown();
    }

    void SetDefault(const std::string& key, const std::string& value, DWORD type = REG_SZ) {
        HKEY k = nullptr;
        ASSERT_EQ(RegCreateKeyExA(root_, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(k, nullptr, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(k);
    }

    std::string Lookup() { return CBrowserLauncher(root_).GetBrowserPath().str(); }

    std::string StandInPath() const {
        char path[MAX_PATH] = {};
        DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
        std::string folder(path, length);
        return folder.substr(0, folder.find_last_of('\\') + 1) + "browser_stand_in.exe";
    }

    // Starts the stand-in with the page; the command line it saw.
    std::string LaunchAndRecord(const std::string& page) {
        std::string record = Path("record.txt");
        SetEnvironmentVariableA("BRIVEL_BROWSER_RECORD", record.c_str());
        EXPECT_TRUE(LaunchBrowser(StandInPath().c_str(), page.c_str()));
        for (int i = 0; i < 200; ++i) {
            std::string seen = brivel::testing::ReadFileBytes(record);
            if (!seen.empty()) return seen;
            Sleep(100);
        }
        return std::string();
    }

    std::string path_;
    HKEY root_ = nullptr;
};

}  // namespace

TEST_F(BrowserLauncherTest, AQuotedCommandGivesThePathBetweenItsQuotes) {
    SetDefault(".htm", "htmlfile");
    SetDefault("htmlfile\\shell\\open\\command", "\"C:\\Program Files\\Some Browser\\browse.exe\" -nohome \"%1\"");
    EXPECT_EQ(Lookup(), "C:\\Program Files\\Some Browser\\browse.exe");
}

TEST_F(BrowserLauncherTest, AnUnquotedCommandGivesItsTextUpToTheFirstBlank) {
    SetDefault(".htm", "page");
    SetDefault("page\\shell\\open\\command", "  C:\\browse\\browse.exe -nohome %1");
    EXPECT_EQ(Lookup(), "C:\\browse\\browse.exe");
}

TEST_F(BrowserLauncherTest, TheTypeComesFromHtmThenHtmlThenHttp) {
    SetDefault(".html", "htmltype");
    SetDefault("htmltype\\shell\\open\\command", "\"C:\\html.exe\"");
    SetDefault("http\\shell\\open\\command", "C:\\http.exe %1");
    EXPECT_EQ(Lookup(), "C:\\html.exe");

    SHDeleteKeyA(root_, ".html");
    EXPECT_EQ(Lookup(), "C:\\http.exe");
}

TEST_F(BrowserLauncherTest, WithoutACommandPagesGoToIExplore) {
    EXPECT_EQ(Lookup(), "IExplore.exe");
    SetDefault(".htm", "htmlfile");  // a type without a command: .html is not tried
    SetDefault(".html", "htmltype");
    SetDefault("htmltype\\shell\\open\\command", "C:\\html.exe");
    EXPECT_EQ(Lookup(), "IExplore.exe");
    SetDefault("htmlfile\\shell\\open\\command", "   ");
    EXPECT_EQ(Lookup(), "IExplore.exe") << "a command of blanks names no browser";
}

TEST_F(BrowserLauncherTest, ExpandableAndLongCommandsAreReadWhole) {
    SetDefault(".htm", "htmlfile");
    SetDefault("htmlfile\\shell\\open\\command", "\"%SystemRoot%\\browse.exe\" %1", REG_EXPAND_SZ);
    char root[MAX_PATH] = {};
    GetEnvironmentVariableA("SystemRoot", root, sizeof root);
    EXPECT_EQ(Lookup(), std::string(root) + "\\browse.exe");

    const std::string folder = "C:\\" + std::string(600, 'f');
    SetDefault("htmlfile\\shell\\open\\command", "\"" + folder + "\\b.exe\" -x " + std::string(400, 'a'), REG_SZ);
    EXPECT_EQ(Lookup(), folder + "\\b.exe");
}

TEST_F(BrowserLauncherTest, TheLookupRunsOncePerRun) {
    SetDefault(".htm", "htmlfile");
    SetDefault("htmlfile\\shell\\open\\command", "C:\\first.exe %1");
    CBrowserLauncher launcher(root_);
    EXPECT_EQ(launcher.GetBrowserPath(), "C:\\first.exe");
    SetDefault("htmlfile\\shell\\open\\command", "C:\\second.exe %1");
    EXPECT_EQ(launcher.GetBrowserPath(), "C:\\first.exe");
}

TEST_F(BrowserLauncherTest, ThePrefixsOwnHtmlCommandIsFound) {
    std::string path = CBrowserLauncher().GetBrowserPath().str();
    EXPECT_EQ(brivel::CompareNoCase(path.c_str(), "C:\\windows\\system32\\winebrowser.exe"), 0) << path;
}

TEST_F(BrowserLauncherTest, TheBrowserGetsThePageAsItsParameter) {
    std::string seen = LaunchAndRecord("http://build.example.test/page?a=1&b=2");
    EXPECT_NE(seen.find("browser_stand_in.exe"), std::string::npos) << seen;
    EXPECT_TRUE(EndsWith(seen, "browser_stand_in.exe\" http://build.example.test/page?a=1&b=2")) << seen;
}

TEST_F(BrowserLauncherTest, APageWithBlanksReachesTheBrowserAsOneParameter) {
    std::string seen = LaunchAndRecord("C:\\My Project\\readme.html");
    EXPECT_TRUE(EndsWith(seen, "browser_stand_in.exe\" \"C:\\My Project\\readme.html\"")) << seen;
}

TEST_F(BrowserLauncherTest, ABrowserThatCannotStartIsReported) {
    EXPECT_FALSE(LaunchBrowser(Path("missing.exe").c_str(), "http://x/"));
    EXPECT_EQ(BrowserLaunchFailedText("help\\index.html"),
              "help\\index.html:  Failed to launch browser, please start the browser and visit manually.");
}
