// The build-time ticker: while the reply's records are read after an
// estimate, a thread of its own shows the estimate and the seconds elapsed
// in the status line every half second. It stops, without writing again,
// the moment the records end.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace brivel::remotebuild {

// Whole seconds between two millisecond ticks, rounded to the nearest
// (tick counts wrap after 49.7 days; the difference stays right).
inline uint32_t ElapsedSeconds(uint32_t startTick, uint32_t nowTick) { return (nowTick - startTick + 500) / 1000; }

// The ticker's clock: the millisecond tick count (GetTickCount on Windows)
// and the pause between two texts. Tests give a clock of their own.
struct TickerClock {
    std::function<uint32_t()> tickCount;
    uint32_t intervalMs = 500;
};

// The platform's millisecond tick count.
TickerClock SystemTickerClock();

class BuildTimeTicker {
public:
    using StatusSink = std::function<void(const std::string&)>;

    BuildTimeTicker(TickerClock clock, StatusSink setStatus);
    ~BuildTimeTicker();
    BuildTimeTicker(const BuildTimeTicker&) = delete;
    BuildTimeTicker& operator=(const BuildTimeTicker&) = delete;

    // Starts the ticker with the estimate; while it runs, a later estimate
    // only replaces the number shown (one ticker per build).
    void Start(int estimatedSeconds);
    // Ends the ticker and waits for its thread: nothing is written after.
    void Stop();
    bool IsRunning() const { return thread_.joinable(); }

private:
    void ShowBuildTimeCountdown();

    TickerClock clock_;
    StatusSink setStatus_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    int estimatedSeconds_ = 0;
    std::thread thread_;
};

}  // namespace brivel::remotebuild
