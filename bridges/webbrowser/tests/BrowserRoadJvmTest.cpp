// The web-browser bridge's load hook, coclass natives and wrappers on the
// real i386 VM: Java programs (tests/java) use the test's browser server
// through the generated bridge and the runtime library.
#include "BrowserHarness.h"

namespace {
// A browser of the host's own, registered as the running object of the
// class that "Shell.Explorer" names, with the property "owner" = "host".
class RunningBrowser {
public:
    RunningBrowser() {
        CLSID clsid = BrowserTestClsid(kBrowserObject);
        if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                    reinterpret_cast<void**>(&browser_))))
            return;
        VARIANT args[2];
        V_VT(&args[1]) = VT_BSTR;
        V_BSTR(&args[1]) = SysAllocString(L"owner");
        V_VT(&args[0]) = VT_BSTR;
        V_BSTR(&args[0]) = SysAllocString(L"host");
        DISPPARAMS params = {args, nullptr, 2, 0};
        browser_->Invoke(302, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
        VariantClear(&args[0]);
        VariantClear(&args[1]);
        registered_ = SUCCEEDED(RegisterActiveObject(browser_, clsid, ACTIVEOBJECT_STRONG, &cookie_));
    }
    ~RunningBrowser() {
        if (registered_) RevokeActiveObject(cookie_, nullptr);
        if (browser_) browser_->Release();
    }
    bool Running() const { return registered_; }

private:
    IDispatch* browser_ = nullptr;
    DWORD cookie_ = 0;
    bool registered_ = false;
};

using BrowserRoad = BrowserHost;
}  // namespace

TEST_F(BrowserRoad, CoclassNativesCreateFindAndRefuseByTheRefreshedIdentifiers) {
    RunningBrowser running;
    ASSERT_TRUE(running.Running());
    RunProgram("creation");
}

TEST_F(BrowserRoad, WrappersPassFillersNamedPutsBooleansOutArraysAndFailures) {
    RunProgram("wrappers");
}

TEST_F(BrowserRoad, SearchAssistantGivesTypedObjectsAndEnumeratesItsSearches) {
    RunProgram("searches");
}

TEST_F(BrowserRoad, ShellWindowsTakeObjectsAndEnumerateTheirWindows) {
    RunProgram("shellWindows");
}
