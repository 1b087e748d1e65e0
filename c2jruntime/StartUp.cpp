// Start-up of the process's one Java VM: the settings given before Java
// starts, locating and loading the VM library, creating the VM, handing its
// output to the console, attaching threads, and unloading.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "BrivelC2J18.h"
#include "ComponentHosting.h"
#include "ConsoleHandOver.h"
#include "ConsoleClass.h"
#include "JavaHomeProbe.h"
#include "JvmPlatformNames.h"
#include "ListenerClasses.h"
#include "RuntimeState.h"
#include "ThreadEnv.h"
#include "VmFolderSearch.h"
#include "VmLocation.h"
#include "ProcAddress.h"

using namespace brivel::c2j;

namespace {
const char kClassPathOption[] = "-Djava.class.path=";

// Set once a VM exists, before anything else may use it; cleared by the
// unloading before the VM pointer and its library go.
std::atomic<bool> g_javaLoaded{false};
// Set while C2jUnload destroys the VM without holding the locks: nothing
// starts using the VM then (kUnloadingMessage).
std::atomic<bool> g_unloading{false};
std::string g_jvmPath;  // configured; empty when not set
bool g_jvmPathSet = false;
std::string g_jvmArgs;  // extra VM arguments; empty when not set
bool g_jvmArgsSet = false;
std::string g_classPath;      // the part behind kClassPathOption
std::string g_loadedJvmPath;  // once a VM exists
HMODULE g_jvmModule = nullptr;
JavaVM* g_vm = nullptr;  // read and written under the start lock
// The thread whose call created the VM: Java code knows it as "main".
std::thread::id g_starter;
// The runtime unloaded a VM in this process; a start that failed after that
// is not tried again (a VM library creates no second VM in a process), and
// its message answers every later start at once.
bool g_unloadedBefore = false;
std::string g_failedRestart;
CRITICAL_SECTION g_classLoadingLock;
// Serialises start-up, attaching threads, unloading and the settings: the
// first use from several threads creates one VM, and no thread attaches
// itself to a VM that is going. Taken after the class-loading lock.
CRITICAL_SECTION g_startLock;

typedef jint(JNICALL* CreateJavaVmFunction)(JavaVM**, void**, void*);

struct Lock {
    explicit Lock(CRITICAL_SECTION& s) : section(s) { EnterCriticalSection(&section); }
    ~Lock() { LeaveCriticalSection(&section); }
    CRITICAL_SECTION& section;
};

std::string BstrToAnsi(BSTR text) {
    std::string out;
    UINT length = text ? SysStringLen(text) : 0;
    if (!length) return out;
    int n = WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    if (n <= 0) return out;
    out.resize(n);
    WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), &out[0], n, nullptr, nullptr);
    return out;
}

BSTR AnsiToBstr(const std::string& text) {
    if (text.empty()) return SysAllocStringLen(nullptr, 0);
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    BSTR out = SysAllocStringLen(nullptr, n);
    if (out) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out, n);
    return out;
}

// Sends System.out and System.err to the console program when it runs. Any
// failure only means that Java's output stays where it is.
void HandOverToConsole(JNIEnv* env) {
    HANDLE mutex = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, brivel::console::kConsoleMutexName);
    if (!mutex) return;
    CloseHandle(mutex);
    HKEY key = nullptr;
    if (RegCreateKeyA(HKEY_CURRENT_USER, brivel::console::kPortKeyPath, &key) != ERROR_SUCCESS) return;
    DWORD port = 0, size = sizeof port, type = 0;
    LONG read = RegQueryValueExA(key, brivel::console::kPortValueName, nullptr, &type,
                                 reinterpret_cast<LPBYTE>(&port), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || size != sizeof port) return;

    jclass loaderClass = env->FindClass("java/lang/ClassLoader");
    jobject loader = nullptr;
    if (loaderClass) {
        jmethodID getLoader = env->GetStaticMethodID(loaderClass, "getSystemClassLoader", "()Ljava/lang/ClassLoader;");
        if (getLoader) loader = env->CallStaticObjectMethod(loaderClass, getLoader);
    }
    if (!env->ExceptionCheck()) {
        jclass console = env->DefineClass(kConsoleClassName, loader, reinterpret_cast<const jbyte*>(kConsoleClass),
                                          static_cast<jsize>(kConsoleClassSize));
        if (console) {
            jmethodID init = env->GetStaticMethodID(console, "init", "(I)V");
            if (init) env->CallStaticVoidMethod(console, init, static_cast<jint>(port));
            env->DeleteLocalRef(console);
        }
    }
    if (env->ExceptionCheck()) env->ExceptionClear();
    env->DeleteLocalRef(loader);
    env->DeleteLocalRef(loaderClass);
}

// Creates the VM in a thread of its own, which hands Java's output to the
// console and then leaves the VM. So no host thread is the VM's creating
// thread: every host thread attaches itself the same way (GetThreadEnv),
// and Java code sees all of them alike (the one whose call created the VM
// by the name of Java's first thread).
jint CreateJavaVmAside(CreateJavaVmFunction create, JavaVMInitArgs* args, JavaVM** vm) {
    jint result = JNI_ERR;
    std::thread([&] {
        JNIEnv* env = nullptr;
        result = create(vm, reinterpret_cast<void**>(&env), args);
        if (result < 0) return;
        HandOverToConsole(env);
        (*vm)->DetachCurrentThread();
    }).join();
    return result;
}

struct LoadOutcome {
    bool creationFailed = false;
    DWORD loadError = 0;  // the system's code when the library did not load
};

// Loads the VM library for `folder` + `subFolder` and creates the VM with the
// settings. On success the VM exists (no host thread is attached yet).
bool LoadJvm(const std::string& folder, const std::string& subFolder, std::string& message, LoadOutcome& outcome,
             std::string& triedPath) {
    triedPath = JvmLibraryPath(folder, subFolder);
    outcome = LoadOutcome();
    HMODULE module = LoadLibraryA(triedPath.c_str());
    if (!module) {
        outcome.loadError = GetLastError();
        return false;
    }
    if (g_classPath.empty()) g_classPath = EnvironmentValue("CLASSPATH");

    std::vector<std::string> texts;
    texts.push_back(kClassPathOption + g_classPath);
    if (g_jvmArgsSet) {
        for (std::string& extra : SplitJvmArguments(g_jvmArgs, kMaxJvmOptions - 1)) texts.push_back(extra);
    }
    std::vector<JavaVMOption> options(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        options[i].optionString = &texts[i][0];
        options[i].extraInfo = nullptr;
    }
    JavaVMInitArgs args;
    args.version = JNI_VERSION_1_2;
    args.nOptions = static_cast<jint>(options.size());
    args.options = options.data();
    args.ignoreUnrecognized = JNI_TRUE;

    auto create = brivel::ProcAddress<CreateJavaVmFunction>(module, "JNI_CreateJavaVM");
    JavaVM* vm = nullptr;
    if (!create || CreateJavaVmAside(create, &args, &vm) < 0) {
        outcome.creationFailed = true;
        message = "Java VM Creation failed";
        return false;
    }
    g_jvmModule = module;
    g_vm = vm;
    g_loadedJvmPath = triedPath;
    g_javaLoaded = true;
    message.clear();  // an earlier candidate's failure is no longer the story
    return true;
}

std::string SystemErrorText(DWORD code) {
    char text[1024];
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                             MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof text, nullptr);
    return n ? std::string(text, n) : std::string();
}

std::string Formatted(const char* format, const std::string& a) {
    char* text = nullptr;
    SetErrorFormat(&text, format, a.c_str());
    std::string out = text ? text : "";
    std::free(text);
    return out;
}

bool StartJava(std::string& message) {
    LoadOutcome outcome;
    std::string tried;
    if (!g_jvmPath.empty()) {
        if (LoadJvm(g_jvmPath, std::string(), message, outcome, tried)) return true;
        if (outcome.creationFailed) return false;  // keeps "Java VM Creation failed"
        std::string text = SystemErrorText(outcome.loadError);
        if (!text.empty()) {
            char* m = nullptr;
            SetErrorFormat(&m, "Error loading JVM \"%s\": %s", tried.c_str(), text.c_str());
            message = m ? m : "";
            std::free(m);
        } else if (outcome.loadError) {
            char* m = nullptr;
            SetErrorFormat(&m, "Unable to load JVM \"%s\" Error %d (0x%x)", tried.c_str(),
                           static_cast<int>(outcome.loadError), static_cast<unsigned>(outcome.loadError));
            message = m ? m : "";
            std::free(m);
        } else {
            message = Formatted("Unable to load JVM \"%s\"", tried);
        }
        return false;
    }

    JavaHomeProbeResult probe = ProbeJavaHome("BRV");
    if (!probe.ok) {
        message = probe.message;
        return false;
    }
    const std::string& home = probe.home;
    const std::string folder = JvmSearchFolder(home);
    if (SearchJvmFolders(folder, [&](const std::string& sub) { return LoadJvm(folder, sub, message, outcome, tried); }))
        return true;
    if (!outcome.creationFailed && message.empty())
        message = Formatted("Could not locate JVM.DLL under \"%s\"", home);
    return false;
}

// Under the start lock: makes sure that a VM exists. While the runtime
// unloads, none may be used; after an unload, a start that failed answers
// every later one.
bool EnsureJava(std::string& message) {
    if (g_unloading) {
        message = kUnloadingMessage;
        return false;
    }
    if (g_javaLoaded) return true;
    if (!g_failedRestart.empty()) {
        message = g_failedRestart;
        return false;
    }
    if (StartJava(message)) {
        g_starter = std::this_thread::get_id();
        return true;
    }
    if (g_unloadedBefore) g_failedRestart = message;
    return false;
}

BOOL WINAPI RuntimeDllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        StartEnvEras();
        InitializeCriticalSection(&g_classLoadingLock);
        InitializeCriticalSection(&g_startLock);
    }
    return TRUE;
}
}  // namespace

#ifdef _WIN32
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    return RuntimeDllMain(instance, reason, reserved);
}
#else
BRIVEL_RUN_DLLMAIN_ON_LOAD(RuntimeDllMain)
#endif

namespace brivel::c2j {

const char kUnloadingMessage[] = "Java is being unloaded";

bool JavaLoaded() { return g_javaLoaded; }
bool Unloading() { return g_unloading; }
CRITICAL_SECTION& ClassLoadingLock() { return g_classLoadingLock; }

// A thread's first call. Under the start lock, so that it never attaches
// itself to a VM that is being destroyed or reads one that is gone.
JNIEnv* AttachThreadEnv(char** error) {
    Lock lock(g_startLock);
    std::string message;
    if (!EnsureJava(message)) {
        SetError(error, message.c_str());
        return nullptr;
    }
    // As a daemon: threads are never detached, and unloading must not wait
    // for threads of the host, which may be waiting for it or may have ended
    // long ago. (Threads that Java code starts from here are daemons too,
    // unless it says otherwise; see C2jUnload.) The thread whose call
    // created the VM is the one Java code expects as its first, "main".
    JavaVMAttachArgs first = {JNI_VERSION_1_2, const_cast<char*>("main"), nullptr};
    bool starter = std::this_thread::get_id() == g_starter;
    JNIEnv* env = nullptr;
    if (g_vm->AttachCurrentThreadAsDaemon(reinterpret_cast<void**>(&env), starter ? &first : nullptr) != JNI_OK ||
        !env) {
        SetError(error, "Could not attach current thread to Java VM");
        return nullptr;
    }
    KeepEnv(env);
    return env;
}

}  // namespace brivel::c2j

extern "C" bool C2jInit(char** error) {
    if (error) *error = nullptr;
    if (g_javaLoaded && !g_unloading) return true;
    Lock lock(g_startLock);
    std::string message;
    if (EnsureJava(message)) return true;
    SetError(error, message.c_str());
    return false;
}

// Marked as unloading under both locks (the class-loading lock first: a
// class load in progress ends before the VM goes away). The VM is destroyed
// without them: it waits for Java's non-daemon threads, which may call the
// runtime meanwhile, and get kUnloadingMessage where they would start using
// the VM. The locks are taken again to forget what belonged to it.
extern "C" void C2jUnload(void) {
    JavaVM* vm = nullptr;
    {
        Lock classes(g_classLoadingLock);
        Lock start(g_startLock);
        if (!g_jvmModule || g_unloading) return;  // nothing loaded, or another thread unloads it
        g_unloading = true;
        vm = g_vm;
    }
    if (vm) {
        // AWT's threads, which are no daemons, end once its windows are gone.
        DisposeHostedWindows(vm);
        // The caller leaves the VM (were it still a daemon, the VM would not
        // wait for the last of Java's own non-daemon threads) and comes back
        // as the destroying thread, which waits until every non-daemon Java
        // thread has ended. Host threads are daemons and are not waited for.
        if (KeptEnv()) vm->DetachCurrentThread();
        vm->DestroyJavaVM();
    }
    Lock classes(g_classLoadingLock);
    Lock start(g_startLock);
    g_javaLoaded = false;
    // Every thread's environment belonged to that VM.
    NextEnvEra();
    g_vm = nullptr;
    FreeLibrary(g_jvmModule);
    g_jvmModule = nullptr;
    g_unloadedBefore = true;
    ForgetClassTable();
    ForgetListenerClasses();
    ForgetLastException();
    ForgetHostingClasses();
    g_unloading = false;
}

extern "C" bool C2jGetJavaLoaded(void) { return g_javaLoaded; }

extern "C" bool C2jSetJvmPath(BSTR arg, char** error) {
    if (error) *error = nullptr;
    Lock lock(g_startLock);
    if (g_javaLoaded) {
        SetError(error, "Java is already loaded, JVM path cannot be set now");
        return false;
    }
    if (g_jvmPathSet) {
        SetError(error, "JVM path has already been set");
        return false;
    }
    if (!arg || !SysStringLen(arg)) return true;
    g_jvmPath = BstrToAnsi(arg);
    g_jvmPathSet = true;
    return true;
}

extern "C" BSTR C2jGetJvmPath(void) {
    Lock lock(g_startLock);
    const std::string& path = g_javaLoaded ? g_loadedJvmPath : g_jvmPath;
    return path.empty() ? nullptr : AnsiToBstr(path);
}

extern "C" bool C2jSetJvmArg(BSTR arg, char** error) {
    if (error) *error = nullptr;
    Lock lock(g_startLock);
    if (g_javaLoaded) {
        SetError(error, "Java is already loaded, extra arguments cannot be added now");
        return false;
    }
    if (g_jvmArgsSet) {
        SetError(error, "Extra arguments have already been set");
        return false;
    }
    if (!arg || !SysStringLen(arg)) return true;
    g_jvmArgs = BstrToAnsi(arg);
    g_jvmArgsSet = true;
    return true;
}

extern "C" BSTR C2jGetJvmArg(void) {
    Lock lock(g_startLock);
    return g_jvmArgsSet ? AnsiToBstr(g_jvmArgs) : nullptr;
}

extern "C" bool C2jSetClasspath(BSTR cp, char** error) {
    if (error) *error = nullptr;
    Lock lock(g_startLock);
    if (g_javaLoaded) {
        SetError(error, "Java is already loaded, classpath cannot be changed now");
        return false;
    }
    if (!cp) {
        SetError(error, "Classpath cannot be NULL");
        return false;
    }
    g_classPath.clear();
    if (!SysStringLen(cp)) {
        SetError(error, "Classpath cannot be empty");
        return false;
    }
    g_classPath = BstrToAnsi(cp);  // whole, however long
    return true;
}

extern "C" BSTR C2jGetClasspath(void) {
    Lock lock(g_startLock);
    return AnsiToBstr(g_classPath.empty() ? EnvironmentValue("CLASSPATH") : g_classPath);
}
