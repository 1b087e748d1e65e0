// JBrivelSampleActiveX.dll under Wine, its natives called against the sample
// control, registered in the prefix's registry for the test's run.
#include <olectl.h>

#include <vector>

#include "BridgeUnderWine.h"
#include "InprocServerRegistration.h"
#include "SampleServer.h"

namespace {
const char kClassKey[] = "CLSID\\{D639163A-1B7C-4DA4-91EE-17112BCFD1A4}";

typedef jboolean(JNICALL* LoadNative)(JNIEnv*, jobject, jobject, jboolean);
typedef jboolean(JNICALL* ListenerInitNative)(JNIEnv*, jobject);
typedef jobject(JNICALL* ObjectNative)(JNIEnv*, jobject);
typedef void(JNICALL* VoidNative)(JNIEnv*, jobject);
typedef void(JNICALL* SetTextNative)(JNIEnv*, jobject, jstring);
typedef jboolean(JNICALL* TicksNative)(JNIEnv*, jobject, jstring, jshort);

class SampleUnderWine : public BridgeUnderWine {
protected:
    void SetUp() override {
        std::string server = brivel::testing::ProgramFolder() + "\\brivel_sample_server.dll";
        brivel::testing::RegisterInprocServer((std::string(kClassKey) + "\\InprocServer32").c_str(), server);
        registered_ = true;
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        server_ = LoadLibraryA(server.c_str());
        ASSERT_NE(server_, nullptr);
        calls_ = brivel::ProcAddress<SampleCallsFn>(server_, "SampleCalls");
        failCalls_ = brivel::ProcAddress<SampleFailCallsFn>(server_, "SampleFailCalls");
        outstanding_ = brivel::ProcAddress<SampleOutstandingReferencesFn>(server_, "SampleOutstandingReferences");
        ASSERT_TRUE(calls_ && failCalls_ && outstanding_);
        java_.DefineClass("j2c/tutorial/BrivelSampleActiveX", "brivel/TavoActiveXObject");
        java_.DefineClass("brivel/TavoActiveXObject", "brivel/TavoObject");
        java_.DefineClass("j2c/tutorial/_DBrivelSampleActiveX", "brivel/TavoObject");
        java_.DefineClass("sample/test/Listener", "j2c/tutorial/_DBrivelSampleActiveXEvents");
        java_.DefineClass("j2c/tutorial/_DBrivelSampleActiveXEvents", "brivel/TavoEventListener");
        LoadBridge("JBrivelSampleActiveX.dll");
    }
    void TearDown() override {
        if (outstanding_) {
            EXPECT_EQ(outstanding_(), 0) << "references the natives did not give back";
        }
        BridgeUnderWine::TearDown();
        if (server_) FreeLibrary(server_);
        if (registered_) {  // the prefix is shared with the other tests: the class goes again
            RegDeleteKeyA(HKEY_CLASSES_ROOT, (std::string(kClassKey) + "\\InprocServer32").c_str());
            RegDeleteKeyA(HKEY_CLASSES_ROOT, kClassKey);
        }
    }

    std::string Calls() {
        std::vector<char> text(1 << 14);
        calls_(text.data(), static_cast<UINT>(text.size()));
        return text.data();
    }

    HMODULE server_ = nullptr;
    bool registered_ = false;
    SampleCallsFn calls_ = nullptr;
    SampleFailCallsFn failCalls_ = nullptr;
    SampleOutstandingReferencesFn outstanding_ = nullptr;
};
}  // namespace

TEST_F(SampleUnderWine, TheControlIsCreatedCalledAndHeardThroughTheNatives) {
    auto guid = Native<GuidNative>("_Java_j2c_tutorial_BrivelSampleActiveX__1_1TavoGetGUID@8");
    auto create = Native<CreateNative>("_Java_j2c_tutorial_BrivelSampleActiveX__1_1TavoCreateObject@16");
    auto load = Native<LoadNative>("_Java_j2c_tutorial__1DBrivelSampleActiveX__1_1TavoLoad@16");
    auto listen = Native<ListenerInitNative>("_Java_j2c_tutorial__1DBrivelSampleActiveXEvents__1_1TavoEventListenerInit@8");
    auto startTime = Native<ObjectNative>("_Java_j2c_tutorial__1DBrivelSampleActiveX_GetStartTime@8");
    auto controlName = Native<ObjectNative>("_Java_j2c_tutorial__1DBrivelSampleActiveX_GetControlName@8");
    auto getText = Native<ObjectNative>("_Java_j2c_tutorial__1DBrivelSampleActiveX_GetText@8");
    auto setText = Native<SetTextNative>("_Java_j2c_tutorial__1DBrivelSampleActiveX_SetText__Ljava_lang_String_2@12");
    auto ticks = Native<TicksNative>("_Java_j2c_tutorial__1DBrivelSampleActiveX_SendTimerTicks__Ljava_lang_String_2S@16");
    auto aboutBox = Native<VoidNative>("_Java_j2c_tutorial__1DBrivelSampleActiveX_AboutBox@8");
    ASSERT_FALSE(HasFailure());
    JNIEnv* env = java_.env();

    EXPECT_TRUE(java_.TextIs(guid(env, nullptr), u"{D639163A-1B7C-4DA4-91EE-17112BCFD1A4}"));
    jobject control = java_.New("j2c/tutorial/BrivelSampleActiveX");
    ASSERT_TRUE(create(env, control, JNI_FALSE, JNI_FALSE)) << java_.TakeException();
    jobject sample = java_.New("j2c/tutorial/_DBrivelSampleActiveX");
    ASSERT_TRUE(load(env, sample, control, JNI_TRUE)) << java_.TakeException();

    jobject start = startTime(env, sample);
    EXPECT_TRUE(start && java_.IsInstanceOf(start, "java/util/Date"));
    EXPECT_TRUE(java_.TextIs(controlName(env, sample), u"BrivelSampleActiveX Control"));
    jstring text = java_.String(u"Hello, Wine");
    setText(env, sample, text);
    EXPECT_TRUE(java_.TextIs(text, u"Hello, Wine")) << "the Java string after SetText";
    EXPECT_TRUE(java_.TextIs(getText(env, sample), u"Hello, Wine"));

    // A listener's sink, advised at the control's connection point, hears
    // the Timer events SendTimerTicks fires.
    jobject listener = java_.New("sample/test/Listener");
    ASSERT_TRUE(listen(env, listener));
    auto* sink = reinterpret_cast<IDispatch*>(static_cast<intptr_t>(java_.IntField(listener, "__TavoEventSink")));
    ASSERT_NE(sink, nullptr);
    IConnectionPointContainer* container = nullptr;
    IConnectionPoint* point = nullptr;
    DWORD cookie = 0;
    ASSERT_EQ(java_.ComPointer(control)->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)), S_OK);
    ASSERT_EQ(container->FindConnectionPoint(kSampleEventsIid, &point), S_OK);
    ASSERT_EQ(point->Advise(sink, &cookie), S_OK);
    std::string heard;
    java_.OnCall("Timer", [&](jobject, fakejava::Args& args) {
        jobject name = args.Object();
        jobject when = args.Object();
        jint tick = args.Int();
        heard += "Timer(" + std::string(java_.TextIs(name, u"tick") ? "tick" : "?") + ", " +
                 (java_.IsInstanceOf(when, "java/util/Date") ? "date" : "?") + ", " + std::to_string(tick) + ")\n";
        return jvalue{};
    });
    java_.OnCall("KeyPress", [&](jobject, fakejava::Args& args) {
        heard += "KeyPress(" + std::to_string(static_cast<jshort>(args.Int())) + ")\n";
        return jvalue{};
    });
    EXPECT_TRUE(ticks(env, sample, java_.String(u"tick"), 2));
    VARIANT key;
    V_VT(&key) = VT_I2;
    V_I2(&key) = 0x1234;
    DISPPARAMS keyParams = {&key, nullptr, 1, 0};
    EXPECT_EQ(sink->Invoke(-603, IID_NULL, 0, DISPATCH_METHOD, &keyParams, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(heard, "Timer(tick, date, 1)\nTimer(tick, date, 2)\nKeyPress(4660)\n");
    EXPECT_EQ(point->Unadvise(cookie), S_OK);
    point->Release();
    container->Release();
    EXPECT_EQ(sink->Release(), 0u) << "the listener's own reference was the last";

    aboutBox(env, sample);
    EXPECT_EQ(Calls(), "1/1 []\n2/1 []\n4/1 [REF|BSTR:Hello, Wine]\n3/1 []\n5/1 [REF|BSTR:tick, I2:2]\n-552/1 []\n");

    // Failed calls throw brivel.TavoException with the control's description.
    failCalls_(DISP_E_EXCEPTION);
    EXPECT_EQ(getText(env, sample), nullptr);
    EXPECT_EQ(java_.TakeException(), "brivel/TavoException: The control failed call 3");
    failCalls_(S_OK);
    EXPECT_FALSE(java_.ExceptionPending());

    // An object without a COM pointer throws and calls nothing.
    jobject bare = java_.New("j2c/tutorial/_DBrivelSampleActiveX");
    aboutBox(env, bare);
    EXPECT_EQ(java_.TakeException(), "java/lang/NullPointerException: Uninitialized TavoObject");
    Calls();
    aboutBox(env, bare);
    java_.TakeException();
    EXPECT_EQ(Calls(), "");

    java_.ComPointer(sample)->Release();
    java_.ComPointer(control)->Release();
}
