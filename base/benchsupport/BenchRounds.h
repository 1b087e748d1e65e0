// Timing for the kit's benchmark programs. A benchmark measures its own side
// and its floor in rounds that alternate, after a warm-up of both, so that a
// change of the machine's load between rounds meets both sides alike; the
// median of the rounds counts. Each result is one line that scripts/bench
// reads:
//
//   BENCH <key> <ours> <floor> <unit>
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace brivel::bench {

// Rounds per side: an odd number, so the median is one measured round.
constexpr int kRounds = 9;

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// Nanoseconds per call of `call`, made `count` times.
template <typename Call>
double NanosecondsPerCall(Call&& call, long count) {
    auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < count; ++i) call();
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() / count;
}

struct Pair {
    double ours;
    double floor;
};

// Our side against its floor: a warm-up of a tenth of `count` calls each,
// then kRounds alternating rounds of `count` calls; the medians per call.
template <typename Ours, typename Floor>
Pair CompareCalls(Ours&& ours, Floor&& floor, long count) {
    NanosecondsPerCall(ours, count / 10 + 1);
    NanosecondsPerCall(floor, count / 10 + 1);
    std::vector<double> o, f;
    for (int round = 0; round < kRounds; ++round) {
        f.push_back(NanosecondsPerCall(floor, count));
        o.push_back(NanosecondsPerCall(ours, count));
    }
    return {Median(o), Median(f)};
}

inline void Report(const char* key, double ours, double floor, const char* unit) {
    std::printf("BENCH %s %.4g %.4g %s\n", key, ours, floor, unit);
    std::fflush(stdout);
}

}  // namespace brivel::bench
