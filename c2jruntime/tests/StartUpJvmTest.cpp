// Start-up on the real i386 VM: a configured path, the Java-home probe, the
// console hand-over, threads that attach themselves. One VM per test case.
#include <windows.h>

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
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
    C2jUnload();
    EXPECT_FALSE(C2jGetJavaLoaded());
}
