// The build-time ticker on a clock of the test's own: half-second steps of a
// fake tick count, with short real pauses between the texts.
#include "BuildTimeTicker.h"

#include "ExchangeTexts.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

using namespace brivel::remotebuild;

namespace {

class Statuses {
public:
    void Add(const std::string& text) {
        std::lock_guard<std::mutex> lock(mutex_);
        texts_.push_back(text);
        changed_.notify_all();
    }
    bool WaitFor(size_t count) {
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return texts_.size() >= count; });
    }
    std::vector<std::string> Texts() {
        std::lock_guard<std::mutex> lock(mutex_);
        return texts_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> texts_;
};

// A tick count that moves half a second on every reading, from near the
// point where it wraps.
TickerClock FakeClock(std::atomic<uint32_t>& now) {
    TickerClock clock;
    clock.tickCount = [&now] { return now.fetch_add(500); };
    clock.intervalMs = 2;
    return clock;
}

}  // namespace

TEST(BuildTime, ElapsedSecondsAreRoundedAndSurviveTheTickCountWrapping) {
    EXPECT_EQ(ElapsedSeconds(1000, 1000), 0u);
    EXPECT_EQ(ElapsedSeconds(1000, 1499), 0u);
    EXPECT_EQ(ElapsedSeconds(1000, 1500), 1u);
    EXPECT_EQ(ElapsedSeconds(1000, 3499), 2u);
    EXPECT_EQ(ElapsedSeconds(0xFFFFFE00u, 0x00000400u), 2u);
}

TEST(BuildTime, TheTextHasSevenBlanksAndAThreeDigitCounter) {
    EXPECT_EQ(BuildTimeText(12, 0), "Estimated Build Time: 12 seconds       000");
    EXPECT_EQ(BuildTimeText(12, 7), "Estimated Build Time: 12 seconds       007");
    EXPECT_EQ(BuildTimeText(5, 1234), "Estimated Build Time: 5 seconds       1234");
}

TEST(BuildTimeTicker, CountsUpFromZeroNextToTheEstimate) {
    std::atomic<uint32_t> now{0xFFFFFC00u};
    Statuses statuses;
    BuildTimeTicker ticker(FakeClock(now), [&](const std::string& t) { statuses.Add(t); });
    ticker.Start(12);
    ASSERT_TRUE(statuses.WaitFor(5));
    ticker.Stop();
    std::vector<std::string> texts = statuses.Texts();
    // Readings at +0 (start), +500, +1000, +1500, +2000 ms.
    EXPECT_EQ(texts[0], "Estimated Build Time: 12 seconds       000");
    EXPECT_EQ(texts[1], "Estimated Build Time: 12 seconds       001");
    EXPECT_EQ(texts[2], "Estimated Build Time: 12 seconds       001");
    EXPECT_EQ(texts[3], "Estimated Build Time: 12 seconds       002");
    EXPECT_EQ(texts[4], "Estimated Build Time: 12 seconds       002");
}

TEST(BuildTimeTicker, WritesNothingOnceStoppedAndALaterEstimateOnlyChangesTheNumber) {
    std::atomic<uint32_t> now{0};
    Statuses statuses;
    BuildTimeTicker ticker(FakeClock(now), [&](const std::string& t) { statuses.Add(t); });
    ticker.Start(3);
    ASSERT_TRUE(statuses.WaitFor(2));
    ticker.Start(40);
    size_t before = statuses.Texts().size();
    ASSERT_TRUE(statuses.WaitFor(before + 2));
    ticker.Stop();
    EXPECT_FALSE(ticker.IsRunning());
    std::vector<std::string> texts = statuses.Texts();
    EXPECT_EQ(texts.back().substr(0, 34), "Estimated Build Time: 40 seconds  ");
    for (const std::string& t : texts)
        EXPECT_NE(t.find("seconds       "), std::string::npos) << t;
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Estimated Build Time: 3 seconds       000"), 1)
        << "one ticker: the second estimate started no second count";

    size_t stopped = texts.size();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(statuses.Texts().size(), stopped);
}

TEST(BuildTimeTicker, AStopBeforeTheFirstPauseEndsAtOnce) {
    Statuses statuses;
    TickerClock slow = SystemTickerClock();
    slow.intervalMs = 60000;
    auto start = std::chrono::steady_clock::now();
    {
        BuildTimeTicker ticker(slow, [&](const std::string& t) { statuses.Add(t); });
        ticker.Start(9);
        ASSERT_TRUE(statuses.WaitFor(1));
    }  // the destructor stops it
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(statuses.Texts(), std::vector<std::string>{"Estimated Build Time: 9 seconds       000"});
}
