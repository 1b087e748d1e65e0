// Component hosting on win32 under Wine, where no Java VM exists: the
// runtime starts the tests' own JNI environment (FakeJava) through a
// stand-in VM library, as it would start a VM, and loads a stand-in AWT
// native interface library whose drawing surface hands out a real window.
// The window steps (style, parent) and the failure texts run for real.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "BrivelC2J18.h"
#include "FakeJava.h"
#include "ProgramFolder.h"
#include "TempFolder.h"

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
