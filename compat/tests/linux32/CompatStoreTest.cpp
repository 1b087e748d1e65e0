// What only our own layer has: the registry store file shared by processes,
// local time taken from TZ, the files of named mutexes, how a child process
// is made and what its start reports, and the environment's lock. (The
// platform keeps these its own way, so these run on linux32 only.)
#include <windows.h>

#include <dirent.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "../../src/handles.h"
#include "ChildPrograms.h"
#include "TempFolder.h"

using brivel::testing::EchoProgram;
using brivel::testing::RunProgram;

namespace {
class Store : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        setenv("BRIVEL_COMPAT_REGISTRY", Path("registry.txt").c_str(), 1);
    }
};

// Runs `work` in a child process and waits for it; true when it exited 0.
template <typename Work>
pid_t Spawn(Work work) {
    pid_t child = fork();
    if (child == 0) _exit(work() ? 0 : 1);
    return child;
}

// Waits for `child` (at most a minute: a child that hangs is killed and
// counts as failed, so it cannot hold the suite); true when it exited 0.
bool Succeeded(pid_t child) {
    int status = 0;
    for (int waited = 0; waited < 60 * 100; ++waited) {
        pid_t ended = waitpid(child, &status, WNOHANG);
        if (ended == child) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (ended < 0) return false;
        usleep(10 * 1000);
    }
    ADD_FAILURE() << "child " << child << " still runs after a minute";
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return false;
}

bool CreateKeys(const char* prefix, int count) {
    for (int i = 0; i < count; ++i) {
        HKEY key;
        std::string name = std::string("Software\\Shared\\") + prefix + std::to_string(i);
        if (RegCreateKeyA(HKEY_CURRENT_USER, name.c_str(), &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
    }
    return true;
}
}  // namespace

TEST_F(Store, AValueWrittenByAnotherProcessIsSeen) {
    pid_t child = Spawn([] {
        HKEY key;
        if (RegCreateKeyA(HKEY_CLASSES_ROOT, "Brivel.Shared", &key) != ERROR_SUCCESS) return false;
        LONG rc = RegSetValueExA(key, "From", 0, REG_SZ, reinterpret_cast<const BYTE*>("child"), 6);
        RegCloseKey(key);
        return rc == ERROR_SUCCESS;
    });
    ASSERT_TRUE(Succeeded(child));
    HKEY key;
    ASSERT_EQ(RegOpenKeyA(HKEY_LOCAL_MACHINE, "Software\\Classes\\Brivel.Shared", &key), ERROR_SUCCESS);
    char text[8];
    DWORD size = sizeof text;
    EXPECT_EQ(RegQueryValueExA(key, "From", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
    EXPECT_STREQ(text, "child");
    RegCloseKey(key);
    EXPECT_NE(brivel::testing::ReadFileBytes(Path("registry.txt")).find("Brivel.Shared"), std::string::npos);
}

TEST_F(Store, ProcessesWritingAtOnceLoseNoKeys) {
    pid_t first = Spawn([] { return CreateKeys("a", 40); });
    pid_t second = Spawn([] { return CreateKeys("b", 40); });
    ASSERT_TRUE(Succeeded(first));
    ASSERT_TRUE(Succeeded(second));
    HKEY shared;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Shared", &shared), ERROR_SUCCESS);
    DWORD count = 0;
    char name[32];
    DWORD size = sizeof name;
    while (RegEnumKeyExA(shared, count, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        ++count;
        size = sizeof name;
    }
    EXPECT_EQ(count, 80u);
    RegCloseKey(shared);
}

TEST_F(Store, NamesAndDataWithAnyBytesSurviveTheFile) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\odd name %20\\x", &key), ERROR_SUCCESS);
    const BYTE data[4] = {0, '\n', '%', 0xFF};
    ASSERT_EQ(RegSetValueExA(key, "value with\nline", 0, REG_BINARY, data, 4), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, "empty", 0, REG_SZ, nullptr, 0), ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\ODD NAME %20\\x", &key), ERROR_SUCCESS);
    BYTE read[8];
    DWORD size = sizeof read;
    ASSERT_EQ(RegQueryValueExA(key, "value with\nline", nullptr, nullptr, read, &size), ERROR_SUCCESS);
    ASSERT_EQ(size, 4u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(read), 4), std::string(reinterpret_cast<const char*>(data), 4));
    size = sizeof read;
    EXPECT_EQ(RegQueryValueExA(key, "empty", nullptr, nullptr, read, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 0u);
    RegCloseKey(key);
}

TEST(LocalTime, FollowsTheProcessTimeZone) {
    setenv("TZ", "BRV-2", 1);  // two hours east of UTC, no daylight saving
    FILETIME utc = {0, 0x01D00000}, local;
    ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
    ULONGLONG difference = ((static_cast<ULONGLONG>(local.dwHighDateTime) << 32) | local.dwLowDateTime) -
                           ((static_cast<ULONGLONG>(utc.dwHighDateTime) << 32) | utc.dwLowDateTime);
    EXPECT_EQ(difference, 2ull * 3600 * 10000000);
    SYSTEMTIME utcNow, localNow;
    GetSystemTime(&utcNow);
    GetLocalTime(&localNow);
    EXPECT_EQ((localNow.wHour + 24 - utcNow.wHour) % 24, 2) << "unless the hour turned between the calls";
}

namespace {
// The named-object files in this test's folder.
class NamedObjects : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        setenv("BRIVEL_COMPAT_OBJECTS", Path("objects").c_str(), 1);
        ASSERT_TRUE(CreateDirectoryA(Path("objects").c_str(), nullptr));
    }
    std::vector<std::string> Files() {
        std::vector<std::string> names;
        DIR* folder = opendir(Path("objects").c_str());
        for (dirent* entry = folder ? readdir(folder) : nullptr; entry; entry = readdir(folder))
            if (entry->d_name[0] != '.') names.push_back(entry->d_name);
        if (folder) closedir(folder);
        return names;
    }
};
}  // namespace

// Looking a name up makes no file; its files go with its last handle in any
// process, and files left by a process that ended holding the name go with
// the next look at it.
TEST_F(NamedObjects, ANamesFilesLastAsLongAsItsHandles) {
    SetLastError(0);
    EXPECT_EQ(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, "absent"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(Files().empty()) << Files().front();

    // A process that ends holding the name leaves its files, which the next
    // look at the name removes. (Forked first, before any process start
    // leaves a waiting thread ending beside the fork.)
    pid_t ended = Spawn([] { return CreateMutexA(nullptr, FALSE, "left") != nullptr; });
    EXPECT_TRUE(Succeeded(ended));
    EXPECT_EQ(Files().size(), 2u);
    EXPECT_EQ(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, "left"), nullptr);
    EXPECT_TRUE(Files().empty()) << Files().front();

    HANDLE first = CreateMutexA(nullptr, FALSE, "held");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Files().size(), 2u);
    // Another process joins the name, then this one closes its handle: the
    // name lives on in the other, and goes with that one's handle.
    char self[MAX_PATH];
    std::string program(self, GetModuleFileNameA(nullptr, self, sizeof self));
    program = program.substr(0, program.rfind('/') + 1) + "compat_mutex_holder";
    std::string go = Path("go"), result = Path("result"), release = Path("release");
    brivel::testing::WriteFileBytes(go, "");
    std::string command = "\"" + program + "\" held \"" + go + "\" \"" + result + "\" \"" + release + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION holder = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &holder));
    std::string answer;
    for (int i = 0; i < 6000 && (answer = brivel::testing::ReadFileBytes(result)).empty(); ++i) Sleep(5);
    EXPECT_EQ(answer, "exists");
    EXPECT_TRUE(CloseHandle(first));
    EXPECT_EQ(Files().size(), 2u) << "the other process holds the name";
    brivel::testing::WriteFileBytes(release, "");
    EXPECT_EQ(WaitForSingleObject(holder.hProcess, 30000), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(holder.hThread);
    CloseHandle(holder.hProcess);
    EXPECT_TRUE(Files().empty()) << Files().front();
}

// A handle's value names one object at a time: the values run up to the
// pseudo handles at the top of the range, then start again low, passing
// over those still open; null is never one.
TEST(Handles, AValueNamesOneObjectAtATimeAndNoneIsNull) {
    const uintptr_t kMiddle = 0x40000000;
    brivel_compat::SetNextHandleValue(kMiddle);
    HANDLE first = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_EQ(reinterpret_cast<uintptr_t>(first), kMiddle);
    brivel_compat::SetNextHandleValue(kMiddle);
    HANDLE second = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    ASSERT_TRUE(SetEvent(first));
    EXPECT_EQ(WaitForSingleObject(first, 0), static_cast<DWORD>(WAIT_OBJECT_0)) << "the first handle's event";
    EXPECT_EQ(WaitForSingleObject(second, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the second handle's event";

    // The last values of the range, then the first ones again.
    HANDLE low = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    brivel_compat::SetNextHandleValue(UINTPTR_MAX - 0xFFFF - 8);
    std::vector<HANDLE> handles;
    for (int i = 0; i < 8; ++i) {
        handles.push_back(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        ASSERT_NE(handles.back(), nullptr) << i;
        ASSERT_NE(handles.back(), INVALID_HANDLE_VALUE) << i;
        EXPECT_LT(reinterpret_cast<uintptr_t>(handles.back()), UINTPTR_MAX - 0xFFFF) << i;
        EXPECT_NE(handles.back(), low) << i;
        EXPECT_NE(handles.back(), first) << i;
        EXPECT_NE(handles.back(), second) << i;
    }
    EXPECT_LT(reinterpret_cast<uintptr_t>(handles.back()), kMiddle) << "the values started again low";
    for (HANDLE handle : handles) EXPECT_TRUE(CloseHandle(handle));
    EXPECT_TRUE(CloseHandle(low));
    EXPECT_TRUE(CloseHandle(second));
    EXPECT_TRUE(CloseHandle(first));
}

namespace {
std::atomic<int> g_forks{0};
void CountFork() { ++g_forks; }
}  // namespace

// A process start copies nothing of the starting process (the Java server
// starts one per connection from a whole VM): the child is made as vfork
// makes it, so no fork of the process happens.
TEST(ProcessStart, TheStartingProcessIsNotCopied) {
    ASSERT_EQ(pthread_atfork(CountFork, nullptr, nullptr), 0);
    EXPECT_EQ(RunProgram(EchoProgram()), 7);
    EXPECT_EQ(g_forks, 0);
}

// What keeps a child from starting is reported as what it is: no process
// left for the user (ERROR_NO_PROC_SLOTS), a file that is no program
// (ERROR_BAD_EXE_FORMAT).
TEST_F(NamedObjects, AStartThatCannotBeMadeSaysWhy) {
    // In a child of its own, as a user of its own (when this one may be
    // another), allowed one task more than it has: the start's waiting
    // thread takes it, the child finds none. The child is forked before
    // this process starts any thread: under the i386 emulator a fork while
    // another thread is ending (the start's waiting thread ends on its own)
    // can leave the child an emulator lock that nobody releases.
    pid_t child = Spawn([] {
        if (geteuid() == 0 && setuid(static_cast<uid_t>(61000 + getpid() % 4000)) != 0) return false;
        rlimit limit;
        if (getrlimit(RLIMIT_NPROC, &limit) != 0) return false;
        for (rlim_t allowed = 1; allowed < 4096; ++allowed) {
            limit.rlim_cur = allowed;
            if (setrlimit(RLIMIT_NPROC, &limit) != 0) return false;
            long result = RunProgram(EchoProgram());
            if (result == -static_cast<long>(ERROR_NOT_ENOUGH_MEMORY)) continue;  // no thread either: one more
            return result == -static_cast<long>(ERROR_NO_PROC_SLOTS);
        }
        return false;
    });
    EXPECT_TRUE(Succeeded(child));

    const std::string notAProgram = Path("not-a-program");
    brivel::testing::WriteFileBytes(notAProgram, "neither a program nor a script\n");
    ASSERT_EQ(chmod(notAProgram.c_str(), 0755), 0);
    EXPECT_EQ(RunProgram(notAProgram), -static_cast<long>(ERROR_BAD_EXE_FORMAT));
}

// Variables set on one thread while others read the environment through
// this layer (the temporary folder, a child's environment): every read
// takes the environment's lock, so none reads an array that a set replaced
// (which the sanitizer build reports).
TEST(Environment, ReadsTakeTheEnvironmentsLock) {
    std::atomic<bool> done{false};
    std::thread setter([&] {
        for (int i = 0; i < 3000; ++i) SetEnvironmentVariableA(("BRIVEL_COMPAT_TEST_VARIABLE_" + std::to_string(i)).c_str(), "x");
        done = true;
    });
    char folder[MAX_PATH];
    int reads = 0;
    while (!done) {
        ASSERT_GT(GetTempPathA(sizeof folder, folder), 0u);
        if (++reads % 50 == 0) {
            EXPECT_EQ(RunProgram(EchoProgram()), 7);
        }
    }
    setter.join();
    for (int i = 0; i < 3000; ++i) SetEnvironmentVariableA(("BRIVEL_COMPAT_TEST_VARIABLE_" + std::to_string(i)).c_str(), nullptr);
    EXPECT_GT(reads, 0);
}
