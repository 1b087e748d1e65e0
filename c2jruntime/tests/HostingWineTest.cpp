// Component hosting on win32 under Wine, where no Java VM exists: the
// runtime starts the tests' own JNI environment (FakeJava) through a
// stand-in VM library, as it would start a VM, and loads a stand-in AWT
// native interface library whose drawing surface hands out a real window.
// The window steps (style, parent), the waits for Swing's event thread and
// the failure texts run for real; so do the runtime's other win32-only
// parts that need a VM (the threads' environment slot).
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "BrivelC2J18.h"
#include "FakeJava.h"
#include "ProgramFolder.h"
#include "TempFolder.h"
#include "Watchdog.h"

using brivel::c2j::testing::WithinSeconds;
using brivel::testing::ProgramFolder;
using fakejava::FakeJava;

namespace {
FakeJava* g_fake = nullptr;  // one per process, as a VM is
}  // namespace

// The stand-in VM library asks the program for its VM (BRIVEL_STUB_JVM_FAKE=host).
extern "C" __declspec(dllexport) jint BrivelHostJavaVm(JavaVM** vm, JNIEnv** env) {
    if (!g_fake) return JNI_ERR;
    *env = g_fake->env();
    return (*env)->GetJavaVM(vm);
}

namespace {
struct Message {
    char* text = nullptr;
    ~Message() { C2jFreeMem(text); }
    std::string str() const { return text ? text : "(null)"; }
    char** out() {
        C2jFreeMem(text);
        text = nullptr;
        return &text;
    }
};

BSTR NewBstr(const std::string& ascii) {
    std::vector<OLECHAR> wide(ascii.begin(), ascii.end());
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

jvalue Object(jobject obj) {
    jvalue v = {};
    v.l = obj;
    return v;
}

class HostingWine : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        g_fake = new FakeJava();  // lives as long as the process: the runtime keeps its references
        FakeJava& fake = *g_fake;
        javaHome_ = StubJawtHome();
        loader_ = fake.New("java/net/URLClassLoader");
        fake.OnCall("getProperty", [this, &fake](jobject, fakejava::Args&) {  // of "java.home"
            std::u16string home(javaHome_.begin(), javaHome_.end());
            return Object(fake.String(home.c_str()));
        });
        fake.OnCall("getClassLoader", [this](jobject, fakejava::Args&) { return Object(loader_); });
        fake.OnCall("make", [this, &fake](jobject, fakejava::Args&) {
            ++windowsMade_;
            return Object(fake.New("javax/swing/JWindow"));
        });
        fake.OnCall("getContentPane", [this, &fake](jobject, fakejava::Args&) {
            contentPane_ = fake.New("javax/swing/JPanel");
            return Object(contentPane_);
        });
        fake.OnCall("add", [this](jobject, fakejava::Args& args) {
            jobject pane = args.Object();
            added_.push_back({pane, args.Object()});
            return jvalue{};
        });
        fake.OnCall("dispose", [this](jobject, fakejava::Args&) {
            ++disposed_;
            return jvalue{};
        });
        fake.OnCall("isDispatchThread", [](jobject, fakejava::Args&) {
            jvalue no = {};
            no.z = JNI_FALSE;
            return no;
        });
        // A component is a java.awt.Component; a string is none.
        fake.DefineClass("brivel/c2jtest/ColourPanel", "java/awt/Container");
        fake.DefineClass("java/awt/Container", "java/awt/Component");
        parent_ = CreateWindowExA(0, "STATIC", "control", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
    }

    static std::string StubJawtHome() { return ProgramFolder() + "\\stubjawt"; }

    void StartJava() {
        SetEnvironmentVariableA("BRIVEL_STUB_JVM_FAKE", "host");
        Message e;
        BSTR path = NewBstr(ProgramFolder() + "\\c2j_stub_jvm.dll");
        ASSERT_TRUE(C2jSetJvmPath(path, e.out())) << e.str();
        SysFreeString(path);
        ASSERT_TRUE(C2jInit(e.out())) << e.str();
    }

    jobject NewComponent() { return g_fake->New("brivel/c2jtest/ColourPanel"); }

    // Stands in for Swing's event thread while `method` runs: as
    // invokeAndWait does, the caller waits while that thread sends a message
    // to the control's window (Windows sends messages across threads when a
    // window gets a parent of another thread). The answers are counted.
    void SendToTheControlFromTheEventThread(const char* method, std::function<jvalue()> result) {
        g_fake->OnCall(method, [this, result](jobject, fakejava::Args&) {
            std::thread eventThread([this] {
                DWORD_PTR answer = 0;
                if (SendMessageTimeoutA(parent_, WM_APP, 0, 0, SMTO_BLOCK, 20000, &answer) && answer == kAnswer)
                    ++answered_;
                else
                    ++unanswered_;
            });
            eventThread.join();
            return result();
        });
        SetWindowLongPtrA(parent_, GWLP_USERDATA, static_cast<LONG_PTR>(GetWindowLongPtrA(parent_, GWLP_WNDPROC)));
        SetWindowLongPtrA(parent_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProcedure));
    }
    static const LRESULT kAnswer = 0x5A5A;
    static LRESULT CALLBACK ControlProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
        if (message == WM_APP) return kAnswer;
        auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_USERDATA));
        return CallWindowProcA(previous, window, message, w, l);
    }

    // The stand-in's own exports.
    template <typename F>
    static F StubExport(const char* name) {
        HMODULE jawt = GetModuleHandleA((StubJawtHome() + "\\bin\\jawt.dll").c_str());
        return jawt ? reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(jawt, name))) : nullptr;
    }
    static HWND StubWindow() { return StubExport<HWND (*)()>("StubJawtWindow")(); }
    static LONG StubInitialStyle() { return StubExport<LONG (*)()>("StubJawtInitialStyle")(); }
    static int StubOutstanding() { return StubExport<int (*)()>("StubJawtOutstanding")(); }

    std::string javaHome_;
    jobject loader_ = nullptr;
    jobject contentPane_ = nullptr;
    std::vector<std::pair<jobject, jobject>> added_;
    int windowsMade_ = 0;
    int disposed_ = 0;
    std::atomic<int> answered_{0}, unanswered_{0};
    HWND parent_ = nullptr;
};
}  // namespace

TEST_F(HostingWine, JavaWindowBecomesAVisibleChildWithItsOtherStyleBitsKept) {
    StartJava();
    jobject component = NewComponent();
    Message e;
    HWND hosted = C2jInitControl(parent_, component, e.out());
    ASSERT_NE(hosted, nullptr) << e.str();
    EXPECT_EQ(e.text, nullptr);
    EXPECT_EQ(hosted, StubWindow());
    LONG before = StubInitialStyle();
    EXPECT_EQ(before & (WS_POPUP | WS_CHILD), WS_POPUP);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(hosted, GWL_STYLE)),
              (static_cast<DWORD>(before) & ~static_cast<DWORD>(WS_POPUP)) | WS_CHILD | WS_VISIBLE);
    EXPECT_EQ(GetParent(hosted), parent_);
    EXPECT_EQ(GetAncestor(hosted, GA_PARENT), parent_);
    EXPECT_TRUE(IsWindowVisible(hosted));

    // The component goes to the window's content pane through the builder.
    ASSERT_EQ(added_.size(), 1u);
    EXPECT_EQ(added_[0].first, contentPane_);
    EXPECT_EQ(added_[0].second, component);
    EXPECT_EQ(disposed_, 0);
    EXPECT_EQ(StubOutstanding(), 0) << "a drawing surface, its lock or its information was not given back";
    EXPECT_EQ(g_fake->counts().unknownCalls, 0) << g_fake->counts().firstUnknown;
}

TEST_F(HostingWine, TwoControlsShareTheClassesDefinedInTheFirstComponentsLoader) {
    StartJava();
    Message e;
    ASSERT_NE(C2jInitControl(parent_, NewComponent(), e.out()), nullptr) << e.str();
    jobject firstLoader = loader_;
    loader_ = g_fake->New("java/net/URLClassLoader");  // the second component's
    HWND second = CreateWindowExA(0, "STATIC", "second", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 320, 10, 300, 200, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND hosted = C2jInitControl(second, NewComponent(), e.out());
    ASSERT_NE(hosted, nullptr) << e.str();
    EXPECT_EQ(GetParent(hosted), second);

    const auto& defined = g_fake->Definitions();
    ASSERT_EQ(defined.size(), 2u);
    EXPECT_EQ(defined[0].name, "brivel/c2j/internal/Builder");
    EXPECT_EQ(defined[1].name, "brivel/c2j/internal/WindowMaker");
    for (const auto& d : defined) {
        EXPECT_EQ(d.loader, firstLoader) << d.name;
        ASSERT_GE(d.bytes.size(), 8u) << d.name;
        EXPECT_EQ(d.bytes[0], 0xCA) << d.name;
        EXPECT_EQ(d.bytes[7], 46) << d.name;  // class file version 46.0
    }
    EXPECT_EQ(added_.size(), 2u);
}

TEST_F(HostingWine, BeforeJavaStartedAnswersNullWithoutMessage) {
    Message e;
    EXPECT_EQ(C2jInitControl(parent_, nullptr, e.out()), nullptr);
    EXPECT_EQ(e.text, nullptr);
}

TEST_F(HostingWine, JawtThatDoesNotLoadIsReported) {
    javaHome_ = folder_.string();  // no bin\jawt.dll, and none on the search path
    StartJava();
    Message e;
    EXPECT_EQ(C2jInitControl(parent_, NewComponent(), e.out()), nullptr);
    EXPECT_EQ(e.str(), "Unable to load \"jawt\" DLL");
    EXPECT_EQ(windowsMade_, 0);
}

TEST_F(HostingWine, JawtOutsideTheJavaHomeIsFoundOnTheSearchPath) {
    javaHome_ = folder_.string();
    char path[32768];
    DWORD n = GetEnvironmentVariableA("PATH", path, sizeof path);
    SetEnvironmentVariableA("PATH", (StubJawtHome() + "\\bin;" + std::string(path, n < sizeof path ? n : 0)).c_str());
    StartJava();
    Message e;
    HWND hosted = C2jInitControl(parent_, NewComponent(), e.out());
    ASSERT_NE(hosted, nullptr) << e.str();
    EXPECT_EQ(hosted, StubWindow());
    EXPECT_EQ(GetParent(hosted), parent_);
}

TEST_F(HostingWine, JawtWithoutTheEntryIsReported) {
    // A library named jawt.dll that has no GetAWT.
    std::filesystem::create_directories(folder_ / "bin");
    std::filesystem::copy_file(ProgramFolder() + "\\c2j_stub_jvm.dll", folder_ / "bin" / "jawt.dll");
    javaHome_ = folder_.string();
    StartJava();
    Message e;
    EXPECT_EQ(C2jInitControl(parent_, NewComponent(), e.out()), nullptr);
    EXPECT_EQ(e.str(), "Unable to find entry point GetAWT in jawt.dll library");
    EXPECT_EQ(windowsMade_, 0);
}

TEST_F(HostingWine, GetAwtThatFailsIsReported) {
    SetEnvironmentVariableA("BRIVEL_STUB_JAWT", "refuse");
    StartJava();
    Message e;
    EXPECT_EQ(C2jInitControl(parent_, NewComponent(), e.out()), nullptr);
    EXPECT_EQ(e.str(), "GetAWT in jawt.dll library failed");
    EXPECT_EQ(windowsMade_, 0);
    SetEnvironmentVariableA("BRIVEL_STUB_JAWT", nullptr);
}

// Every way the drawing surface can fail to name a window: the message, the
// Java window disposed of, and every surface, lock and information given back.
TEST_F(HostingWine, SurfaceWithoutAWindowIsReportedAndTheJavaWindowDisposed) {
    StartJava();
    int disposed = 0;
    for (const char* mode : {"no-surface", "lock-error", "no-info", "no-handle"}) {
        SetEnvironmentVariableA("BRIVEL_STUB_JAWT", mode);
        Message e;
        EXPECT_EQ(C2jInitControl(parent_, NewComponent(), e.out()), nullptr) << mode;
        EXPECT_EQ(e.str(), "Unable to get Java window (HWND)") << mode;
        EXPECT_EQ(disposed_, ++disposed) << mode;
        EXPECT_EQ(StubOutstanding(), 0) << mode;
    }
    EXPECT_EQ(GetWindow(parent_, GW_CHILD), nullptr);
    EXPECT_TRUE(added_.empty());
    SetEnvironmentVariableA("BRIVEL_STUB_JAWT", nullptr);
}

// Unloading forgets the classes (they belonged to that VM): a control hosted
// after Java was started again defines them again.
TEST_F(HostingWine, ClassesAreDefinedAgainAfterTheRuntimeUnloaded) {
    StartJava();
    Message e;
    ASSERT_NE(C2jInitControl(parent_, NewComponent(), e.out()), nullptr) << e.str();
    ASSERT_EQ(g_fake->Definitions().size(), 2u);
    C2jUnload();
    ASSERT_TRUE(C2jInit(e.out())) << e.str();
    ASSERT_NE(C2jInitControl(parent_, NewComponent(), e.out()), nullptr) << e.str();
    ASSERT_EQ(g_fake->Definitions().size(), 4u);
    EXPECT_EQ(g_fake->Definitions()[2].name, "brivel/c2j/internal/Builder");
}

TEST_F(HostingWine, ObjectThatIsNoComponentIsRefusedBeforeAnyWindowIsMade) {
    StartJava();
    Message e;
    EXPECT_EQ(C2jInitControl(parent_, g_fake->String(u"no component"), e.out()), nullptr);
    EXPECT_EQ(e.str(), "Java component is not a java.awt.Component");
    EXPECT_EQ(windowsMade_, 0);
    EXPECT_TRUE(g_fake->Definitions().empty());
    EXPECT_FALSE(g_fake->ExceptionPending());
}

// The calling thread waits for Swing's event thread to make the window; a
// message sent to its windows meanwhile is answered (a wait that answered
// nothing would hold both threads for ever).
TEST_F(HostingWine, MessagesSentToTheCallersWindowsAreAnsweredWhileTheWindowIsMade) {
    StartJava();
    SendToTheControlFromTheEventThread("make", [this] {
        ++windowsMade_;
        return Object(g_fake->New("javax/swing/JWindow"));
    });
    Message e;
    HWND hosted = nullptr;
    WithinSeconds(60, "C2jInitControl", [&] { hosted = C2jInitControl(parent_, NewComponent(), e.out()); });
    ASSERT_NE(hosted, nullptr) << e.str();
    EXPECT_EQ(GetParent(hosted), parent_);
    EXPECT_EQ(answered_.load(), 1);
    EXPECT_EQ(unanswered_.load(), 0);
    EXPECT_EQ(windowsMade_, 1);
}

// A window that cannot be handed out is disposed of; Swing does that on its
// event thread, and the caller answers its messages meanwhile.
TEST_F(HostingWine, MessagesAreAnsweredWhileAWindowIsDisposedOf) {
    StartJava();
    SendToTheControlFromTheEventThread("dispose", [this] {
        ++disposed_;
        return jvalue{};
    });
    SetEnvironmentVariableA("BRIVEL_STUB_JAWT", "no-info");
    Message e;
    WithinSeconds(60, "C2jInitControl", [&] { EXPECT_EQ(C2jInitControl(parent_, NewComponent(), e.out()), nullptr); });
    SetEnvironmentVariableA("BRIVEL_STUB_JAWT", nullptr);
    EXPECT_EQ(e.str(), "Unable to get Java window (HWND)");
    EXPECT_EQ(disposed_, 1);
    EXPECT_EQ(answered_.load(), 1);
    EXPECT_EQ(unanswered_.load(), 0);
}

// Unloading disposes of every window made for hosting (they would keep
// AWT's threads, which the VM waits for, alive), answering the caller's
// messages meanwhile, and lets go of their references.
TEST_F(HostingWine, UnloadingDisposesOfTheHostedWindows) {
    StartJava();
    Message e;
    ASSERT_NE(C2jInitControl(parent_, NewComponent(), e.out()), nullptr) << e.str();
    ASSERT_NE(C2jInitControl(parent_, NewComponent(), e.out()), nullptr) << e.str();
    EXPECT_EQ(disposed_, 0);
    int references = g_fake->GlobalReferencesHeld();
    SendToTheControlFromTheEventThread("dispose", [this] {
        ++disposed_;
        return jvalue{};
    });
    WithinSeconds(60, "C2jUnload", [] { C2jUnload(); });
    EXPECT_EQ(disposed_, 2);
    EXPECT_EQ(answered_.load(), 2);
    EXPECT_EQ(unanswered_.load(), 0);
    EXPECT_EQ(g_fake->GlobalReferencesHeld(), references - 2);
    C2jUnload();  // nothing loaded: nothing more is disposed of
    EXPECT_EQ(disposed_, 2);
}

// The slot that kept the threads' environments of an unloaded VM stays the
// runtime's: a thread that read its number just before may still look into
// it, so no other module may be given that slot.
TEST_F(HostingWine, TheEnvironmentSlotOfAnUnloadedVmIsNotGivenToOthers) {
    StartJava();
    Message e;
    auto env = reinterpret_cast<LPVOID>(C2jGetJenv(e.out()));
    ASSERT_NE(env, nullptr) << e.str();
    const DWORD kSlots = 64 + 1024;  // the basic and the expansion slots
    DWORD slot = TLS_OUT_OF_INDEXES;
    for (DWORD i = 0; i < kSlots && slot == TLS_OUT_OF_INDEXES; ++i)
        if (TlsGetValue(i) == env) slot = i;
    ASSERT_NE(slot, TLS_OUT_OF_INDEXES);
    C2jUnload();
    std::vector<DWORD> taken;
    for (DWORD index; taken.size() < kSlots && (index = TlsAlloc()) != TLS_OUT_OF_INDEXES;) taken.push_back(index);
    EXPECT_GT(taken.size(), 0u);
    for (DWORD index : taken) {
        EXPECT_NE(index, slot);
        TlsFree(index);
    }
}

// The last exception's class name: Java code runs for it (Class.getName)
// outside the runtime's lock, so it may reach the runtime itself; when it
// fails, no exception is left pending for the caller's next call.
TEST_F(HostingWine, TheLastExceptionsClassNameIsReadOutsideTheLock) {
    StartJava();
    g_fake->OnCall("fail", [](jobject, fakejava::Args&) {
        g_fake->ThrowNew(g_fake->FindClass("java/lang/IllegalStateException"), "failed");
        return jvalue{};
    });
    char* descriptor[] = {const_cast<char*>("0"), const_cast<char*>("0"), const_cast<char*>("1"),
                          const_cast<char*>("fail"), const_cast<char*>("()V"), const_cast<char*>("0"), nullptr};
    Message e;
    int cls = 0;
    C2jLoadClass(&cls, "brivel/c2jtest/Failing", e.out(), descriptor);
    ASSERT_GT(cls, 0) << e.str();
    C2jCallVoid(true, 0, cls, 1, e.out());
    EXPECT_NE(e.text, nullptr);
    jobject last = C2jGetLastException();
    ASSERT_NE(last, nullptr);

    bool sawLast = false;
    g_fake->OnCall("getName", [&](jobject, fakejava::Args&) {
        sawLast = C2jGetLastException() == last;
        g_fake->ThrowNew(g_fake->FindClass("java/lang/OutOfMemoryError"), "no name");
        return jvalue{};
    });
    BSTR name = reinterpret_cast<BSTR>(1);
    WithinSeconds(60, "C2jGetLastExceptionClass", [&] { name = C2jGetLastExceptionClass(); });
    EXPECT_EQ(name, nullptr);
    EXPECT_TRUE(sawLast);
    EXPECT_FALSE(g_fake->ExceptionPending());

    g_fake->OnCall("getName", [](jobject, fakejava::Args&) {
        return Object(g_fake->String(u"java.lang.IllegalStateException"));
    });
    name = C2jGetLastExceptionClass();
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(name), SysStringLen(name)),
              u"java.lang.IllegalStateException");
    SysFreeString(name);
}
