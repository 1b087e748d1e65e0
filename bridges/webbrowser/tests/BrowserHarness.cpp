#include "BrowserHarness.h"

#include <cstdio>

namespace {
std::string ClsidText(const CLSID& clsid) {
    char text[40];
    snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
             static_cast<unsigned long>(clsid.Data1), clsid.Data2, clsid.Data3, clsid.Data4[0], clsid.Data4[1],
             clsid.Data4[2], clsid.Data4[3], clsid.Data4[4], clsid.Data4[5], clsid.Data4[6], clsid.Data4[7]);
    return text;
}
}  // namespace

BrowserHost::BrowserHost()
    : BridgeJvmHost({"libbrivel_webbrowser_server.so", "BrowserOutstandingReferences", "libJnavctl.so",
                     "webbrowser/test/BrowserRoad", "webbrowser/test/Listeners",
                     {BRIVEL18_JAR, BRIVEL_SERVER_JAR, JNAVCTL_JAR, JNAVCTL_TEST_JAR}}) {}

void BrowserHost::RegisterServer(const std::string& library) {
    for (int kind = 0; kind < 4; ++kind) RegisterClass(ClsidText(BrowserTestClsid(kind)), library);
    // Compiled identifiers of InternetExplorer, ShellWindows and ShellNameSpace.
    RegisterClass("{0002DF01-0000-0000-C000-000000000046}", library);
    RegisterClass("{9BA05972-F6A8-11CF-A442-00A0C90A8F39}", library);
    RegisterClass("{55136805-B2DE-11D1-B9F2-00A0C98BC547}", library);
    // ProgIDs that name the test classes: the load hook refreshes the
    // identifiers of WebBrowser_V1, WebBrowser, SearchAssistantOC and
    // ShellSearchAssistantOC from them.
    SetText("Shell.Explorer\\CLSID", nullptr, ClsidText(BrowserTestClsid(kBrowserObject)));
    SetText("SearchAssistantOC.SearchAssistantOC\\CLSID", nullptr, ClsidText(BrowserTestClsid(kSearchObject)));
}

void BrowserHost::FindExports() {
    fire_ = Export<BrowserFireFn>("BrowserFire");
    sinks_ = Export<BrowserSinksFn>("BrowserSinks");
    ASSERT_TRUE(fire_ && sinks_);
}
