// A watchdog for calls that must return: a call into a VM that hangs cannot
// be cancelled, so when the body has not returned in time, the process says
// so and ends at once (the test fails).
#pragma once

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace brivel::c2j::testing {

inline void WithinSeconds(int seconds, const char* what, const std::function<void()>& body) {
    auto done = std::make_shared<std::atomic<bool>>(false);
    std::string text = what;
    std::thread([done, seconds, text] {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (!*done && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (*done) return;
        std::fprintf(stdout, "%s did not return within %d s\n", text.c_str(), seconds);
        std::fflush(nullptr);
        std::_Exit(1);
    }).detach();
    body();
    *done = true;
}

}  // namespace brivel::c2j::testing
