// Java component hosting: a borderless Swing window made in the VM, found
// as a native window through the AWT native interface (JAWT), made a child
// of the control's window, and given the caller's component on Swing's
// event thread.
#include <windows.h>

#include <mutex>
#include <string>

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

jclass DefineInLoader(JNIEnv* env, const char* name, jobject loader, const unsigned char* bytes, unsigned size) {
    Local<jclass> cls(env, env->DefineClass(name, loader, reinterpret_cast<const jbyte*>(bytes), static_cast<jsize>(size)));
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
    if (!g_builderClass) g_builderClass = DefineInLoader(env, kBuilderClassName, loader.get(), kBuilderClass, kBuilderClassSize);
    if (!g_windowMakerClass)
        g_windowMakerClass =
            DefineInLoader(env, kWindowMakerClassName, loader.get(), kWindowMakerClass, kWindowMakerClassSize);
    return g_builderClass && g_windowMakerClass;
}

// Disposes of a window that will not be handed out (Window.dispose does its
// work on the event thread itself).
void Dispose(JNIEnv* env, jobject window) {
    Local<jclass> cls(env, env->GetObjectClass(window));
    jmethodID dispose = env->GetMethodID(cls.get(), "dispose", "()V");
    if (!Raised(env) && dispose) env->CallVoidMethod(window, dispose);
    Raised(env);
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
    Local<jobject> window(env, env->CallStaticObjectMethod(g_windowMakerClass, make));
    if (char* thrown = TakeJavaException(env)) {
        StoreMessage(error, thrown);  // the window could not be made or shown
        return nullptr;
    }
    if (!window.get()) {
        SetError(error, kNoWindow);
        return nullptr;
    }
    // From here on a failure disposes of the window.
    auto fail = [&](const char* text) -> HWND {
        Dispose(env, window.get());
        SetError(error, text);
        return nullptr;
    };

    Local<jclass> windowClass(env, env->GetObjectClass(window.get()));
    jmethodID getContentPane = env->GetMethodID(windowClass.get(), "getContentPane", "()Ljava/awt/Container;");
    Local<jobject> contentPane(env, getContentPane ? env->CallObjectMethod(window.get(), getContentPane) : nullptr);
    if (Raised(env) || !contentPane.get()) return fail(kNoWindow);

    HWND handle = NativeWindowOfJava(env, awt, window.get());
    if (!handle) return fail(kNoWindow);
    if (!AdoptAsChild(handle, parent)) return fail("Unable to make the Java window a child of the control's window");

    jmethodID add = env->GetStaticMethodID(g_builderClass, "add", "(Ljava/awt/Container;Ljava/awt/Component;)V");
    if (Raised(env) || !add) return fail(kNoClasses);
    env->CallStaticVoidMethod(g_builderClass, add, contentPane.get(), component);
    if (char* thrown = TakeJavaException(env)) {
        Dispose(env, window.get());
        StoreMessage(error, thrown);
        return nullptr;
    }
    // The window lives as long as the control: its reference is never let go.
    env->NewGlobalRef(window.get());
    return handle;
}
}  // namespace

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
    if (!component) {
        SetError(error, "Java component cannot be NULL");
        return nullptr;
    }
    return HostComponent(env, parent, component, error);
}
