// Mutexes: ownership by a thread (a wait acquires, the owner may acquire
// again, only the owner releases), names shared by the handles of a process
// and by processes, and a mutex is no event.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "TempFolder.h"

using brivel::testing::ReadFileBytes;
using brivel::testing::WriteFileBytes;
using NamedMutexAcrossProcesses = brivel::testing::TempFolderTest;

namespace {
std::string UniqueName(const char* what) {
    static std::atomic<int> serial{0};
    return std::string("BRIVEL_COMPAT_TEST_") + what + "_" + std::to_string(GetCurrentThreadId()) + "_" +
           std::to_string(serial++);
}

// What a wait of another thread answers.
DWORD WaitInOtherThread(HANDLE mutex, DWORD milliseconds, bool releaseAfter = true) {
    DWORD result = WAIT_FAILED;
    std::thread([&] {
        result = WaitForSingleObject(mutex, milliseconds);
        if (result == WAIT_OBJECT_0 && releaseAfter) ReleaseMutex(mutex);
    }).join();
    return result;
}

// A program built beside this test executable.
std::string ProgramBesideThis(const std::string& name) {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string self(path, n);
#ifdef _WIN32
    return self.substr(0, self.find_last_of("/\\") + 1) + name + ".exe";
#else
    return self.substr(0, self.find_last_of("/\\") + 1) + name;
#endif
}

BOOL ReleaseInOtherThread(HANDLE mutex, DWORD* error) {
    BOOL released = TRUE;
    std::thread([&] {
        SetLastError(0);
        released = ReleaseMutex(mutex);
        *error = GetLastError();
    }).join();
    return released;
}
}  // namespace

TEST(Mutexes, AWaitAcquiresAndTheOwnerMayAcquireAgain) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, nullptr);
    ASSERT_NE(mutex, nullptr);
    EXPECT_EQ(WaitForSingleObject(mutex, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(WaitForSingleObject(mutex, 0), static_cast<DWORD>(WAIT_OBJECT_0));  // again, by the owner
    EXPECT_EQ(WaitInOtherThread(mutex, 20), static_cast<DWORD>(WAIT_TIMEOUT));
    DWORD error = 0;
    EXPECT_FALSE(ReleaseInOtherThread(mutex, &error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_NOT_OWNER));

    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(WaitInOtherThread(mutex, 20), static_cast<DWORD>(WAIT_TIMEOUT));  // still held once
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(WaitInOtherThread(mutex, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    SetLastError(0);
    EXPECT_FALSE(ReleaseMutex(mutex));  // no longer the owner
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_OWNER));
    EXPECT_TRUE(CloseHandle(mutex));
}

TEST(Mutexes, InitialOwnershipBelongsToTheCreatingThread) {
    HANDLE mutex = CreateMutexA(nullptr, TRUE, nullptr);
    ASSERT_NE(mutex, nullptr);
    EXPECT_EQ(WaitInOtherThread(mutex, 20), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(WaitInOtherThread(mutex, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_TRUE(CloseHandle(mutex));
}

TEST(Mutexes, AWaitingThreadAcquiresWhenTheOwnerReleases) {
    HANDLE mutex = CreateMutexA(nullptr, TRUE, nullptr);
    ASSERT_NE(mutex, nullptr);
    std::atomic<DWORD> result{WAIT_FAILED};
    std::atomic<bool> owned{false};
    std::thread waiter([&] {
        result = WaitForSingleObject(mutex, INFINITE);
        owned = true;
        Sleep(30);
        ReleaseMutex(mutex);
    });
    Sleep(20);
    EXPECT_FALSE(owned.load());
    EXPECT_TRUE(ReleaseMutex(mutex));
    waiter.join();
    EXPECT_EQ(result.load(), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_TRUE(CloseHandle(mutex));
}

TEST(Mutexes, AMutexIsNoEvent) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, nullptr);
    ASSERT_NE(mutex, nullptr);
    SetLastError(0);
    EXPECT_FALSE(SetEvent(mutex));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(ResetEvent(mutex));
    EXPECT_EQ(WaitInOtherThread(mutex, 0), static_cast<DWORD>(WAIT_OBJECT_0));  // still free
    HANDLE event = CreateEventA(nullptr, FALSE, TRUE, nullptr);
    SetLastError(0);
    EXPECT_FALSE(ReleaseMutex(event));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    CloseHandle(event);
    EXPECT_TRUE(CloseHandle(mutex));
}

TEST(NamedMutex, ExistsWhileAHandleIsOpen) {
    std::string name = UniqueName("EXISTS");
    SetLastError(0);
    EXPECT_EQ(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

    HANDLE created = CreateMutexA(nullptr, FALSE, name.c_str());
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    HANDLE second = CreateMutexA(nullptr, FALSE, name.c_str());
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    HANDLE opened = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str());
    EXPECT_NE(opened, nullptr);

    EXPECT_TRUE(CloseHandle(opened));
    EXPECT_TRUE(CloseHandle(second));
    HANDLE stillThere = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str());
    EXPECT_NE(stillThere, nullptr);
    CloseHandle(stillThere);
    EXPECT_TRUE(CloseHandle(created));
    EXPECT_EQ(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str()), nullptr);
}

// Every handle of one name is the same mutex: its owner is one thread.
TEST(NamedMutex, HandlesOfOneNameShareOwnership) {
    std::string name = UniqueName("SHARED");
    HANDLE first = CreateMutexA(nullptr, TRUE, name.c_str());
    ASSERT_NE(first, nullptr);
    HANDLE second = CreateMutexA(nullptr, TRUE, name.c_str());  // exists: no initial ownership
    ASSERT_NE(second, nullptr);
    HANDLE opened = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str());
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(WaitInOtherThread(second, 20), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(WaitInOtherThread(opened, 20), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(ReleaseMutex(opened));  // released through another handle
    SetLastError(0);
    EXPECT_FALSE(ReleaseMutex(second));  // held once only
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_OWNER));
    EXPECT_EQ(WaitInOtherThread(second, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    for (HANDLE h : {first, second, opened}) EXPECT_TRUE(CloseHandle(h));
}

// Threads of one process that create one name at the same moment: exactly
// one of them creates it, every other one is told that it exists (the
// process's own handles of the name settle it).
TEST(NamedMutex, OfManySimultaneousCreatorsExactlyOneCreates) {
    const int kThreads = 6;
    for (int round = 0; round < 100; ++round) {
        std::string name = UniqueName("RACE");
        std::atomic<int> ready{0};
        std::vector<HANDLE> handles(kThreads);
        std::vector<DWORD> errors(kThreads);
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t)
            threads.emplace_back([&, t] {
                ++ready;
                while (ready.load() < kThreads) {
                }
                handles[t] = CreateMutexA(nullptr, FALSE, name.c_str());
                errors[t] = GetLastError();
            });
        for (auto& thread : threads) thread.join();
        int created = 0;
        for (int t = 0; t < kThreads; ++t) {
            ASSERT_NE(handles[t], nullptr) << "round " << round;
            if (errors[t] == ERROR_SUCCESS) ++created;
            else EXPECT_EQ(errors[t], static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << "round " << round;
        }
        EXPECT_EQ(created, 1) << "round " << round;
        for (HANDLE h : handles) CloseHandle(h);
    }
}

// Looking a name up never makes it exist: a creator racing with openers of
// a name that nobody holds is told that it created the mutex.
TEST(NamedMutex, OpenersNeverMakeACreatorThinkTheNameExists) {
    for (int round = 0; round < 100; ++round) {
        std::string name = UniqueName("OPENED");
        std::atomic<bool> stop{false};
        std::vector<std::thread> openers;
        for (int t = 0; t < 3; ++t)
            openers.emplace_back([&] {
                while (!stop) {
                    HANDLE opened = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str());
                    if (opened) CloseHandle(opened);
                }
            });
        Sleep(1);
        HANDLE created = CreateMutexA(nullptr, FALSE, name.c_str());
        DWORD error = GetLastError();
        stop = true;
        for (auto& opener : openers) opener.join();
        ASSERT_NE(created, nullptr) << "round " << round;
        EXPECT_EQ(error, static_cast<DWORD>(ERROR_SUCCESS)) << "round " << round;
        CloseHandle(created);
    }
}

// Processes that create one name at the same moment: exactly one of them
// creates it, every other one is told that it exists (nothing of one
// process settles it for another); another process opens it while they
// hold it, and once all of them closed it, the name exists no more.
TEST_F(NamedMutexAcrossProcesses, OfProcessesCreatingOneNameAtOnceExactlyOneCreates) {
    const int kProcesses = 6;
    const std::string holder = ProgramBesideThis("compat_mutex_holder");
    for (int round = 0; round < 20; ++round) {
        const std::string name = UniqueName("PROCESSES");
        const std::string r = std::to_string(round);
        const std::string go = Path("go" + r), release = Path("release" + r);
        // The holders end whatever this round's checks find.
        struct Release {
            std::string file;
            ~Release() { WriteFileBytes(file, ""); }
        } releaseAtEnd{release};
        std::vector<PROCESS_INFORMATION> holders;
        for (int p = 0; p < kProcesses; ++p) {
            std::string command = "\"" + holder + "\" " + name + " \"" + go + "\" \"" +
                                  Path("result" + r + "_" + std::to_string(p)) + "\" \"" + release + "\"";
            STARTUPINFOA startup = {};
            startup.cb = sizeof startup;
            PROCESS_INFORMATION process = {};
            ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                       &process))
                << GetLastError();
            holders.push_back(process);
        }
        WriteFileBytes(go, "");
        int created = 0;
        for (int p = 0; p < kProcesses; ++p) {
            // Read until there is an answer: the holder renames it into place
            // whole, and the rename may still hold the file for a moment.
            const std::string result = Path("result" + r + "_" + std::to_string(p));
            std::string answer;
            for (int i = 0; i < 6000 && (answer = ReadFileBytes(result)).empty(); ++i) Sleep(5);
            if (answer == "created") ++created;
            else EXPECT_EQ(answer, "exists") << "round " << round << ", process " << p;
        }
        EXPECT_EQ(created, 1) << "round " << round;
        // Another process opens it meanwhile; closing that handle leaves
        // the name to its holders.
        HANDLE seen = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str());
        EXPECT_NE(seen, nullptr) << "round " << round << ": " << GetLastError();
        if (seen) CloseHandle(seen);
        seen = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str());
        EXPECT_NE(seen, nullptr) << "round " << round << ": " << GetLastError();
        if (seen) CloseHandle(seen);
        WriteFileBytes(release, "");
        for (PROCESS_INFORMATION& process : holders) {
            EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), static_cast<DWORD>(WAIT_OBJECT_0));
            DWORD code = 1;
            EXPECT_TRUE(GetExitCodeProcess(process.hProcess, &code));
            EXPECT_EQ(code, 0u) << "round " << round;
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        SetLastError(0);
        HANDLE gone = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str());
        EXPECT_EQ(gone, nullptr) << "round " << round;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND)) << "round " << round;
        if (gone) CloseHandle(gone);
    }
}
