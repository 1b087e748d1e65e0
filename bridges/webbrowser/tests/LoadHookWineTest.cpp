// Jnavctl.dll under Wine: the platform's loader runs its DllMain, whose
// refresh reads the ProgIDs Wine's prefix registers for its own browser.
#include "BridgeUnderWine.h"

namespace {
// Wine registers "Shell.Explorer" for this class (and "Shell.Explorer.1"
// for the first version's, which the bridge compiled in for WebBrowser_V1).
const CLSID kRegisteredBrowser = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};

class JnavctlUnderWine : public BridgeUnderWine {
protected:
    void SetUp() override {
        for (const char* name : {"WebBrowser_V1", "WebBrowser"})
            java_.DefineClass(std::string("iexplorer/") + name, "brivel/TavoObject");
        LoadBridge("Jnavctl.dll");
    }
};
}  // namespace

TEST_F(JnavctlUnderWine, GuidTextsAreTheRegisteredProgIdsOrTheClassIdentifiers) {
    const struct {
        const char* jniClass;
        const char16_t* text;
    } kClasses[] = {
        {"WebBrowser_1V1", u"Shell.Explorer"},
        {"WebBrowser", u"Shell.Explorer"},
        {"InternetExplorer", u"InternetExplorer.Application"},
        {"ShellBrowserWindow", u"{C08AFD90-F2A1-11D1-8455-00A0C91F3880}"},
        {"ShellWindows", u"{9BA05972-F6A8-11CF-A442-00A0C90A8F39}"},
        {"ShellUIHelper", u"Shell.UIHelper"},
        {"ShellNameSpace", u"ShellNameSpace.ShellNameSpace"},
        {"ShellShellNameSpace", u"ShellNameSpace.ShellNameSpace"},
        {"CScriptErrorList", u"{EFD01300-160F-11D2-BB2E-00805FF7EFCA}"},
        {"SearchAssistantOC", u"SearchAssistantOC.SearchAssistantOC"},
        {"ShellSearchAssistantOC", u"SearchAssistantOC.SearchAssistantOC"},
    };
    for (const auto& c : kClasses) {
        auto guid = Native<GuidNative>(std::string("_Java_iexplorer_") + c.jniClass + "__1_1TavoGetGUID@8");
        ASSERT_NE(guid, nullptr) << c.jniClass;
        jstring text = guid(java_.env(), nullptr);
        EXPECT_TRUE(java_.TextIs(text, c.text)) << c.jniClass;
    }
}

TEST_F(JnavctlUnderWine, BothClassesOfTheSharedProgIdCreateTheClassItNames) {
    for (const char* name : {"WebBrowser_V1", "WebBrowser"}) {
        std::string jni = std::string(name) == "WebBrowser_V1" ? "WebBrowser_1V1" : name;
        auto create = Native<CreateNative>("_Java_iexplorer_" + jni + "__1_1TavoCreateObject@16");
        ASSERT_NE(create, nullptr) << name;
        jobject object = java_.New(std::string("iexplorer/") + name);
        ASSERT_TRUE(create(java_.env(), object, JNI_FALSE, JNI_FALSE)) << name;
        auto unknown = reinterpret_cast<IUnknown*>(static_cast<intptr_t>(java_.IntField(object, "__TavoComPtr")));
        ASSERT_NE(unknown, nullptr) << name;
        IPersist* persist = nullptr;
        ASSERT_EQ(unknown->QueryInterface(IID_IPersist, reinterpret_cast<void**>(&persist)), S_OK) << name;
        CLSID clsid = {};
        EXPECT_EQ(persist->GetClassID(&clsid), S_OK) << name;
        EXPECT_TRUE(IsEqualCLSID(clsid, kRegisteredBrowser)) << name << ": the class \"Shell.Explorer\" names";
        persist->Release();
        unknown->Release();
    }
}
