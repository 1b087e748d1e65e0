// Start-up on the real i386 VM: a configured path, the Java-home probe, the
// console hand-over, threads that attach themselves. One VM per test case.
#include <windows.h>

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "ConsoleHandOver.h"
#include "ConsoleListener.h"
#include "RuntimeTestSupport.h"
#include "StubRuntime.h"
#include "TempFolder.h"

using namespace brivel::c2j::testing;
using StartUp = brivel::testing::TempFolderTest;

namespace {
const char kSample[] = "brivel/c2jtest/Sample";

int LoadSample(Message& e) {
    static Descriptor descriptor({{"<init>", "()V"}}, {}, {{"property", "(Ljava/lang/String;)Ljava/lang/String;"},
                                                          {"twice", "(I)I"},
                                                          {"print", "(Ljava/lang/String;Ljava/lang/String;)V"}},
                                 {});
    int cls = 0;
    C2jLoadClass(&cls, kSample, e.out(), descriptor.get());
    return cls;
}

std::string Property(int cls, const char* name) {
    Message e;
    JNIEnv* env = reinterpret_cast<JNIEnv*>(C2jGetJenv(e.out()));
    jstring key = env->NewStringUTF(name);
    jstring value = reinterpret_cast<jstring>(C2jCallObj(true, 0, cls, 1, e.out(), key));
    std::string text = value ? env->GetStringUTFChars(value, nullptr) : "(null)";
    return text;
}

const char kThreads[] = "brivel/c2jtest/Threads";
enum ThreadsMethod {
    kCallerIsDaemon = 1,
    kStartedThreadIsDaemon,
    kStartWriter,
    kCallerName,
    kStartInheritingWriter,
    kStartCaller
};

int LoadThreads(Message& e) {
    static Descriptor descriptor({}, {},
                                 {{"callerIsDaemon", "()Z"},
                                  {"startedThreadIsDaemon", "()Z"},
                                  {"startWriter", "(Ljava/lang/String;I)V"},
                                  {"callerName", "()Ljava/lang/String;"},
                                  {"startInheritingWriter", "(Ljava/lang/String;I)Z"},
                                  {"startCaller", "(I)V"}},
                                 {});
    int cls = 0;
    C2jLoadClass(&cls, kThreads, e.out(), descriptor.get());
    return cls;
}

// The name of the calling thread as Java code sees it.
std::string CallerName(int threads) {
    Message e;
    JNIEnv* env = reinterpret_cast<JNIEnv*>(C2jGetJenv(e.out()));
    auto name = reinterpret_cast<jstring>(C2jCallObj(true, 0, threads, kCallerName, e.out()));
    if (!name) return e.str();
    const char* chars = env->GetStringUTFChars(name, nullptr);
    std::string text = chars;
    env->ReleaseStringUTFChars(name, chars);
    return text;
}

const char kUnloading[] = "Java is being unloaded";

// What Threads.callBack runs: set by a test before Java code calls it.
std::function<void()> g_callBack;
void JNICALL CallBack(JNIEnv*, jclass) {
    if (g_callBack) g_callBack();
}

// Threads.startCaller(pause): a thread that Java code makes a non-daemon
// calls g_callBack from native code after the pause.
void StartCaller(int threads, int pauseMillis) {
    Message e;
    JNIEnv* env = reinterpret_cast<JNIEnv*>(C2jGetJenv(e.out()));
    JNINativeMethod callBack = {const_cast<char*>("callBack"), const_cast<char*>("()V"),
                                reinterpret_cast<void*>(CallBack)};
    ASSERT_EQ(env->RegisterNatives(env->FindClass(kThreads), &callBack, 1), JNI_OK);
    C2jCallVoid(true, 0, threads, kStartCaller, e.out(), pauseMillis);
    ASSERT_EQ(e.text, nullptr) << e.str();
}

void JNICALL ActionPerformed(JNIEnv*, jobject, jobject) {}

// The id of this process's thread of the given name, as the system keeps
// it (at most 15 characters), or 0 when there is none.
pid_t ThreadNamed(const std::string& name) {
    for (auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::string comm;
        if (FILE* file = std::fopen((task.path() / "comm").c_str(), "r")) {
            char line[32] = {};
            if (std::fgets(line, sizeof line, file)) comm = line;
            std::fclose(file);
        }
        if (!comm.empty() && comm.back() == '\n') comm.pop_back();
        if (comm == name) return static_cast<pid_t>(std::stoi(task.path().filename().string()));
    }
    return 0;
}

// A thread sent SIGUSR1 stays in this handler until the process ends.
volatile sig_atomic_t g_parked = 0;
void Park(int) {
    g_parked = 1;
    for (;;) pause();
}

// Stops the VM's periodic task thread for good; false when it cannot.
// A process that ends through exit() while its VM lives destroys the VM
// library's static data while the VM's threads still run (Linux ends them
// only when exit() is done). Among that data are the records of the signal
// handlers the VM installed, which the VM's JNI check compares with the
// installed handlers every 10 ms from its periodic task thread: once freed
// they differ, and the check reports "handler modified!" although no
// handler changed. That thread runs no Java code, and nothing of the exit
// waits for it.
bool StopVmPeriodicTasks() {
    pid_t watcher = ThreadNamed("VM Periodic Tas");  // "VM Periodic Task Thread", shortened
    if (!watcher) return false;
    struct sigaction park = {};
    park.sa_handler = Park;
    sigemptyset(&park.sa_mask);
    if (sigaction(SIGUSR1, &park, nullptr) != 0 || tgkill(getpid(), watcher, SIGUSR1) != 0) return false;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!g_parked && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return g_parked;
}

size_t EntriesIn(const std::filesystem::path& folder) {
    size_t n = 0;
    for (auto& entry : std::filesystem::directory_iterator(folder)) {
        (void)entry;
        ++n;
    }
    return n;
}
}  // namespace

TEST_F(StartUp, ConfiguredFolderStartsTheVmWithClassPathAndExtraArguments) {
    ASSERT_TRUE(StartRuntime("-Dbrivel.one=1 \"-Dbrivel.two=two words\" -Dbrivel.three=\"x"));
    EXPECT_TRUE(C2jGetJavaLoaded());
    EXPECT_EQ(TakeBstr(C2jGetJvmPath()), std::string(BRIVEL_JVM32) + "/lib/server/libjvm.so");
    Message e;
    int cls = LoadSample(e);
    ASSERT_GT(cls, 0) << e.str();
    EXPECT_EQ(Property(cls, "brivel.one"), "1");
    EXPECT_EQ(Property(cls, "brivel.two"), "two words");
    EXPECT_EQ(Property(cls, "brivel.three"), "\"x");
    EXPECT_EQ(Property(cls, "java.class.path"), std::string(C2J_TEST_JAR) + ":" + BRIVEL18_JAR);

    BSTR text = NewBstr("x");
    EXPECT_FALSE(C2jSetJvmPath(text, e.out()));
    EXPECT_EQ(e.str(), "Java is already loaded, JVM path cannot be set now");
    EXPECT_FALSE(C2jSetJvmArg(text, e.out()));
    EXPECT_EQ(e.str(), "Java is already loaded, extra arguments cannot be added now");
    EXPECT_FALSE(C2jSetClasspath(text, e.out()));
    EXPECT_EQ(e.str(), "Java is already loaded, classpath cannot be changed now");
    SysFreeString(text);
    EXPECT_TRUE(C2jInit(e.out()));  // already loaded
    EXPECT_EQ(e.text, nullptr);
}

TEST_F(StartUp, AConfiguredPathThatFailsDoesNotFallBackToTheSearch) {
    BSTR path = NewBstr(std::string(BRIVEL_JVM32) + "/lib/server/LIBJVM.SO");  // case of the name ignored...
    Message e;
    C2jSetJvmPath(path, e.out());
    SysFreeString(path);
    EXPECT_FALSE(C2jInit(e.out()));  // ...but the file system is not
    EXPECT_EQ(e.str().rfind("Error loading JVM \"" + std::string(BRIVEL_JVM32) + "/lib/server/LIBJVM.SO\": ", 0), 0u)
        << e.str();
}

TEST_F(StartUp, TheProbeFindsTheJavaHomeOfTheLauncherOnThePath) {
    setenv("TMPDIR", folder_.c_str(), 1);
    setenv("PATH", (std::string(BRIVEL_JVM32) + "/bin:" + getenv("PATH")).c_str(), 1);
    SetEnvironmentVariableA("CLASSPATH", C2J_TEST_JAR);  // no class path set: the environment's is used
    Message e;
    ASSERT_TRUE(C2jInit(e.out())) << e.str();
    EXPECT_EQ(e.text, nullptr);
    std::string loaded = TakeBstr(C2jGetJvmPath());
    EXPECT_EQ(loaded.rfind(std::string(BRIVEL_JVM32) + "/lib/", 0), 0u) << loaded;
    EXPECT_NE(loaded.find("/libjvm.so"), std::string::npos) << loaded;
    EXPECT_EQ(EntriesIn(folder_), 0u);  // class file and output file are gone
    int cls = LoadSample(e);
    ASSERT_GT(cls, 0) << e.str();
    EXPECT_EQ(Property(cls, "java.class.path"), C2J_TEST_JAR);
    EXPECT_EQ(TakeBstr(C2jGetClasspath()), C2J_TEST_JAR);
}

TEST_F(StartUp, WithoutALauncherTheProbeReportsThatJavaCannotRun) {
    setenv("TMPDIR", folder_.c_str(), 1);
    setenv("PATH", Path("no-java-here").c_str(), 1);
    Message e;
    EXPECT_FALSE(C2jInit(e.out()));
    EXPECT_EQ(e.str(), "Unable to run Java");
    EXPECT_FALSE(C2jGetJavaLoaded());
    EXPECT_EQ(EntriesIn(folder_), 0u);
}

TEST_F(StartUp, HandOverSendsSystemOutAndErrToTheConsole) {
    setenv("BRIVEL_COMPAT_REGISTRY", Path("registry.txt").c_str(), 1);
    HANDLE mutex = CreateMutexA(nullptr, FALSE, brivel::console::kConsoleMutexName);
    ASSERT_NE(mutex, nullptr);
    brivel::console::ConsoleListener listener;
    ASSERT_EQ(listener.Open(), brivel::console::ConsoleListener::OpenResult::Listening);
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, brivel::console::kPortKeyPath, &key), ERROR_SUCCESS);
    DWORD port = listener.Port();
    RegSetValueExA(key, brivel::console::kPortValueName, 0, REG_DWORD, reinterpret_cast<BYTE*>(&port), sizeof port);
    RegCloseKey(key);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    std::thread accepting([&] { listener.AcceptLoop(fds[1]); });

    ASSERT_TRUE(StartRuntime());
    Message e;
    int cls = LoadSample(e);
    JNIEnv* env = reinterpret_cast<JNIEnv*>(C2jGetJenv(e.out()));
    C2jCallVoid(true, 0, cls, 3, e.out(), env->NewStringUTF("to out \xC3\xA9"), env->NewStringUTF("to err"));
    EXPECT_EQ(e.text, nullptr) << e.str();

    std::string received;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (received.find("to err\n") == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        char buffer[256];
        ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0) break;
        received.append(buffer, n);
    }
    EXPECT_EQ(received, "to out \xC3\xA9\nto err\n");
    listener.Close();
    accepting.join();
    close(fds[0]);
    close(fds[1]);
    CloseHandle(mutex);
}

TEST_F(StartUp, WithAMutexButNoPortOutputIsNotRedirectedAndStartUpSucceeds) {
    setenv("BRIVEL_COMPAT_REGISTRY", Path("registry.txt").c_str(), 1);
    HANDLE mutex = CreateMutexA(nullptr, FALSE, brivel::console::kConsoleMutexName);
    ASSERT_TRUE(StartRuntime());
    CloseHandle(mutex);
}

TEST(Threads, EachThreadAttachesItselfAndKeepsItsEnvironment) {
    ASSERT_TRUE(StartRuntime());
    Message e;
    int cls = LoadSample(e);
    ASSERT_GT(cls, 0);
    std::vector<std::thread> threads;
    std::vector<long> envs(4), again(4);
    std::vector<int> results(4);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            Message m;
            envs[t] = C2jGetJenv(m.out());
            results[t] = C2jCallInt(true, 0, cls, 2, m.out(), t + 10);
            again[t] = C2jGetJenv(m.out());
        });
    for (auto& thread : threads) thread.join();
    std::set<long> distinct(envs.begin(), envs.end());
    distinct.insert(C2jGetJenv(e.out()));
    EXPECT_EQ(distinct.size(), 5u);
    for (int t = 0; t < 4; ++t) {
        EXPECT_NE(envs[t], 0);
        EXPECT_EQ(envs[t], again[t]);
        EXPECT_EQ(results[t], 2 * (t + 10));
    }
}

TEST(Threads, TheFirstStartFromManyThreadsCreatesOneVm) {
    BSTR path = NewBstr(std::string(BRIVEL_JVM32) + "/lib/server");
    Message e;
    C2jSetJvmPath(path, e.out());
    SysFreeString(path);
    std::atomic<int> started{0};
    std::vector<std::thread> threads;
    std::vector<std::string> messages(4);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            Message m;
            if (C2jInit(m.out())) ++started;
            messages[t] = m.str();
        });
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(started.load(), 4);
    for (auto& m : messages) EXPECT_EQ(m, "(null)");
}

using SearchThenStart = brivel::c2j::testing::StubJavaHome;

// A creation failure in an earlier folder: the search goes on to the real VM
// with a correct path, and the success carries no stale message.
TEST_F(SearchThenStart, ALaterFolderStartsTheVmAfterAFailedCreation) {
    PlaceStubLibrary("client");
    std::filesystem::create_directories(LibraryFolder() / "server");
    std::filesystem::create_symlink(std::string(BRIVEL_JVM32) + "/lib/server/libjvm.so",
                                    LibraryFolder() / "server" / "libjvm.so");
    Message e;
    ASSERT_TRUE(C2jInit(e.out())) << e.str();
    EXPECT_EQ(e.text, nullptr);
    EXPECT_EQ(TakeBstr(C2jGetJvmPath()), (LibraryFolder() / "server" / "libjvm.so").string());
    EXPECT_NE(brivel::testing::ReadFileBytes(Path("jvm.log")).find("end\n"), std::string::npos);  // client was tried
}

TEST(Unload, DestroysTheVmAndForgetsTheClasses) {
    ASSERT_TRUE(StartRuntime());
    Message e;
    int cls = LoadSample(e);
    ASSERT_GT(cls, 0);
    C2jUnload();
    EXPECT_FALSE(C2jGetJavaLoaded());
    C2jUnload();  // nothing loaded: nothing happens
}

TEST(Unload, ReturnsAlthoughOtherThreadsAttachedThemselves) {
    ASSERT_TRUE(StartRuntime());
    std::thread([] {
        Message m;
        EXPECT_NE(C2jGetJenv(m.out()), 0);
    }).join();
    WithinSeconds(60, "C2jUnload", [] { C2jUnload(); });  // by the thread that started Java
    EXPECT_FALSE(C2jGetJavaLoaded());
}

// The thread that started Java is alive and attached; another thread that
// never called Java unloads.
TEST(Unload, ReturnsWhenCalledFromAThreadThatNeverUsedJava) {
    ASSERT_TRUE(StartRuntime());
    Message e;
    ASSERT_GT(LoadSample(e), 0) << e.str();
    WithinSeconds(60, "C2jUnload from a new thread", [] { std::thread(C2jUnload).join(); });
    EXPECT_FALSE(C2jGetJavaLoaded());
}

// After unloading, every export answers with a message (a second VM cannot
// be created in the process: the VM library refuses), never with the
// environment or references of the VM that is gone.
TEST(Unload, LaterCallsAnswerWithAMessage) {
    ASSERT_TRUE(StartRuntime());
    Message e;
    int cls = LoadSample(e);
    ASSERT_GT(cls, 0) << e.str();
    long obj = C2jCreateObject(cls, 1, e.out());
    ASSERT_NE(obj, 0) << e.str();
    int missing = 0;
    C2jLoadClass(&missing, "brivel/c2jtest/NoSuchClass", e.out(), nullptr);
    ASSERT_NE(C2jGetLastException(), nullptr);
    C2jUnload();

    EXPECT_EQ(C2jGetJenv(e.out()), 0);
    EXPECT_EQ(e.str(), "Java VM Creation failed");
    int again = 0;
    C2jLoadClass(&again, kSample, e.out(), nullptr);
    EXPECT_EQ(again, 0);
    EXPECT_EQ(e.str(), "Java VM Creation failed");
    EXPECT_EQ(C2jCallInt(true, 0, cls, 2, e.out(), 1), 0);
    EXPECT_EQ(e.str(), "Java VM Creation failed");
    EXPECT_EQ(C2jGetInt(false, obj, cls, 1, e.out()), 0);
    EXPECT_EQ(e.str(), "Java VM Creation failed");
    EXPECT_EQ(C2jCreateObject(cls, 1, e.out()), 0);
    EXPECT_EQ(e.str(), "Java VM Creation failed");
    C2jDeleteObject(obj, e.out());
    EXPECT_EQ(e.str(), "Java VM Creation failed");
    EXPECT_EQ(C2jGetLastException(), nullptr);
    EXPECT_EQ(C2jGetLastExceptionClass(), nullptr);
    EXPECT_TRUE(C2jClassAssignable(reinterpret_cast<jobject>(obj), "java.lang.String"));  // cannot be told
    EXPECT_FALSE(C2jGetJavaLoaded());
    std::thread([&] {
        Message m;
        EXPECT_EQ(C2jGetJenv(m.out()), 0);
        EXPECT_EQ(m.str(), "Java VM Creation failed");
    }).join();
}

// A host thread that used Java before the unload and lives on: its kept
// environment belonged to the VM that is gone, so its later calls answer
// with a message as any other thread's do.
TEST(Unload, AThreadThatKeptItsEnvironmentGetsAMessageAfterwards) {
    ASSERT_TRUE(StartRuntime());
    Message e;
    int cls = LoadSample(e);
    ASSERT_GT(cls, 0) << e.str();
    std::atomic<int> step{0};
    int before = 0, after = -1;
    long envAfter = -1;
    std::string message;
    std::thread user([&] {
        Message m;
        before = C2jCallInt(true, 0, cls, 2, m.out(), 21);
        step = 1;
        while (step != 2) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        after = C2jCallInt(true, 0, cls, 2, m.out(), 21);
        message = m.str();
        envAfter = C2jGetJenv(m.out());
    });
    while (step != 1) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    C2jUnload();
    step = 2;
    user.join();
    EXPECT_EQ(before, 42);
    EXPECT_EQ(after, 0);
    EXPECT_EQ(message, "Java VM Creation failed");
    EXPECT_EQ(envAfter, 0);
}

// A class load in progress (the class's static initialiser runs) ends
// before the VM goes away.
TEST(Unload, WaitsForAClassLoadInProgress) {
    ASSERT_TRUE(StartRuntime());
    std::atomic<int> cls{0};
    std::string message;
    std::atomic<bool> loading{false};
    std::thread loader([&] {
        Descriptor descriptor({}, {}, {{"ready", "()I"}}, {});
        Message m;
        int id = 0;
        loading = true;
        C2jLoadClass(&id, "brivel/c2jtest/SlowInit", m.out(), descriptor.get());
        cls = id;
        message = m.str();
    });
    while (!loading) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // inside the initialiser by now
    WithinSeconds(60, "C2jUnload during a class load", [] { std::thread(C2jUnload).join(); });
    WithinSeconds(60, "the class load", [&] { loader.join(); });
    EXPECT_GT(cls.load(), 0) << message;
    EXPECT_EQ(message, "(null)");
}

// Every host thread is attached alike, the one that started Java included:
// as a daemon, so threads that Java code starts from there are daemons too.
TEST(Threads, EveryHostThreadIsAttachedAlike) {
    ASSERT_TRUE(StartRuntime());
    Message e;
    int cls = LoadThreads(e);
    ASSERT_GT(cls, 0) << e.str();
    EXPECT_TRUE(C2jCallBoolean(true, 0, cls, kCallerIsDaemon, e.out()));
    EXPECT_TRUE(C2jCallBoolean(true, 0, cls, kStartedThreadIsDaemon, e.out()));
    std::thread([&] {
        Message m;
        EXPECT_TRUE(C2jCallBoolean(true, 0, cls, kCallerIsDaemon, m.out())) << m.str();
        EXPECT_TRUE(C2jCallBoolean(true, 0, cls, kStartedThreadIsDaemon, m.out())) << m.str();
    }).join();
}

// A thread that Java code makes a non-daemon is waited for when the runtime
// unloads, also when the unloading thread is an attached host thread (a
// daemon).
TEST_F(StartUp, UnloadWaitsForTheNonDaemonThreadsOfJava) {
    ASSERT_TRUE(StartRuntime());
    Message e;
    int cls = LoadThreads(e);
    ASSERT_GT(cls, 0) << e.str();
    JNIEnv* env = reinterpret_cast<JNIEnv*>(C2jGetJenv(e.out()));
    const std::string written = Path("written");
    C2jCallVoid(true, 0, cls, kStartWriter, e.out(), env->NewStringUTF(written.c_str()), 500);
    ASSERT_EQ(e.text, nullptr) << e.str();
    WithinSeconds(60, "C2jUnload", [] { C2jUnload(); });
    EXPECT_TRUE(std::filesystem::exists(written));
}

// Java code's first thread is named "main": so is the host thread whose call
// started Java (the VM itself is created in a thread of the runtime's own).
// Other host threads get the names Java gives threads it did not start.
TEST(Threads, TheThreadThatStartedJavaIsNamedMain) {
    ASSERT_TRUE(StartRuntime());
    Message e;
    int cls = LoadThreads(e);
    ASSERT_GT(cls, 0) << e.str();
    EXPECT_EQ(CallerName(cls), "main");
    std::string other;
    std::thread([&] { other = CallerName(cls); }).join();
    EXPECT_EQ(other.rfind("Thread-", 0), 0u) << other;
    EXPECT_EQ(CallerName(cls), "main");
}

// A thread that Java code starts from a host thread without saying whether
// it is a daemon is one: unloading does not wait for it, and it ends with
// the VM before its work is done.
TEST_F(StartUp, UnloadDoesNotWaitForThreadsThatInheritTheDaemonStatus) {
    ASSERT_TRUE(StartRuntime());
    Message e;
    int cls = LoadThreads(e);
    ASSERT_GT(cls, 0) << e.str();
    JNIEnv* env = reinterpret_cast<JNIEnv*>(C2jGetJenv(e.out()));
    const std::string written = Path("written");
    EXPECT_TRUE(C2jCallBoolean(true, 0, cls, kStartInheritingWriter, e.out(), env->NewStringUTF(written.c_str()), 3000));
    ASSERT_EQ(e.text, nullptr) << e.str();
    WithinSeconds(30, "C2jUnload", [] { C2jUnload(); });
    EXPECT_FALSE(C2jGetJavaLoaded());
    std::this_thread::sleep_for(std::chrono::milliseconds(4000));
    EXPECT_FALSE(std::filesystem::exists(written));
}

// A thread that Java code made a non-daemon calls native code while the
// runtime unloads (the VM waits for that thread): the native code loads a
// class and a listener class, reads a setting, starts Java, hosts a
// component and unloads. Each is answered, and the unload returns.
TEST(Unload, ReturnsWhileANonDaemonJavaThreadCallsTheRuntime) {
    ASSERT_TRUE(StartRuntime());
    Message e;
    int cls = LoadThreads(e);
    ASSERT_GT(cls, 0) << e.str();
    std::mutex lock;
    bool called = false, listenerLoaded = true, started = true, stillLoaded = false;
    int loaded = -1;
    HWND hosted = reinterpret_cast<HWND>(1);
    std::string classMessage, listenerMessage, classPath, startMessage, hostMessage;
    g_callBack = [&] {
        Message m;
        int handle = 0;
        C2jLoadClass(&handle, "java/lang/String", m.out(), nullptr);
        std::string loadMessage = m.str();
        char* descriptor[] = {const_cast<char*>("1"), const_cast<char*>("actionPerformed"),
                              const_cast<char*>("(Ljava/awt/event/ActionEvent;)V"), nullptr};
        void* handlers[] = {reinterpret_cast<void*>(ActionPerformed)};
        long listenerClass = 0, listener = 0;
        bool made = C2jLoadInterface(&listenerClass, &listener, "ActionListener", "java/awt/event/ActionListener",
                                     m.out(), descriptor, handlers, nullptr);
        std::string madeMessage = m.str();
        std::string path = TakeBstr(C2jGetClasspath());
        bool init = C2jInit(m.out());
        std::string initMessage = m.str();
        HWND window = C2jInitControl(nullptr, nullptr, m.out());
        std::string windowMessage = m.str();
        C2jUnload();  // another thread unloads already: returns at once
        bool loadedStill = C2jGetJavaLoaded();
        std::lock_guard<std::mutex> guard(lock);
        started = init;
        startMessage = initMessage;
        hosted = window;
        hostMessage = windowMessage;
        stillLoaded = loadedStill;
        called = true;
        loaded = handle;
        classMessage = loadMessage;
        listenerLoaded = made;
        listenerMessage = madeMessage;
        classPath = path;
    };
    StartCaller(cls, 300);
    WithinSeconds(30, "C2jUnload while a Java thread calls the runtime", [] { C2jUnload(); });
    EXPECT_FALSE(C2jGetJavaLoaded());
    std::lock_guard<std::mutex> guard(lock);
    ASSERT_TRUE(called);
    EXPECT_EQ(loaded, 0);
    EXPECT_EQ(classMessage, kUnloading);
    EXPECT_FALSE(listenerLoaded);
    EXPECT_EQ(listenerMessage, kUnloading);
    EXPECT_EQ(classPath, std::string(C2J_TEST_JAR) + ":" + BRIVEL18_JAR);
    EXPECT_FALSE(started);
    EXPECT_EQ(startMessage, kUnloading);
    EXPECT_EQ(hosted, nullptr);
    EXPECT_EQ(hostMessage, kUnloading);
    EXPECT_TRUE(stillLoaded);
}

// A host thread's first call while the runtime unloads (the VM waits for a
// non-daemon thread of Java's) is answered with a message: the thread does
// not attach itself to the VM that is going.
TEST(Unload, AThreadsFirstCallWhileUnloadingGetsAMessage) {
    ASSERT_TRUE(StartRuntime());
    Message e;
    int sample = LoadSample(e);
    ASSERT_GT(sample, 0) << e.str();
    int threads = LoadThreads(e);
    ASSERT_GT(threads, 0) << e.str();
    std::atomic<bool> called{false};
    int result = -1;
    std::string message;
    long env = -1;
    g_callBack = [&] {
        std::thread([&] {
            Message m;
            result = C2jCallInt(true, 0, sample, 2, m.out(), 21);
            message = m.str();
            env = C2jGetJenv(m.out());
        }).join();
        called = true;
    };
    StartCaller(threads, 300);
    WithinSeconds(30, "C2jUnload", [] { C2jUnload(); });
    ASSERT_TRUE(called.load());
    EXPECT_EQ(result, 0);
    EXPECT_EQ(message, kUnloading);
    EXPECT_EQ(env, 0);
}

// At process exit nothing waits for Java's threads, daemons or not: they
// end with the process. (A child process starts Java, starts a thread that
// Java code makes a non-daemon and one that inherits the daemon status, and
// ends through exit(), its exit handlers and static objects' destructors
// included; either thread would write its file after the pause. The VM's
// periodic task thread is stopped first, see StopVmPeriodicTasks.)
TEST_F(StartUp, AtProcessExitNoJavaThreadIsWaitedFor) {
    const std::string nonDaemon = Path("non-daemon"), inheriting = Path("inheriting"), started = Path("started");
    const int kPauseMillis = 3000;
    pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        Message e;
        if (!StartRuntime()) std::_Exit(3);
        int cls = LoadThreads(e);
        JNIEnv* env = reinterpret_cast<JNIEnv*>(C2jGetJenv(e.out()));
        if (cls <= 0 || !env) std::_Exit(4);
        // Before the writers start: their pause is not to be spent on it.
        if (!StopVmPeriodicTasks()) std::_Exit(6);
        C2jCallVoid(true, 0, cls, kStartWriter, e.out(), env->NewStringUTF(nonDaemon.c_str()), kPauseMillis);
        C2jCallBoolean(true, 0, cls, kStartInheritingWriter, e.out(), env->NewStringUTF(inheriting.c_str()),
                       kPauseMillis);
        if (e.text) std::_Exit(5);
        if (FILE* mark = std::fopen(started.c_str(), "w")) std::fclose(mark);
        std::exit(0);
    }
    int status = 0;
    bool ended = false;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!(ended = waitpid(child, &status, WNOHANG) == child) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (!ended) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    ASSERT_TRUE(ended) << "the process did not end";
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_NE(WEXITSTATUS(status), 6) << "the VM's periodic task thread could not be stopped";
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(std::filesystem::exists(started));
    std::this_thread::sleep_for(std::chrono::milliseconds(kPauseMillis + 1000));
    EXPECT_FALSE(std::filesystem::exists(nonDaemon));
    EXPECT_FALSE(std::filesystem::exists(inheriting));
}
