// The web-browser bridge's event sinks on the real i386 VM: the host fires
// every event of the five event interfaces at the sinks that Java listeners
// advised on the browser server's objects (through its connection points),
// and reads what the listeners heard and wrote back.

#include <thread>
#include <vector>

#include "BrowserHarness.h"

namespace {
const IID kDWebBrowserEvents2 = {0x34A715A0, 0x6587, 0x11D0, {0x92, 0x4A, 0x00, 0x20, 0xAF, 0xC7, 0xAC, 0x4D}};
const IID kDWebBrowserEvents = {0xEAB22AC2, 0x30C1, 0x11CF, {0xA7, 0xEB, 0x00, 0x00, 0xC0, 0x5B, 0xAE, 0x0B}};
const IID kDShellWindowsEvents = {0xFE4106E0, 0x399A, 0x11D0, {0xA4, 0x8C, 0x00, 0xA0, 0xC9, 0x0A, 0x8F, 0x39}};
const IID kSearchAssistantEvents = {0x1611FDDA, 0x445B, 0x11D2, {0x85, 0xDE, 0x00, 0xC0, 0x4F, 0xA3, 0x5C, 0x89}};
const IID kDShellNameSpaceEvents = {0x55136806, 0xB2DE, 0x11D1, {0xB9, 0xF2, 0x00, 0xA0, 0xC9, 0x8B, 0xC5, 0x47}};
const IID kBrivelQueryIID = {0xB14F3C49, 0x0C7B, 0x4439, {0xA2, 0x48, 0x62, 0x29, 0xFE, 0x6D, 0x96, 0x05}};

// One event: where it is fired, its DISPID and name, and its parameters,
// one letter each: S BSTR, I long, B VARIANT_BOOL, D IDispatch, V VARIANT by
// reference, b VARIANT_BOOL by reference, i long by reference, d IDispatch
// by reference.
struct Event {
    int kind;
    const IID* events;
    DISPID id;
    const char* name;
    const char* params;
};

const Event kEvents[] = {
    {kBrowserObject, &kDWebBrowserEvents2, 102, "StatusTextChange", "S"},
    {kBrowserObject, &kDWebBrowserEvents2, 108, "ProgressChange", "II"},
    {kBrowserObject, &kDWebBrowserEvents2, 105, "CommandStateChange", "IB"},
    {kBrowserObject, &kDWebBrowserEvents2, 106, "DownloadBegin", ""},
    {kBrowserObject, &kDWebBrowserEvents2, 104, "DownloadComplete", ""},
    {kBrowserObject, &kDWebBrowserEvents2, 113, "TitleChange", "S"},
    {kBrowserObject, &kDWebBrowserEvents2, 112, "PropertyChange", "S"},
    {kBrowserObject, &kDWebBrowserEvents2, 250, "BeforeNavigate2", "DVVVVVb"},
    {kBrowserObject, &kDWebBrowserEvents2, 251, "NewWindow2", "db"},
    {kBrowserObject, &kDWebBrowserEvents2, 252, "NavigateComplete2", "DV"},
    {kBrowserObject, &kDWebBrowserEvents2, 259, "DocumentComplete", "DV"},
    {kBrowserObject, &kDWebBrowserEvents2, 253, "OnQuit", ""},
    {kBrowserObject, &kDWebBrowserEvents2, 254, "OnVisible", "B"},
    {kBrowserObject, &kDWebBrowserEvents2, 255, "OnToolBar", "B"},
    {kBrowserObject, &kDWebBrowserEvents2, 256, "OnMenuBar", "B"},
    {kBrowserObject, &kDWebBrowserEvents2, 257, "OnStatusBar", "B"},
    {kBrowserObject, &kDWebBrowserEvents2, 258, "OnFullScreen", "B"},
    {kBrowserObject, &kDWebBrowserEvents2, 260, "OnTheaterMode", "B"},
    {kBrowserObject, &kDWebBrowserEvents2, 262, "WindowSetResizable", "B"},
    {kBrowserObject, &kDWebBrowserEvents2, 264, "WindowSetLeft", "I"},
    {kBrowserObject, &kDWebBrowserEvents2, 265, "WindowSetTop", "I"},
    {kBrowserObject, &kDWebBrowserEvents2, 266, "WindowSetWidth", "I"},
    {kBrowserObject, &kDWebBrowserEvents2, 267, "WindowSetHeight", "I"},
    {kBrowserObject, &kDWebBrowserEvents2, 263, "WindowClosing", "Bb"},
    {kBrowserObject, &kDWebBrowserEvents2, 268, "ClientToHostWindow", "ii"},
    {kBrowserObject, &kDWebBrowserEvents2, 269, "SetSecureLockIcon", "I"},
    {kBrowserObject, &kDWebBrowserEvents2, 270, "FileDownload", "b"},
    {kBrowserObject, &kDWebBrowserEvents2, 271, "NavigateError", "DVVVb"},
    {kBrowserObject, &kDWebBrowserEvents2, 225, "PrintTemplateInstantiation", "D"},
    {kBrowserObject, &kDWebBrowserEvents2, 226, "PrintTemplateTeardown", "D"},
    {kBrowserObject, &kDWebBrowserEvents2, 227, "UpdatePageStatus", "DVV"},
    {kBrowserObject, &kDWebBrowserEvents2, 272, "PrivacyImpactedStateChange", "B"},
    {kBrowserObject, &kDWebBrowserEvents2, 273, "NewWindow3", "dbISS"},
    {kBrowserObject, &kDWebBrowserEvents, 100, "BeforeNavigate", "SISVSb"},
    {kBrowserObject, &kDWebBrowserEvents, 101, "NavigateComplete", "S"},
    {kBrowserObject, &kDWebBrowserEvents, 102, "StatusTextChange", "S"},
    {kBrowserObject, &kDWebBrowserEvents, 108, "ProgressChange", "II"},
    {kBrowserObject, &kDWebBrowserEvents, 104, "DownloadComplete", ""},
    {kBrowserObject, &kDWebBrowserEvents, 105, "CommandStateChange", "IB"},
    {kBrowserObject, &kDWebBrowserEvents, 106, "DownloadBegin", ""},
    {kBrowserObject, &kDWebBrowserEvents, 107, "NewWindow", "SISVSb"},
    {kBrowserObject, &kDWebBrowserEvents, 113, "TitleChange", "S"},
    {kBrowserObject, &kDWebBrowserEvents, 200, "FrameBeforeNavigate", "SISVSb"},
    {kBrowserObject, &kDWebBrowserEvents, 201, "FrameNavigateComplete", "S"},
    {kBrowserObject, &kDWebBrowserEvents, 204, "FrameNewWindow", "SISVSb"},
    {kBrowserObject, &kDWebBrowserEvents, 103, "Quit", "b"},
    {kBrowserObject, &kDWebBrowserEvents, 109, "WindowMove", ""},
    {kBrowserObject, &kDWebBrowserEvents, 110, "WindowResize", ""},
    {kBrowserObject, &kDWebBrowserEvents, 111, "WindowActivate", ""},
    {kBrowserObject, &kDWebBrowserEvents, 112, "PropertyChange", "S"},
    {kShellWindowsObject, &kDShellWindowsEvents, 200, "WindowRegistered", "I"},
    {kShellWindowsObject, &kDShellWindowsEvents, 201, "WindowRevoked", "I"},
    {kSearchObject, &kSearchAssistantEvents, 1, "OnNextMenuSelect", "I"},
    {kSearchObject, &kSearchAssistantEvents, 2, "OnNewSearch", ""},
    {kNameSpaceObject, &kDShellNameSpaceEvents, 1, "FavoritesSelectionChange", "IISSISI"},
    {kNameSpaceObject, &kDShellNameSpaceEvents, 2, "SelectionChange", ""},
    {kNameSpaceObject, &kDShellNameSpaceEvents, 3, "DoubleClick", ""},
    {kNameSpaceObject, &kDShellNameSpaceEvents, 4, "Initialized", ""},
};

// The arguments of one firing, made from an event's parameter letters, and
// the places the by-reference ones point at.
class Arguments {
public:
    Arguments(const char* params, IDispatch* object) : object_(object) {
        size_t n = strlen(params);
        values_.resize(n);
        inner_.resize(n);
        bools_.resize(n, VARIANT_FALSE);
        longs_.resize(n, 5);
        objects_.resize(n, nullptr);
        for (size_t i = 0; i < n; ++i) {
            VARIANT& v = values_[n - 1 - i];  // the caller's array holds the last parameter first
            VariantInit(&v);
            VariantInit(&inner_[i]);
            std::string number = std::to_string(i + 1);
            switch (params[i]) {
            case 'S':
                V_VT(&v) = VT_BSTR;
                V_BSTR(&v) = SysAllocString(reinterpret_cast<const OLECHAR*>(std::u16string(u"t" + ToU16(number)).c_str()));
                expected_.push_back("t" + number);
                break;
            case 'I':
                V_VT(&v) = VT_I4;
                V_I4(&v) = 10 + static_cast<LONG>(i);
                expected_.push_back(std::to_string(10 + i));
                break;
            case 'B':
                V_VT(&v) = VT_BOOL;
                V_BOOL(&v) = VARIANT_TRUE;
                expected_.push_back("true");
                break;
            case 'D':
                V_VT(&v) = VT_DISPATCH;
                V_DISPATCH(&v) = object_;
                expected_.push_back("IWebBrowser");
                break;
            case 'V':
                V_VT(&inner_[i]) = VT_BSTR;
                V_BSTR(&inner_[i]) = SysAllocString(reinterpret_cast<const OLECHAR*>(std::u16string(u"v" + ToU16(number)).c_str()));
                V_VT(&v) = VT_BYREF | VT_VARIANT;
                V_VARIANTREF(&v) = &inner_[i];
                expected_.push_back("V:v" + number);
                break;
            case 'b':
                V_VT(&v) = VT_BYREF | VT_BOOL;
                V_BOOLREF(&v) = &bools_[i];
                expected_.push_back("[false]");
                break;
            case 'i':
                V_VT(&v) = VT_BYREF | VT_I4;
                V_I4REF(&v) = &longs_[i];
                expected_.push_back("[5]");
                break;
            case 'd':
                object_->AddRef();  // the caller's reference in its slot
                objects_[i] = object_;
                V_VT(&v) = VT_BYREF | VT_DISPATCH;
                V_DISPATCHREF(&v) = &objects_[i];
                expected_.push_back("[TavoObject]");  // a plain object, as a reference slot's value comes
                break;
            }
        }
        params_ = {values_.data(), nullptr, static_cast<UINT>(n), 0};
    }
    ~Arguments() {
        for (size_t i = 0; i < values_.size(); ++i) {
            if (V_VT(&values_[i]) == VT_BSTR) SysFreeString(V_BSTR(&values_[i]));
            VariantClear(&inner_[i]);
            if (objects_[i]) objects_[i]->Release();
        }
    }
    DISPPARAMS* Params() { return &params_; }
    // "Name(value, ...)" as the listeners write it.
    std::string Heard(const char* name) const {
        std::string text = std::string(name) + "(";
        for (size_t i = 0; i < expected_.size(); ++i) text += (i ? ", " : "") + expected_[i];
        return text + ")";
    }
    VARIANT_BOOL Bool(size_t i) const { return bools_[i]; }
    LONG Long(size_t i) const { return longs_[i]; }
    IDispatch* Object(size_t i) const { return objects_[i]; }

private:
    static std::u16string ToU16(const std::string& s) { return std::u16string(s.begin(), s.end()); }

    IDispatch* object_;
    std::vector<VARIANT> values_, inner_;
    std::vector<VARIANT_BOOL> bools_;
    std::vector<LONG> longs_;
    std::vector<IDispatch*> objects_;
    std::vector<std::string> expected_;
    DISPPARAMS params_;
};

class BrowserEvents : public BrowserHost {
protected:
    void SetUp() override {
        BrowserHost::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(SUCCEEDED(CoCreateInstance(BrowserTestClsid(kBrowserObject), nullptr, CLSCTX_INPROC_SERVER,
                                               IID_IDispatch, reinterpret_cast<void**>(&object_))));
        RunProgram("listen");
    }
    void TearDown() override {
        if (env_ && object_) {
            auto weak = static_cast<jobjectArray>(CallRoad("stopListening", "()[Ljava/lang/Object;"));
            EXPECT_EQ(sinks_(kBrowserObject, &kDWebBrowserEvents2) + sinks_(kBrowserObject, &kDWebBrowserEvents), 0);
            // The sinks, released by the server's Unadvise and the listeners'
            // TavoRelease, let go of the listeners.
            EXPECT_NE(CallRoad("collected", "([Ljava/lang/Object;)Z", weak), nullptr) << "a listener was kept";
        }
        if (object_) object_->Release();
        BrowserHost::TearDown();
    }

    // The sink behind listener `i` of BrowserRoad.listen().
    IDispatch* SinkOf(int i) {
        jobject listener = CallRoad("listener", "(I)Lbrivel/TavoEventListener;", i);
        IDispatch* sink = SinkOfListener(listener);
        env_->DeleteLocalRef(listener);  // the host's thread never returns to Java: a kept reference would keep the listener
        return sink;
    }

    IDispatch* object_ = nullptr;
};
}  // namespace

TEST_F(BrowserEvents, EveryEventReachesItsListenerWithItsParametersAndOutValuesGoBack) {
    for (const Event& e : kEvents) {
        Arguments args(e.params, object_);
        EXPECT_EQ(fire_(e.kind, e.events, e.id, args.Params()), S_OK) << e.name;
        EXPECT_EQ(Heard(), args.Heard(e.name)) << e.name;
        for (size_t i = 0; e.params[i]; ++i) {
            if (e.params[i] == 'b') {
                EXPECT_EQ(args.Bool(i), VARIANT_TRUE) << e.name << " flag " << i;
            }
            if (e.params[i] == 'i') {
                EXPECT_EQ(args.Long(i), 105) << e.name << " long " << i;
            }
            if (e.params[i] == 'd') {
                // The listener's object, with a reference of the caller's own;
                // the caller's old reference was released.
                IDispatch* now = args.Object(i);
                EXPECT_NE(now, nullptr) << e.name;
                EXPECT_NE(now, object_) << e.name;
            }
        }
    }
}

TEST_F(BrowserEvents, AListenerThatThrowsIsReportedAndItsOutValuesStay) {
    SetFailing("BeforeNavigate2");
    Arguments args("DVVVVVb", object_);
    EXPECT_EQ(fire_(kBrowserObject, &kDWebBrowserEvents2, 250, args.Params()), S_OK);
    EXPECT_EQ(Heard(), args.Heard("BeforeNavigate2") +
                           "\nexception BeforeNavigate2: java.lang.IllegalStateException: listener failed in BeforeNavigate2");
    EXPECT_EQ(args.Bool(6), VARIANT_FALSE) << "Cancel is not written back";

    SetFailing("NewWindow3");
    Arguments window("dbISS", object_);
    EXPECT_EQ(fire_(kBrowserObject, &kDWebBrowserEvents2, 273, window.Params()), S_OK);
    EXPECT_EQ(Heard(), window.Heard("NewWindow3") +
                           "\nexception NewWindow3: java.lang.IllegalStateException: listener failed in NewWindow3");
    EXPECT_EQ(window.Object(0), object_) << "the caller's object stays in its slot";
    EXPECT_EQ(window.Bool(1), VARIANT_FALSE);

    SetFailing("ClientToHostWindow");
    Arguments sizes("ii", object_);
    EXPECT_EQ(fire_(kBrowserObject, &kDWebBrowserEvents2, 268, sizes.Params()), S_OK);
    EXPECT_EQ(sizes.Long(0), 5);
    EXPECT_EQ(sizes.Long(1), 5);
    Heard();
    SetFailing("");
}

TEST_F(BrowserEvents, NamedArgumentsAreFoundByTheirPositionsAndOthersFromTheEnd) {
    IDispatch* sink = SinkOf(0);  // DWebBrowserEvents2
    ASSERT_NE(sink, nullptr);
    // Both named, in reverse order.
    VARIANT two[2];
    V_VT(&two[0]) = VT_I4;
    V_I4(&two[0]) = 9;  // ProgressMax, parameter 1
    V_VT(&two[1]) = VT_I4;
    V_I4(&two[1]) = 7;  // Progress, parameter 0
    DISPID names[2] = {1, 0};
    DISPPARAMS named = {two, names, 2, 2};
    EXPECT_EQ(sink->Invoke(108, IID_NULL, 0, DISPATCH_METHOD, &named, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(Heard(), "ProgressChange(7, 9)");

    // The trailing parameter named, the first one by position.
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT mixed[2];
    V_VT(&mixed[0]) = VT_BYREF | VT_BOOL;
    V_BOOLREF(&mixed[0]) = &cancel;  // Cancel, parameter 1, named
    V_VT(&mixed[1]) = VT_BOOL;
    V_BOOL(&mixed[1]) = VARIANT_TRUE;  // IsChildWindow, parameter 0
    DISPID cancelName = 1;
    DISPPARAMS partly = {mixed, &cancelName, 2, 1};
    EXPECT_EQ(sink->Invoke(263, IID_NULL, 0, DISPATCH_METHOD, &partly, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(Heard(), "WindowClosing(true, [false])");
    EXPECT_EQ(cancel, VARIANT_TRUE);

    // Fewer arguments than the event declares: nothing is read past them,
    // the event's method is not called, and the listener hears of the refusal.
    DISPPARAMS short_ = {two, nullptr, 1, 0};
    EXPECT_EQ(sink->Invoke(108, IID_NULL, 0, DISPATCH_METHOD, &short_, nullptr, nullptr, nullptr), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Heard(), "error ProgressChange: Argument count mismatch");

    // An event the interface does not have.
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    EXPECT_EQ(sink->Invoke(999, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(Heard(), "");
}

TEST_F(BrowserEvents, SinksAnswerTheirInterfacesAndTheirEventIdentifier) {
    const IID* kinds[] = {&kDWebBrowserEvents2, &kDWebBrowserEvents, &kDShellWindowsEvents, &kSearchAssistantEvents,
                          &kDShellNameSpaceEvents};
    for (int i = 0; i < 5; ++i) {
        IDispatch* sink = SinkOf(i);
        ASSERT_NE(sink, nullptr) << i;
        ULONG count = sink->AddRef();
        EXPECT_EQ(sink->Release(), count - 1) << i;
        void* out = nullptr;
        ASSERT_EQ(sink->QueryInterface(kBrivelQueryIID, &out), S_OK) << i;
        EXPECT_TRUE(IsEqualIID(*static_cast<const IID*>(out), *kinds[i])) << "the event identifier, sink " << i;
        EXPECT_EQ(sink->AddRef(), count) << "no reference added for the identifier, sink " << i;
        sink->Release();
        for (const IID* iid : {&IID_IUnknown, &IID_IDispatch, kinds[i]}) {
            ASSERT_EQ(sink->QueryInterface(*iid, &out), S_OK) << i;
            EXPECT_EQ(out, sink) << i;
            EXPECT_EQ(static_cast<IUnknown*>(out)->Release(), count - 1) << "a reference was added, sink " << i;
        }
        out = &out;
        EXPECT_EQ(sink->QueryInterface(IID_IClassFactory, &out), E_NOINTERFACE) << i;
        EXPECT_EQ(out, nullptr) << i;
        UINT n = 7;
        EXPECT_EQ(sink->GetTypeInfoCount(&n), E_NOTIMPL) << i;
    }
}

TEST_F(BrowserEvents, AListenerWithoutTheEventsMethodIsToldSo) {
    jclass bare = env_->FindClass("webbrowser/test/Listeners$Bare");
    ASSERT_NE(bare, nullptr);
    jobject listener = env_->NewObject(bare, env_->GetMethodID(bare, "<init>", "()V"));
    // The DWebBrowserEvents2 listener's initialiser, given another listener.
    auto init = reinterpret_cast<jboolean(JNICALL*)(JNIEnv*, jobject)>(
        BridgeNative("Java_iexplorer_DWebBrowserEvents2__1_1TavoEventListenerInit"));
    ASSERT_NE(init, nullptr);
    ASSERT_TRUE(init(env_, listener));
    IDispatch* sink = SinkOfListener(listener);
    ASSERT_NE(sink, nullptr);
    Arguments args("S", object_);
    EXPECT_EQ(sink->Invoke(102, IID_NULL, 0, DISPATCH_METHOD, args.Params(), nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(Heard(), "error StatusTextChange: Unable to locate method");
    EXPECT_EQ(sink->Release(), 0u);
    env_->DeleteLocalRef(listener);
    env_->DeleteLocalRef(bare);
}

TEST_F(BrowserEvents, EventsFromAThreadOfTheServerReachTheListener) {
    HRESULT fired = E_FAIL;
    std::thread source([&] {
        Arguments args("DVVVVVb", object_);
        fired = fire_(kBrowserObject, &kDWebBrowserEvents2, 250, args.Params());
        if (args.Bool(6) != VARIANT_TRUE) fired = E_UNEXPECTED;
        if (SUCCEEDED(fired)) fired = fire_(kShellWindowsObject, &kDShellWindowsEvents, 201, Arguments("I", object_).Params());
    });
    source.join();
    EXPECT_EQ(fired, S_OK);
    EXPECT_EQ(Heard(), "BeforeNavigate2(IWebBrowser, V:v2, V:v3, V:v4, V:v5, V:v6, [false])\nWindowRevoked(10)");
}

TEST_F(BrowserEvents, ARemoteClientsEventsAreForwardedAndItsOutValuesGoBack) {
    jobject wrongCase = CallRoad("listenRemotely", "()Ljava/lang/Object;");
    EXPECT_EQ(wrongCase, nullptr) << "a name in another case is not registered";
    Arguments args("DVVVVVb", object_);
    EXPECT_EQ(fire_(kBrowserObject, &kDWebBrowserEvents2, 250, args.Params()), S_OK);
    auto text = static_cast<jstring>(CallRoad("forwardedEvents", "()Ljava/lang/String;"));
    EXPECT_EQ(JavaText(env_, text),
              "BeforeNavigate2 iexplorer.DWebBrowserEvents2 IWebBrowser V:v2 V:v3 V:v4 V:v5 V:v6 [false]");
    EXPECT_EQ(args.Bool(6), VARIANT_TRUE) << "the client's Cancel written back";
    EXPECT_EQ(Heard(), "") << "the registration's object is not the local listener's";
    CallRoad("stopListeningRemotely", "()V");
    EXPECT_EQ(sinks_(kBrowserObject, &kDWebBrowserEvents2), 1) << "only the local listener's sink is left";
}

TEST_F(BrowserEvents, AnEventInterfaceLoadFailsWithoutThrowing) {
    auto load = reinterpret_cast<jboolean(JNICALL*)(JNIEnv*, jobject, jobject, jboolean)>(
        BridgeNative("Java_iexplorer_DWebBrowserEvents2__1_1TavoLoad"));
    ASSERT_NE(load, nullptr);
    jclass objectClass = env_->FindClass("brivel/TavoObject");
    jobject target = env_->AllocObject(objectClass);
    jobject browser = CallRoad("source", "(I)Lbrivel/TavoObject;", 0);
    ASSERT_NE(browser, nullptr);
    // The browser is no source of its own events' interface.
    EXPECT_FALSE(load(env_, target, browser, JNI_FALSE));
    EXPECT_FALSE(env_->ExceptionCheck()) << "a failed load throws nothing";
    EXPECT_FALSE(load(env_, target, nullptr, JNI_TRUE));
    EXPECT_FALSE(env_->ExceptionCheck()) << "no object: nothing thrown";
    // An initial load falls back to IDispatch.
    EXPECT_TRUE(load(env_, target, browser, JNI_TRUE));
    jfieldID comId = env_->GetFieldID(objectClass, "__TavoComPtr", "I");
    ASSERT_NE(comId, nullptr);
    EXPECT_NE(env_->GetIntField(target, comId), 0) << "the loaded pointer is stored";
    env_->CallVoidMethod(target, env_->GetMethodID(objectClass, "TavoRelease", "()V"));
    EXPECT_FALSE(env_->ExceptionCheck());
    env_->DeleteLocalRef(browser);
    env_->DeleteLocalRef(target);
    env_->DeleteLocalRef(objectClass);
}
