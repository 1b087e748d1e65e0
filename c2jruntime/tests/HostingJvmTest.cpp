// Component hosting on the real i386 VM with its real AWT, on the test
// display (Xvfb): the control's window is an X window of the test's own.
// One VM per test case.
#include <windows.h>

#include <gtest/gtest.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "RuntimeTestSupport.h"
#include "TempFolder.h"
#include "TestJvm.h"

using namespace brivel::c2j::testing;
using brivel::testing::Answered;
using brivel::testing::TakePendingException;

namespace {
const unsigned long kWhite = 0xFFFFFF;
const int kWidth = 240, kHeight = 160;

// The test's own connection to the display, and the control's windows.
class X11Display {
public:
    X11Display() : display_(XOpenDisplay(nullptr)) {}
    ~X11Display() {
        if (display_) XCloseDisplay(display_);
    }
    Display* get() const { return display_; }

    // A mapped white window at (x, y), as a control's window.
    HWND NewParent(int x, int y) {
        Window window = XCreateSimpleWindow(display_, DefaultRootWindow(display_), x, y, kWidth, kHeight, 0, 0, kWhite);
        XMapWindow(display_, window);
        XSync(display_, False);
        return AsHwnd(window);
    }

    static HWND AsHwnd(Window window) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(window)); }
    static Window AsWindow(HWND window) { return static_cast<Window>(reinterpret_cast<uintptr_t>(window)); }

    Window ParentOf(HWND window) {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display_, AsWindow(window), &root, &parent, &children, &count)) return 0;
        if (children) XFree(children);
        return parent;
    }

    // The control sizes the hosting window to its own size, as a caller does.
    void FillParent(HWND window) {
        XMoveResizeWindow(display_, AsWindow(window), 0, 0, kWidth, kHeight);
        XSync(display_, False);
    }

    unsigned long PixelAt(HWND window, int x, int y) {
        XImage* image = XGetImage(display_, AsWindow(window), x, y, 1, 1, AllPlanes, ZPixmap);
        if (!image) return ~0UL;
        unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
        XDestroyImage(image);
        return pixel;
    }

    // Waits until the window's centre shows `rgb`; the last colour seen.
    unsigned long WaitForColour(HWND window, unsigned long rgb, int seconds = 30) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        unsigned long seen = PixelAt(window, kWidth / 2, kHeight / 2);
        while (seen != rgb && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            seen = PixelAt(window, kWidth / 2, kHeight / 2);
        }
        return seen;
    }

private:
    Display* display_;
};

JNIEnv* Env() {
    Message e;
    return reinterpret_cast<JNIEnv*>(C2jGetJenv(e.out()));
}

// A brivel.c2jtest.ColourPanel of `rgb`.
jobject NewColourPanel(JNIEnv* env, int rgb) {
    jclass cls = env->FindClass("brivel/c2jtest/ColourPanel");
    if (!cls) return nullptr;
    return env->NewObject(cls, env->GetMethodID(cls, "<init>", "(I)V"), rgb);
}

// A plain javax.swing.JPanel of `rgb`: a class of the boot class loader.
jobject NewSwingPanel(JNIEnv* env, int rgb) {
    jclass panelClass = env->FindClass("javax/swing/JPanel");
    jclass colourClass = env->FindClass("java/awt/Color");
    jobject panel = env->NewObject(panelClass, env->GetMethodID(panelClass, "<init>", "()V"));
    jobject colour = env->NewObject(colourClass, env->GetMethodID(colourClass, "<init>", "(I)V"), rgb);
    env->CallVoidMethod(panel, env->GetMethodID(panelClass, "setBackground", "(Ljava/awt/Color;)V"), colour);
    EXPECT_EQ(TakePendingException(env).className, "");
    return panel;
}

bool LoaderSees(JNIEnv* env, jobject loader, const char* name) {
    jclass cls = env->FindClass("brivel/c2jtest/ColourPanel");
    jmethodID sees = env->GetStaticMethodID(cls, "loaderSees", "(Ljava/lang/ClassLoader;Ljava/lang/String;)Z");
    return Answered(env, env->CallStaticBooleanMethod(cls, sees, loader, env->NewStringUTF(name)));
}

jobject SystemClassLoader(JNIEnv* env) {
    jclass cls = env->FindClass("java/lang/ClassLoader");
    return Answered(env, env->CallStaticObjectMethod(
                             cls, env->GetStaticMethodID(cls, "getSystemClassLoader", "()Ljava/lang/ClassLoader;")));
}

std::string SetJavaHome(JNIEnv* env, const std::string& home) {
    jclass system = env->FindClass("java/lang/System");
    jmethodID set = env->GetStaticMethodID(system, "setProperty", "(Ljava/lang/String;Ljava/lang/String;)Ljava/lang/String;");
    auto old = static_cast<jstring>(Answered(
        env, env->CallStaticObjectMethod(system, set, env->NewStringUTF("java.home"), env->NewStringUTF(home.c_str()))));
    if (!old) return std::string();
    const char* chars = env->GetStringUTFChars(old, nullptr);
    std::string text = chars;
    env->ReleaseStringUTFChars(old, chars);
    return text;
}

bool StartWithAwt() { return StartRuntime("-Djava.awt.headless=false"); }

// The JWindows of the VM that have a native window.
int DisplayableJavaWindows(JNIEnv* env) {
    jclass windowClass = env->FindClass("java/awt/Window");
    auto windows = static_cast<jobjectArray>(
        env->CallStaticObjectMethod(windowClass, env->GetStaticMethodID(windowClass, "getWindows", "()[Ljava/awt/Window;")));
    if (env->ExceptionCheck()) return -1;
    jmethodID displayable = env->GetMethodID(windowClass, "isDisplayable", "()Z");
    jclass jwindow = env->FindClass("javax/swing/JWindow");
    int shown = 0;
    for (jsize i = 0; i < env->GetArrayLength(windows); ++i) {
        jobject w = env->GetObjectArrayElement(windows, i);
        if (env->IsInstanceOf(w, jwindow) && env->CallBooleanMethod(w, displayable)) ++shown;
        if (env->ExceptionCheck()) return -1;
    }
    return shown;
}

// Xlib's error handler as it is now (reading it means setting it: for that
// moment a handler stands in that hands errors on to it).
std::atomic<XErrorHandler> g_readHandler{nullptr};
int HandOn(Display* display, XErrorEvent* event) {
    XErrorHandler handler = g_readHandler.load();
    return handler ? handler(display, event) : 0;
}
XErrorHandler CurrentErrorHandler() {
    XErrorHandler current = XSetErrorHandler(HandOn);
    g_readHandler = current;
    XSetErrorHandler(current);
    return current;
}
}  // namespace

TEST(Hosting, ComponentAppearsInsideTheControlWindow) {
    X11Display x;
    ASSERT_NE(x.get(), nullptr) << "no display (DISPLAY=" << (getenv("DISPLAY") ? getenv("DISPLAY") : "") << ")";
    ASSERT_TRUE(StartWithAwt());
    JNIEnv* env = Env();
    jobject panel = NewColourPanel(env, 0x2E8B57);
    ASSERT_NE(panel, nullptr);
    HWND parent = x.NewParent(20, 20);

    Message e;
    HWND hosted = C2jInitControl(parent, panel, e.out());
    ASSERT_NE(hosted, nullptr) << e.str();
    EXPECT_EQ(e.text, nullptr);
    EXPECT_EQ(x.ParentOf(hosted), X11Display::AsWindow(parent));
    x.FillParent(hosted);
    EXPECT_EQ(x.WaitForColour(parent, 0x2E8B57), 0x2E8B57u);

    std::string shot = std::string(HOSTING_SCREENSHOT);
    std::filesystem::remove(shot);
    EXPECT_EQ(std::system(("import -window root " + shot).c_str()), 0);
    EXPECT_TRUE(std::filesystem::exists(shot));
}

TEST(Hosting, TwoControlsShareTheBuilderOfTheFirstComponentsLoader) {
    X11Display x;
    ASSERT_NE(x.get(), nullptr);
    ASSERT_TRUE(StartWithAwt());
    JNIEnv* env = Env();
    HWND first = x.NewParent(20, 20), second = x.NewParent(300, 20);

    Message e;
    HWND one = C2jInitControl(first, NewColourPanel(env, 0x1E90FF), e.out());
    ASSERT_NE(one, nullptr) << e.str();
    HWND two = C2jInitControl(second, NewSwingPanel(env, 0xFF8C00), e.out());
    ASSERT_NE(two, nullptr) << e.str();
    EXPECT_NE(one, two);
    EXPECT_EQ(x.ParentOf(one), X11Display::AsWindow(first));
    EXPECT_EQ(x.ParentOf(two), X11Display::AsWindow(second));
    x.FillParent(one);
    x.FillParent(two);
    EXPECT_EQ(x.WaitForColour(first, 0x1E90FF), 0x1E90FFu);
    EXPECT_EQ(x.WaitForColour(second, 0xFF8C00), 0xFF8C00u);

    // Defined once, in the first component's loader: the boot loader of the
    // second component's class never got the classes.
    EXPECT_TRUE(LoaderSees(env, SystemClassLoader(env), "brivel.c2j.internal.Builder"));
    EXPECT_FALSE(LoaderSees(env, nullptr, "brivel.c2j.internal.Builder"));
    EXPECT_FALSE(env->ExceptionCheck());
}

// The first use from several threads at once: each gets its window, and the
// hosting classes are defined once (a second definition in the same loader
// would fail).
TEST(Hosting, ControlsHostedFromSeveralThreadsAtOnceAllAppear) {
    X11Display x;
    ASSERT_NE(x.get(), nullptr);
    ASSERT_TRUE(StartWithAwt());
    JNIEnv* env = Env();
    const int kThreads = 4;
    const unsigned long colours[kThreads] = {0xB22222, 0x228B22, 0x4169E1, 0xDAA520};
    HWND parents[kThreads];
    jobject panels[kThreads];
    for (int i = 0; i < kThreads; ++i) {
        parents[i] = x.NewParent(20 + 250 * i, 20);
        panels[i] = env->NewGlobalRef(NewColourPanel(env, static_cast<int>(colours[i])));
    }
    HWND hosted[kThreads] = {};
    std::string messages[kThreads];
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i)
        threads.emplace_back([&, i] {
            Message e;
            hosted[i] = C2jInitControl(parents[i], panels[i], e.out());
            messages[i] = e.str();
        });
    for (auto& t : threads) t.join();
    for (int i = 0; i < kThreads; ++i) {
        ASSERT_NE(hosted[i], nullptr) << "thread " << i << ": " << messages[i];
        EXPECT_EQ(x.ParentOf(hosted[i]), X11Display::AsWindow(parents[i])) << "thread " << i;
        x.FillParent(hosted[i]);
    }
    for (int i = 0; i < kThreads; ++i) EXPECT_EQ(x.WaitForColour(parents[i], colours[i]), colours[i]) << "thread " << i;
}

TEST(Hosting, BeforeJavaStartedAnswersNullWithoutMessage) {
    X11Display x;
    ASSERT_NE(x.get(), nullptr);
    Message e;
    EXPECT_EQ(C2jInitControl(x.NewParent(0, 0), nullptr, e.out()), nullptr);
    EXPECT_EQ(e.text, nullptr);
    EXPECT_FALSE(C2jGetJavaLoaded());
}

TEST(Hosting, NullComponentIsRefusedBeforeAnyWindowIsMade) {
    X11Display x;
    ASSERT_NE(x.get(), nullptr);
    ASSERT_TRUE(StartWithAwt());
    Message e;
    EXPECT_EQ(C2jInitControl(x.NewParent(0, 0), nullptr, e.out()), nullptr);
    EXPECT_EQ(e.str(), "Java component cannot be NULL");
}

TEST(Hosting, BadControlWindowIsReportedAndTheJavaWindowDisposed) {
    ASSERT_TRUE(StartWithAwt());
    JNIEnv* env = Env();
    Message e;
    // No X window has this id.
    EXPECT_EQ(C2jInitControl(X11Display::AsHwnd(0x7FFFFFF0), NewColourPanel(env, 0x123456), e.out()), nullptr);
    EXPECT_EQ(e.str(), "Unable to make the Java window a child of the control's window");
    // The Java window was disposed: no window of Java's is displayable.
    EXPECT_EQ(DisplayableJavaWindows(env), 0);
}

// The Java home names a folder without the native interface library; the
// library is then found on the library search path (LD_LIBRARY_PATH of
// this case names the runtime's library folder).
TEST(Hosting, JawtOutsideTheJavaHomeIsFoundOnTheSearchPath) {
    X11Display x;
    ASSERT_NE(x.get(), nullptr);
    std::filesystem::path empty = brivel::testing::MakeTestTempFolder();
    ASSERT_TRUE(StartWithAwt());
    JNIEnv* env = Env();
    jobject panel = NewColourPanel(env, 0x8B008B);
    HWND parent = x.NewParent(20, 20);
    std::string home = SetJavaHome(env, empty.string());
    Message e;
    HWND hosted = C2jInitControl(parent, panel, e.out());
    SetJavaHome(env, home);
    std::filesystem::remove_all(empty);
    ASSERT_NE(hosted, nullptr) << e.str();
    EXPECT_EQ(x.ParentOf(hosted), X11Display::AsWindow(parent));
}

// Without that search path the library is nowhere.
TEST(Hosting, NoJawtAnywhereIsReported) {
    X11Display x;
    ASSERT_NE(x.get(), nullptr);
    std::filesystem::path empty = brivel::testing::MakeTestTempFolder();
    ASSERT_TRUE(StartWithAwt());
    JNIEnv* env = Env();
    jobject panel = NewColourPanel(env, 0x8B008B);
    SetJavaHome(env, empty.string());
    Message e;
    EXPECT_EQ(C2jInitControl(x.NewParent(0, 0), panel, e.out()), nullptr);
    EXPECT_EQ(e.str(), "Unable to load \"jawt\" DLL");
    std::filesystem::remove_all(empty);
}

// A VM without a display (headless AWT) cannot make the window: the caller
// gets null and Java's reason, and the process goes on.
TEST(Hosting, HeadlessVmGivesJavasReason) {
    X11Display x;
    ASSERT_NE(x.get(), nullptr);
    ASSERT_TRUE(StartRuntime("-Djava.awt.headless=true"));
    JNIEnv* env = Env();
    Message e;
    EXPECT_EQ(C2jInitControl(x.NewParent(0, 0), NewColourPanel(env, 0x123456), e.out()), nullptr);
    EXPECT_NE(e.str().find("java.awt.HeadlessException"), std::string::npos) << e.str();
    EXPECT_FALSE(env->ExceptionCheck());
}

TEST(Hosting, ObjectThatIsNoComponentIsRefusedBeforeAnyWindowIsMade) {
    X11Display x;
    ASSERT_NE(x.get(), nullptr);
    ASSERT_TRUE(StartWithAwt());
    JNIEnv* env = Env();
    Message e;
    EXPECT_EQ(C2jInitControl(x.NewParent(0, 0), env->NewStringUTF("no component"), e.out()), nullptr);
    EXPECT_EQ(e.str(), "Java component is not a java.awt.Component");
    EXPECT_EQ(DisplayableJavaWindows(env), 0);
    EXPECT_FALSE(env->ExceptionCheck());
}

// The hosting windows keep AWT's threads (which are no daemons) alive; the
// runtime disposes of them when it unloads, so that the VM, which waits for
// those threads, goes. The windows are gone from the controls' windows.
TEST(Hosting, UnloadReturnsAfterComponentsWereHosted) {
    X11Display x;
    ASSERT_NE(x.get(), nullptr);
    ASSERT_TRUE(StartWithAwt());
    JNIEnv* env = Env();
    HWND first = x.NewParent(20, 20), second = x.NewParent(300, 20);
    Message e;
    HWND one = C2jInitControl(first, NewColourPanel(env, 0x2E8B57), e.out());
    ASSERT_NE(one, nullptr) << e.str();
    HWND two = C2jInitControl(second, NewSwingPanel(env, 0xFF8C00), e.out());
    ASSERT_NE(two, nullptr) << e.str();
    x.FillParent(one);
    EXPECT_EQ(x.WaitForColour(first, 0x2E8B57), 0x2E8B57u);

    WithinSeconds(60, "C2jUnload after hosting", [] { C2jUnload(); });
    EXPECT_FALSE(C2jGetJavaLoaded());
    for (HWND parent : {first, second}) {
        Window root = 0, parentOfParent = 0, *children = nullptr;
        unsigned count = 0;
        ASSERT_TRUE(XQueryTree(x.get(), X11Display::AsWindow(parent), &root, &parentOfParent, &children, &count));
        if (children) XFree(children);
        EXPECT_EQ(count, 0u);
    }
}

// Xlib has one error handler for the process, and AWT's stands there.
// Hosting never puts another in its place, not even for a moment: a thread
// that keeps putting AWT's back while controls are hosted never finds
// another one there.
TEST(Hosting, XlibsErrorHandlerIsNeverReplaced) {
    X11Display x;
    ASSERT_NE(x.get(), nullptr);
    ASSERT_TRUE(StartWithAwt());
    JNIEnv* env = Env();
    Message e;
    ASSERT_NE(C2jInitControl(x.NewParent(20, 20), NewColourPanel(env, 0x123456), e.out()), nullptr) << e.str();
    const XErrorHandler awt = CurrentErrorHandler();  // AWT runs by now
    std::atomic<bool> stop{false};
    std::atomic<int> checks{0}, replaced{0};
    std::thread watcher([&] {
        while (!stop) {
            if (XSetErrorHandler(awt) != awt) ++replaced;
            ++checks;
        }
    });
    for (int i = 0; i < 8; ++i) {
        HWND hosted = C2jInitControl(x.NewParent(20 + 40 * i, 200), NewColourPanel(env, 0x654321), e.out());
        EXPECT_NE(hosted, nullptr) << e.str();
    }
    stop = true;
    watcher.join();
    EXPECT_GT(checks.load(), 0);
    EXPECT_EQ(replaced.load(), 0);
    EXPECT_EQ(CurrentErrorHandler(), awt);
}

// Java code on Swing's event thread hosts a component (a component's code
// calling a COM control): the window is made there and then, not waited
// for from another thread.
namespace {
std::function<void()> g_onEventThread;
void JNICALL CallBack(JNIEnv*, jclass) {
    if (g_onEventThread) g_onEventThread();
}
}  // namespace

TEST(Hosting, ComponentHostedFromSwingsEventThreadAppears) {
    X11Display x;
    ASSERT_NE(x.get(), nullptr);
    ASSERT_TRUE(StartWithAwt());
    JNIEnv* env = Env();
    jclass panelClass = env->FindClass("brivel/c2jtest/ColourPanel");
    ASSERT_NE(panelClass, nullptr);
    JNINativeMethod callBack = {const_cast<char*>("callBack"), const_cast<char*>("()V"),
                                reinterpret_cast<void*>(CallBack)};
    ASSERT_EQ(env->RegisterNatives(panelClass, &callBack, 1), JNI_OK);
    jobject panel = env->NewGlobalRef(NewColourPanel(env, 0x6A5ACD));
    HWND parent = x.NewParent(20, 20);
    HWND hosted = nullptr;
    std::string message;
    g_onEventThread = [&] {
        Message e;
        hosted = C2jInitControl(parent, panel, e.out());
        message = e.str();
    };
    WithinSeconds(60, "hosting from the event thread", [&] {
        env->CallStaticVoidMethod(panelClass, env->GetStaticMethodID(panelClass, "callBackOnEventThread", "()V"));
    });
    ASSERT_FALSE(env->ExceptionCheck());
    ASSERT_NE(hosted, nullptr) << message;
    EXPECT_EQ(x.ParentOf(hosted), X11Display::AsWindow(parent));
    x.FillParent(hosted);
    EXPECT_EQ(x.WaitForColour(parent, 0x6A5ACD), 0x6A5ACDu);
}
