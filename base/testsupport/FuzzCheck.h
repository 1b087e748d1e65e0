// What a fuzz entry asserts. A failed check names itself and ends the
// program (abort), which libFuzzer saves as a finding and the corpus replay
// reports as a failed test.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace brivel::testing {

[[noreturn]] inline void FuzzCheckFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::fflush(stderr);
    std::abort();
}

}  // namespace brivel::testing

#define FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : ::brivel::testing::FuzzCheckFailed(#condition, __FILE__, __LINE__))
