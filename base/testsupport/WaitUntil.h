// Waiting in tests for something another thread or process does: polls a
// condition until it holds or a deadline passes. The deadline is generous
// because the whole suite runs in parallel, and under Wine every test
// process shares one wineserver: a step that takes milliseconds alone can
// take seconds then. A condition that holds ends the wait at once.
#pragma once

#include <chrono>
#include <thread>

namespace brivel::testing {

constexpr std::chrono::seconds kPatientWait{60};

template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = kPatientWait) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return condition();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace brivel::testing
