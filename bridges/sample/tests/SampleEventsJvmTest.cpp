// The sample bridge's event sink on the real i386 VM: the host fires the
// control's events (Click, KeyPress, Timer) at the sink that a Java listener
// advised on the sample server's control, and reads what the listener heard.

#include <thread>

#include "SampleHarness.h"

namespace {
const DISPID kClick = -600, kKeyPress = -603, kTimer = 1;
const IID kBrivelQueryIID = {0xB14F3C49, 0x0C7B, 0x4439, {0xA2, 0x48, 0x62, 0x29, 0xFE, 0x6D, 0x96, 0x05}};

// 1970-01-02 12:00:00 local time.
const DATE kNoonOfTheSecondDay = 25570.5;

// The arguments of one Timer event, last first as DISPPARAMS holds them.
class TimerArgs {
public:
    TimerArgs(const OLECHAR* name, DATE when, LONG tick) {
        V_VT(&args_[2]) = VT_BSTR;
        V_BSTR(&args_[2]) = SysAllocString(name);
        V_VT(&args_[1]) = VT_DATE;
        V_DATE(&args_[1]) = when;
        V_VT(&args_[0]) = VT_I4;
        V_I4(&args_[0]) = tick;
        params_ = {args_, nullptr, 3, 0};
    }
    ~TimerArgs() { SysFreeString(V_BSTR(&args_[2])); }
    DISPPARAMS* Params() { return &params_; }

private:
    VARIANT args_[3];
    DISPPARAMS params_;
};

class KeyArgs {
public:
    explicit KeyArgs(SHORT key) {
        V_VT(&arg_) = VT_I2;
        V_I2(&arg_) = key;
        params_ = {&arg_, nullptr, 1, 0};
    }
    DISPPARAMS* Params() { return &params_; }

private:
    VARIANT arg_;
    DISPPARAMS params_;
};

DISPPARAMS g_none = {nullptr, nullptr, 0, 0};

class SampleEvents : public SampleHost {
protected:
    void SetUp() override {
        SampleHost::SetUp();
        if (HasFatalFailure()) return;
        RunProgram("listen");
        listening_ = true;
    }
    void TearDown() override {
        if (listening_) {
            jobject weak = CallRoad("stopListening", "()Ljava/lang/Object;");
            EXPECT_EQ(sinks_(), 0);
            // The sink, released by the server's Unadvise and the listener's
            // TavoRelease, lets go of the listener.
            EXPECT_NE(CallRoad("collected", "(Ljava/lang/Object;)Z", weak), nullptr) << "the listener was kept";
        }
        SampleHost::TearDown();
    }

    IDispatch* Sink() {
        jobject listener = CallRoad("listener", "()Lbrivel/TavoEventListener;");
        IDispatch* sink = SinkOfListener(listener);
        env_->DeleteLocalRef(listener);  // the host's thread never returns to Java: a kept reference would keep the listener
        return sink;
    }

    bool listening_ = false;
};
}  // namespace

TEST_F(SampleEvents, ClickKeyPressAndTimerReachTheListenerWithTheirJavaTypes) {
    EXPECT_EQ(fire_(kClick, &g_none), S_OK);
    EXPECT_EQ(Heard(), "Click()");
    // The key code is the whole 16-bit value, above 255 and with its sign bit too.
    for (SHORT key : {SHORT(65), SHORT(0x1234), SHORT(-32703)}) {
        KeyArgs args(key);
        EXPECT_EQ(fire_(kKeyPress, args.Params()), S_OK) << key;
        EXPECT_EQ(Heard(), "KeyPress(" + std::to_string(key) + ")");
    }
    TimerArgs timer(L"host", kNoonOfTheSecondDay, 7);
    EXPECT_EQ(fire_(kTimer, timer.Params()), S_OK);
    EXPECT_EQ(Heard(), "Timer(host, 1970-01-02 12:00:00, 7)");
}

TEST_F(SampleEvents, TheSinkIgnoresOtherEventsAndRefusesTooFewArguments) {
    IDispatch* sink = Sink();
    ASSERT_NE(sink, nullptr);
    EXPECT_EQ(sink->Invoke(2, IID_NULL, 0, DISPATCH_METHOD, &g_none, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(Heard(), "");
    TimerArgs timer(L"short", kNoonOfTheSecondDay, 1);
    DISPPARAMS two = {timer.Params()->rgvarg, nullptr, 2, 0};
    EXPECT_EQ(sink->Invoke(kTimer, IID_NULL, 0, DISPATCH_METHOD, &two, nullptr, nullptr, nullptr), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(sink->Invoke(kKeyPress, IID_NULL, 0, DISPATCH_METHOD, &g_none, nullptr, nullptr, nullptr),
              DISP_E_BADPARAMCOUNT);
    // The listener hears of each refusal; its event methods are not called.
    EXPECT_EQ(Heard(), "error Timer: Argument count mismatch\nerror KeyPress: Argument count mismatch");
    // Named arguments are found by their positions.
    VARIANT named[3];
    DISPID names[3] = {2, 0, 1};  // tick, name, time
    V_VT(&named[0]) = VT_I4;
    V_I4(&named[0]) = 9;
    V_VT(&named[1]) = VT_BSTR;
    V_BSTR(&named[1]) = SysAllocString(L"named");
    V_VT(&named[2]) = VT_DATE;
    V_DATE(&named[2]) = kNoonOfTheSecondDay;
    DISPPARAMS byName = {named, names, 3, 3};
    EXPECT_EQ(sink->Invoke(kTimer, IID_NULL, 0, DISPATCH_METHOD, &byName, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(Heard(), "Timer(named, 1970-01-02 12:00:00, 9)");
    SysFreeString(V_BSTR(&named[1]));
    // The sink answers the event interface and tells its identifier.
    void* out = nullptr;
    ASSERT_EQ(sink->QueryInterface(kBrivelQueryIID, &out), S_OK);
    EXPECT_TRUE(IsEqualIID(*static_cast<const IID*>(out), kSampleEventsIid));
    ASSERT_EQ(sink->QueryInterface(kSampleEventsIid, &out), S_OK);
    EXPECT_EQ(out, sink);
    sink->Release();
}

TEST_F(SampleEvents, AListenerThatThrowsIsToldThroughTavoOnEventException) {
    SetFailing("KeyPress");
    KeyArgs key(300);
    EXPECT_EQ(fire_(kKeyPress, key.Params()), S_OK);
    EXPECT_EQ(Heard(), "KeyPress(300)\nexception KeyPress: java.lang.IllegalStateException: listener failed in KeyPress");
    SetFailing("Timer");
    TimerArgs timer(L"late", kNoonOfTheSecondDay, 2);
    EXPECT_EQ(fire_(kTimer, timer.Params()), S_OK);
    EXPECT_EQ(Heard(), "Timer(late, 1970-01-02 12:00:00, 2)\nexception Timer: java.lang.IllegalStateException: listener failed in Timer");
    SetFailing("");
    EXPECT_EQ(fire_(kClick, &g_none), S_OK);
    EXPECT_EQ(Heard(), "Click()");
}

TEST_F(SampleEvents, AListenerWithoutTheEventsMethodsIsToldSo) {
    jclass bare = env_->FindClass("sample/test/SampleListener$Bare");
    ASSERT_NE(bare, nullptr);
    jobject listener = env_->NewObject(bare, env_->GetMethodID(bare, "<init>", "()V"));
    // The event interface's listener initialiser, given another listener.
    auto init = reinterpret_cast<jboolean(JNICALL*)(JNIEnv*, jobject)>(
        BridgeNative("Java_j2c_tutorial__1DBrivelSampleActiveXEvents__1_1TavoEventListenerInit"));
    ASSERT_NE(init, nullptr);
    ASSERT_TRUE(init(env_, listener));
    IDispatch* sink = SinkOfListener(listener);
    ASSERT_NE(sink, nullptr);
    TimerArgs timer(L"nobody", kNoonOfTheSecondDay, 1);
    EXPECT_EQ(sink->Invoke(kTimer, IID_NULL, 0, DISPATCH_METHOD, timer.Params(), nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(Heard(), "error Timer: Unable to locate method");
    EXPECT_EQ(sink->Release(), 0u);
    env_->DeleteLocalRef(listener);
    env_->DeleteLocalRef(bare);
}

TEST_F(SampleEvents, EventsFromAThreadOfTheControlReachTheListener) {
    HRESULT fired = E_FAIL;
    std::thread source([&] {
        KeyArgs key(0x7FFF);
        fired = fire_(kKeyPress, key.Params());
        TimerArgs timer(L"thread", kNoonOfTheSecondDay, 3);
        if (SUCCEEDED(fired)) fired = fire_(kTimer, timer.Params());
    });
    source.join();
    EXPECT_EQ(fired, S_OK);
    EXPECT_EQ(Heard(), "KeyPress(32767)\nTimer(thread, 1970-01-02 12:00:00, 3)");
}

TEST_F(SampleEvents, ARemoteClientsEventsAreForwardedWithTheirJavaTypes) {
    CallRoad("listenRemotely", "()V");
    // The newest control is the remote client's: its server-side sink is advised there.
    KeyArgs key(0x1234);
    EXPECT_EQ(fire_(kKeyPress, key.Params()), S_OK);
    TimerArgs timer(L"remote", kNoonOfTheSecondDay, 5);
    EXPECT_EQ(fire_(kTimer, timer.Params()), S_OK);
    EXPECT_EQ(fire_(kClick, &g_none), S_OK);
    auto text = static_cast<jstring>(CallRoad("forwardedEvents", "()Ljava/lang/String;"));
    EXPECT_EQ(JavaText(env_, text),
              "KeyPress j2c.tutorial._DBrivelSampleActiveXEvents java.lang.Short:4660\n"
              "Timer j2c.tutorial._DBrivelSampleActiveXEvents java.lang.String:remote java.util.Date:1970-01-02 12:00:00 "
              "java.lang.Integer:5\n"
              "Click j2c.tutorial._DBrivelSampleActiveXEvents");
    env_->DeleteLocalRef(text);
    EXPECT_EQ(Heard(), "") << "the registration's control is not the local listener's";
    CallRoad("stopListeningRemotely", "()V");
    EXPECT_EQ(sinks_(), 1) << "only the local listener's sink is left";
}
