#include "BuildTimeTicker.h"

#include "ExchangeTexts.h"

#include <chrono>

#ifdef _WIN32
#include <windows.h>
#endif

namespace brivel::remotebuild {

TickerClock SystemTickerClock() {
    TickerClock clock;
#ifdef _WIN32
    clock.tickCount = [] { return static_cast<uint32_t>(GetTickCount()); };
#else
    clock.tickCount = [] {
        using namespace std::chrono;
        return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    };
#endif
    return clock;
}

BuildTimeTicker::BuildTimeTicker(TickerClock clock, StatusSink setStatus)
    : clock_(std::move(clock)), setStatus_(std::move(setStatus)) {}

BuildTimeTicker::~BuildTimeTicker() { Stop(); }

void BuildTimeTicker::Start(int estimatedSeconds) {
    std::lock_guard<std::mutex> lock(mutex_);
    estimatedSeconds_ = estimatedSeconds;
    if (thread_.joinable()) return;
    stop_ = false;
    thread_ = std::thread([this] { ShowBuildTimeCountdown(); });
}

void BuildTimeTicker::Stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void BuildTimeTicker::ShowBuildTimeCountdown() {
    const uint32_t start = clock_.tickCount();
    std::unique_lock<std::mutex> lock(mutex_);
    std::string text = BuildTimeText(estimatedSeconds_, 0);
    lock.unlock();
    setStatus_(text);
    for (;;) {
        lock.lock();
        if (wake_.wait_for(lock, std::chrono::milliseconds(clock_.intervalMs), [this] { return stop_; })) return;
        text = BuildTimeText(estimatedSeconds_, ElapsedSeconds(start, clock_.tickCount()));
        lock.unlock();
        setStatus_(text);
    }
}

}  // namespace brivel::remotebuild
