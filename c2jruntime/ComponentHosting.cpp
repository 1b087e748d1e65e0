// Java component hosting: a borderless Swing window made in the VM, found
// as a native window through the AWT native interface (JAWT), made a child
// of the control's window, and given the caller's component on Swing's
// event thread.
#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "BrivelC2J18.h"
#include "ComponentHosting.h"
#include "HostingClasses.h"
#include "HostingPlatform.h"
#include "JniText.h"
#include "JvmPlatformNames.h"
#include "ProcAddress.h"
#include "RuntimeState.h"

namespace brivel::c2j {

namespace {
typedef jboolean(JNICALL* GetAwtFunction)(JNIEnv*, JAWT*);

const char kNoWindow[] = "Unable to get Java window (HWND)";
const char kNoClasses[] = "Internal error: Unable to load Java builder class";

// Filled at first use, kept until the process ends (the classes until the
// runtime unloads). Several threads may host their first components at
// once: the lock makes one of them fill it.
std::mutex g_firstUseLock;
HMODULE g_jawtModule = nullptr;
GetAwtFunction g_getAwt = nullptr;
jclass g_builderClass = nullptr;      // global reference
jclass g_windowMakerClass = nullptr;  // global reference
// Every window handed out (global references, under the lock): each lives
// as long as its control, and until the runtime unloads, which disposes of
// them (AWT's threads, which are no daemons, run while they exist).
std::vector<jobject> g_hostedWindows;

// Deletes a local reference when it goes.
template <typename T>
class Local {
public:
    Local(JNIEnv* env, T ref) : env_(env), ref_(ref) {}
    ~Local() {
        if (ref_) env_->DeleteLocalRef(ref_);
    }
    Local(const Local&) = delete;
    Local& operator=(const Local&) = delete;
    T get() const { return ref_; }

private:
    JNIEnv* env_;
    T ref_;
};

// Clears a pending exception; true when there was one.
bool Raised(JNIEnv* env) {
    if (!env->ExceptionCheck()) return false;
    env->ExceptionClear();
    return true;
}

// The running VM's java.home; empty when it cannot be read.
std::string JavaHome(JNIEnv* env) {
    Local<jclass> system(env, env->FindClass("java/lang/System"));
    jmethodID getProperty = system.get() ? env->GetStaticMethodID(system.get(), "getProperty",
                                                                  "(Ljava/lang/String;)Ljava/lang/String;")
                                         : nullptr;
    if (Raised(env) || !getProperty) return std::string();
    Local<jstring> key(env, env->NewStringUTF("java.home"));
    if (Raised(env) || !key.get()) return std::string();
    Local<jstring> home(env, static_cast<jstring>(env->CallStaticObjectMethod(system.get(), getProperty, key.get())));
    if (Raised(env) || !home.get()) return std::string();
    return JstringToAnsi(env, home.get());
}

std::string BelowHome(std::string home, const char* relative) {
    if (!home.empty() && home.back() != kPathSeparator) home += kPathSeparator;
    return home + relative;
}

// The AWT library first (the native interface library needs it), then the
// native interface library of the Java home, then any the system finds.
bool LoadJawt(JNIEnv* env, std::string& message) {
    if (!g_jawtModule) {
        std::string home = JavaHome(env);
        HMODULE module = nullptr;
        if (!home.empty()) {  // never a path relative to the current folder
            LoadLibraryA(BelowHome(home, kAwtLibrary).c_str());
            module = LoadLibraryA(BelowHome(home, kJawtLibrary).c_str());
        }
        if (!module) module = LoadLibraryA(kJawtSearchName);
        if (!module) {
            message = "Unable to load \"jawt\" DLL";
            return false;
        }
        g_jawtModule = module;
    }
    if (!g_getAwt) {
        g_getAwt = ProcAddress<GetAwtFunction>(g_jawtModule, kJawtEntryName);
        if (!g_getAwt) {
            message = "Unable to find entry point GetAWT in jawt.dll library";
            return false;
        }
    }
    return true;
}

jclass DefineInLoader(JNIEnv* env, const char* name, jobject loader, const std::vector<uint8_t>& bytes) {
    Local<jclass> cls(env, env->DefineClass(name, loader, reinterpret_cast<const jbyte*>(bytes.data()),
                                            static_cast<jsize>(bytes.size())));
    if (Raised(env) || !cls.get()) return nullptr;
    return static_cast<jclass>(env->NewGlobalRef(cls.get()));
}

// Defines both classes in the class loader of the component's class, once.
bool DefineHostingClasses(JNIEnv* env, jobject component) {
    if (g_builderClass && g_windowMakerClass) return true;
    Local<jclass> componentClass(env, env->GetObjectClass(component));
    Local<jclass> classClass(env, env->FindClass("java/lang/Class"));
    jmethodID getClassLoader =
        classClass.get() ? env->GetMethodID(classClass.get(), "getClassLoader", "()Ljava/lang/ClassLoader;") : nullptr;
    if (Raised(env) || !getClassLoader) return false;
    Local<jobject> loader(env, env->CallObjectMethod(componentClass.get(), getClassLoader));
    if (Raised(env)) return false;
    if (!g_builderClass) g_builderClass = DefineInLoader(env, kBuilderClassName, loader.get(), BuilderClassFile());
    if (!g_windowMakerClass)
        g_windowMakerClass = DefineInLoader(env, kWindowMakerClassName, loader.get(), WindowMakerClassFile());
    return g_builderClass && g_windowMakerClass;
}

// Window.dispose, which does its work on Swing's event thread and waits for
// it there.
void Dispose(JNIEnv* env, jobject window) {
    Local<jclass> cls(env, env->GetObjectClass(window));
    jmethodID dispose = env->GetMethodID(cls.get(), "dispose", "()V");
    if (!Raised(env) && dispose) env->CallVoidMethod(window, dispose);
    Raised(env);
}

// Runs `call` in a thread of its own, attached to the VM for that call,
// while the calling thread waits dispatching its messages: Swing's event
// thread, for which the call waits, may send messages to the caller's
// windows and wait for their answers (WaitDispatching).
void CallAside(JavaVM* vm, const std::function<void(JNIEnv*)>& call) {
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread aside([&] {
        JNIEnv* env = nullptr;
        if (vm->AttachCurrentThreadAsDaemon(reinterpret_cast<void**>(&env), nullptr) == JNI_OK && env) {
            call(env);
            vm->DetachCurrentThread();
        }
        if (done) SetEvent(done);
    });
    if (done) WaitDispatching(done);
    aside.join();
    if (done) CloseHandle(done);
}

// Swing's event thread calls the runtime (a component's Java code calling
// a COM control): it runs what it would wait for itself.
bool OnEventThread(JNIEnv* env) {
    Local<jclass> queue(env, env->FindClass("java/awt/EventQueue"));
    jmethodID isDispatchThread = queue.get() ? env->GetStaticMethodID(queue.get(), "isDispatchThread", "()Z") : nullptr;
    bool on = !Raised(env) && isDispatchThread && env->CallStaticBooleanMethod(queue.get(), isDispatchThread);
    return !Raised(env) && on;
}

// Runs `call` with the caller's environment on Swing's event thread, else
// aside (CallAside).
void CallWaitingForSwing(JNIEnv* env, bool onEventThread, const std::function<void(JNIEnv*)>& call) {
    if (onEventThread) {
        call(env);
        return;
    }
    JavaVM* vm = nullptr;
    if (env->GetJavaVM(&vm) == JNI_OK && vm) CallAside(vm, call);
}

// The window made and shown on Swing's event thread (WindowMaker.make), as
// a global reference; null with Java's reason or no message.
jobject MakeWindow(JNIEnv* env, bool onEventThread, jmethodID make, char** thrown) {
    jobject window = nullptr;
    CallWaitingForSwing(env, onEventThread, [&](JNIEnv* callEnv) {
        jobject made = callEnv->CallStaticObjectMethod(g_windowMakerClass, make);
        *thrown = TakeJavaException(callEnv);
        if (made && !*thrown) window = callEnv->NewGlobalRef(made);
        if (made) callEnv->DeleteLocalRef(made);
    });
    return window;
}

// Disposes of a window and lets go of its global reference.
void DisposeOf(JNIEnv* env, bool onEventThread, jobject window) {
    CallWaitingForSwing(env, onEventThread, [window](JNIEnv* callEnv) { Dispose(callEnv, window); });
    env->DeleteGlobalRef(window);
}

// Keeps a window handed out; false while the runtime unloads (it has
// disposed of the windows it kept, or is about to).
bool KeepHostedWindow(jobject window) {
    std::lock_guard<std::mutex> lock(g_firstUseLock);
    if (Unloading()) return false;
    g_hostedWindows.push_back(window);
    return true;
}

// The window's native handle, read while its drawing surface is locked.
HWND NativeWindowOfJava(JNIEnv* env, JAWT& awt, jobject window) {
    JAWT_DrawingSurface* surface = awt.GetDrawingSurface(env, window);
    if (!surface) return nullptr;
    HWND handle = nullptr;
    jint lock = surface->Lock(surface);
    if (!(lock & JAWT_LOCK_ERROR)) {
        if (JAWT_DrawingSurfaceInfo* info = surface->GetDrawingSurfaceInfo(surface)) {
            handle = NativeWindowOf(*info);
            surface->FreeDrawingSurfaceInfo(info);
        }
        surface->Unlock(surface);
    }
    awt.FreeDrawingSurface(surface);
    Raised(env);
    return handle;
}

bool IsComponent(JNIEnv* env, jobject object) {
    Local<jclass> componentClass(env, env->FindClass("java/awt/Component"));
    bool is = componentClass.get() && !Raised(env) && env->IsInstanceOf(object, componentClass.get());
    return !Raised(env) && is;
}

HWND HostComponent(JNIEnv* env, HWND parent, jobject component, char** error) {
    JAWT awt = {};
    {
        std::lock_guard<std::mutex> lock(g_firstUseLock);
        std::string message;
        if (!LoadJawt(env, message)) {
            SetError(error, message.c_str());
            return nullptr;
        }
        awt.version = JAWT_VERSION_1_3;
        if (!g_getAwt(env, &awt)) {
            SetError(error, "GetAWT in jawt.dll library failed");
            return nullptr;
        }
        if (!DefineHostingClasses(env, component)) {
            SetError(error, kNoClasses);
            return nullptr;
        }
    }

    jmethodID make = env->GetStaticMethodID(g_windowMakerClass, "make", "()Ljavax/swing/JWindow;");
    if (Raised(env) || !make) {
        SetError(error, kNoClasses);
        return nullptr;
    }
    const bool onEventThread = OnEventThread(env);
    char* thrown = nullptr;
    jobject window = MakeWindow(env, onEventThread, make, &thrown);  // global reference
    if (thrown) {
        StoreMessage(error, thrown);  // the window could not be made or shown
        return nullptr;
    }
    if (!window) {
        SetError(error, kNoWindow);
        return nullptr;
    }
    // From here on a failure disposes of the window.
    auto fail = [&](char* message) -> HWND {
        DisposeOf(env, onEventThread, window);
        StoreMessage(error, message);
        return nullptr;
    };

    Local<jclass> windowClass(env, env->GetObjectClass(window));
    jmethodID getContentPane = env->GetMethodID(windowClass.get(), "getContentPane", "()Ljava/awt/Container;");
    Local<jobject> contentPane(env, getContentPane ? env->CallObjectMethod(window, getContentPane) : nullptr);
    if (Raised(env) || !contentPane.get()) return fail(HeapCopy(kNoWindow));

    HWND handle = NativeWindowOfJava(env, awt, window);
    if (!handle) return fail(HeapCopy(kNoWindow));
    if (!AdoptAsChild(handle, parent))
        return fail(HeapCopy("Unable to make the Java window a child of the control's window"));

    jmethodID add = env->GetStaticMethodID(g_builderClass, "add", "(Ljava/awt/Container;Ljava/awt/Component;)V");
    if (Raised(env) || !add) return fail(HeapCopy(kNoClasses));
    env->CallStaticVoidMethod(g_builderClass, add, contentPane.get(), component);
    if (char* added = TakeJavaException(env)) return fail(added);
    // The window lives as long as the control: its reference is let go only
    // when the runtime unloads.
    if (!KeepHostedWindow(window)) return fail(HeapCopy(kUnloadingMessage));
    return handle;
}
}  // namespace

void DisposeHostedWindows(JavaVM* vm) {
    std::vector<jobject> windows;
    {
        std::lock_guard<std::mutex> lock(g_firstUseLock);
        windows.swap(g_hostedWindows);
    }
    if (windows.empty()) return;
    CallAside(vm, [&](JNIEnv* env) {
        for (jobject window : windows) {
            Dispose(env, window);
            env->DeleteGlobalRef(window);
        }
    });
}

void ForgetHostingClasses() {
    std::lock_guard<std::mutex> lock(g_firstUseLock);
    g_builderClass = nullptr;  // their VM is gone, and the references with it
    g_windowMakerClass = nullptr;
}

}  // namespace brivel::c2j

using namespace brivel::c2j;

extern "C" HWND C2jInitControl(HWND parent, jobject component, char** error) {
    if (error) *error = nullptr;
    if (!JavaLoaded()) return nullptr;  // the caller starts Java first
    JNIEnv* env = GetThreadEnv(error);
    if (!env) return nullptr;
    if (Unloading()) {
        SetError(error, kUnloadingMessage);
        return nullptr;
    }
    if (!component) {
        SetError(error, "Java component cannot be NULL");
        return nullptr;
    }
    if (!IsComponent(env, component)) {
        SetError(error, "Java component is not a java.awt.Component");
        return nullptr;
    }
    return HostComponent(env, parent, component, error);
}
