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
