// Process starts under the address sanitizer (built in the sanitizer build
// only).
#include <windows.h>

#include <gtest/gtest.h>
#include <sanitizer/asan_interface.h>
#include <sys/mman.h>

#include "ChildPrograms.h"

using brivel::testing::EchoProgram;
using brivel::testing::RunProgram;

// The child runs on a stack of the starting process's memory and never
// returns from its frames (it runs its program), so under the address
// sanitizer those frames' guard marks would outlive the stack: memory mapped
// later at that address (the Java VM's performance data) would be reported
// as a stack overflow on its first write. After a start, memory mapped where
// the child's stack was is clean.
TEST(ProcessStart, LeavesNoGuardMarksWhereTheChildsStackWas) {
    const size_t size = 64 * 1024;
    int reused = 0;
    for (int i = 0; i < 8; ++i) {
        // Where the next mapping of the stack's size lands: the child's stack
        // is mapped there too, and unmapped before the start returns.
        void* probe = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
        ASSERT_NE(probe, MAP_FAILED);
        munmap(probe, size);
        EXPECT_EQ(RunProgram(EchoProgram()), 7);
        void* after = mmap(probe, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        ASSERT_NE(after, MAP_FAILED);
        if (after == probe) {
            ++reused;
            EXPECT_EQ(__asan_region_is_poisoned(after, size), nullptr) << "start " << i;
        }
        munmap(after, size);
    }
    EXPECT_GT(reused, 0) << "no mapping landed where a child's stack had been";
}
