// Critical sections: re-entrant for the owner, exclusive for other threads.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {
bool OtherThreadCanEnter(CRITICAL_SECTION& section) {
    BOOL entered = FALSE;
    std::thread([&] {
        entered = TryEnterCriticalSection(&section);
        if (entered) LeaveCriticalSection(&section);
    }).join();
    return entered != FALSE;
}
}  // namespace

TEST(CriticalSection, OwnerMayEnterAgainOtherThreadsMayNot) {
    CRITICAL_SECTION section;
    InitializeCriticalSection(&section);
    EnterCriticalSection(&section);
    EnterCriticalSection(&section);  // re-entry by the owner
    EXPECT_FALSE(OtherThreadCanEnter(section));
    LeaveCriticalSection(&section);
    EXPECT_FALSE(OtherThreadCanEnter(section));  // still held once
    LeaveCriticalSection(&section);
    EXPECT_TRUE(OtherThreadCanEnter(section));
    DeleteCriticalSection(&section);
}

TEST(CriticalSection, SerialisesIncrementsFromManyThreads) {
    CRITICAL_SECTION section;
    InitializeCriticalSection(&section);
    long counter = 0;  // deliberately not atomic: the section must protect it
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 20000; ++i) {
                EnterCriticalSection(&section);
                long seen = counter;
                counter = seen + 1;
                LeaveCriticalSection(&section);
            }
        });
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(counter, 80000);
    DeleteCriticalSection(&section);
}

TEST(Events, AutoResetReleasesOneWaitManualResetStaysSignalled) {
    HANDLE automatic = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HANDLE manual = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    ASSERT_NE(automatic, nullptr);
    ASSERT_NE(manual, nullptr);
    EXPECT_EQ(WaitForSingleObject(automatic, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(SetEvent(automatic));
    EXPECT_EQ(WaitForSingleObject(automatic, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(WaitForSingleObject(automatic, 10), static_cast<DWORD>(WAIT_TIMEOUT));  // taken by the wait
    EXPECT_EQ(WaitForSingleObject(manual, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(WaitForSingleObject(manual, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_TRUE(ResetEvent(manual));
    EXPECT_EQ(WaitForSingleObject(manual, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(CloseHandle(automatic));
    EXPECT_TRUE(CloseHandle(manual));
}

TEST(Events, AWaitingThreadWakesWhenSignalled) {
    HANDLE event = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    DWORD result = WAIT_FAILED;
    std::thread waiter([&] { result = WaitForSingleObject(event, INFINITE); });
    Sleep(20);
    SetEvent(event);
    waiter.join();
    EXPECT_EQ(result, static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(event);
}

namespace {
DWORD WINAPI ThreadBody(LPVOID parameter) {
    Sleep(20);
    return *static_cast<DWORD*>(parameter) + 1;
}
}  // namespace

TEST(Threads, AThreadHandleIsSignalledWhenTheThreadEnds) {
    DWORD input = 41, id = 0, code = 0;
    HANDLE thread = CreateThread(nullptr, 0, ThreadBody, &input, 0, &id);
    ASSERT_NE(thread, nullptr);
    EXPECT_NE(id, GetCurrentThreadId());
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_TRUE(GetExitCodeThread(thread, &code));
    EXPECT_EQ(code, 42u);
    EXPECT_TRUE(CloseHandle(thread));
}

TEST(Threads, ThreadLocalSlotsAreSeparatePerThread) {
    DWORD slot = TlsAlloc();
    ASSERT_NE(slot, TLS_OUT_OF_INDEXES);
    int mine = 1, theirs = 2;
    ASSERT_TRUE(TlsSetValue(slot, &mine));
    void* seenByOther = &mine;
    std::thread([&] {
        seenByOther = TlsGetValue(slot);  // a new thread starts with null
        TlsSetValue(slot, &theirs);
    }).join();
    EXPECT_EQ(seenByOther, nullptr);
    EXPECT_EQ(TlsGetValue(slot), &mine);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_TRUE(TlsFree(slot));
}

TEST(Interlocked, CountsFromManyThreadsAreExact) {
    LONG volatile counter = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 10000; ++i) {
                InterlockedIncrement(&counter);
                InterlockedIncrement(&counter);
                InterlockedDecrement(&counter);
            }
        });
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(counter, 40000);
    EXPECT_EQ(InterlockedDecrement(&counter), 39999);
    EXPECT_EQ(InterlockedExchange(&counter, 5), 39999);
    EXPECT_EQ(InterlockedCompareExchange(&counter, 9, 4), 5);  // no match: unchanged
    EXPECT_EQ(InterlockedCompareExchange(&counter, 9, 5), 5);
    EXPECT_EQ(counter, 9);
}

namespace {
DWORD WINAPI RecordOwnId(LPVOID parameter) {
    *static_cast<DWORD*>(parameter) = GetCurrentThreadId();
    return 0;
}
}  // namespace

TEST(Threads, TheIdGivenAtCreationIsTheThreadsOwn) {
    for (int i = 0; i < 3; ++i) {
        DWORD own = 0, given = 0;
        HANDLE thread = CreateThread(nullptr, 0, RecordOwnId, &own, 0, &given);
        ASSERT_NE(thread, nullptr);
        WaitForSingleObject(thread, INFINITE);
        EXPECT_NE(given, 0u) << "thread " << i;
        EXPECT_EQ(given, own) << "thread " << i;
        CloseHandle(thread);
    }
}

// Closed and made-up handles are refused, never followed.
TEST(Handles, ClosedAndMadeUpHandlesAreRefused) {
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(event, nullptr);
    ASSERT_TRUE(CloseHandle(event));
    HANDLE madeUp = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(0x7A5A5A8));
    for (HANDLE bad : {event, madeUp, static_cast<HANDLE>(nullptr)}) {
        SetLastError(0);
        EXPECT_FALSE(CloseHandle(bad)) << bad;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE)) << bad;
        SetLastError(0);
        EXPECT_EQ(WaitForSingleObject(bad, 0), static_cast<DWORD>(WAIT_FAILED)) << bad;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE)) << bad;
        SetLastError(0);
        EXPECT_FALSE(SetEvent(bad)) << bad;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE)) << bad;
        DWORD code = 0;
        EXPECT_FALSE(GetExitCodeThread(bad, &code)) << bad;
    }
}

// A standard handle is a handle like any other: it closes once, and
// GetStdHandle goes on answering the closed value.
TEST(Handles, AStandardHandleClosesOnce) {
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    ASSERT_NE(input, INVALID_HANDLE_VALUE);
    ASSERT_NE(input, nullptr);
    EXPECT_TRUE(CloseHandle(input));
    SetLastError(0);
    EXPECT_FALSE(CloseHandle(input));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(GetStdHandle(STD_INPUT_HANDLE), input);
    char byte = 0;
    DWORD read = 0;
    SetLastError(0);
    EXPECT_FALSE(ReadFile(input, &byte, 1, &read, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}
