// The extraction's share of the progress bar: 0 to 95 over the payload's
// data bytes (the rest belongs to the steps after extraction).
#pragma once

#include <cstdint>

namespace brivel::setup {

constexpr int kExtractionPercent = 95;

// `done` bytes of `total` as a position from 0 to 95, in 64-bit arithmetic.
// A total of 0 (nothing to extract) is done at once: 95. More than the total
// counts as the total.
int ExtractionPercent(uint64_t done, uint64_t total);

// The running count of one extraction. Entries that are skipped (a kept
// settings file) are counted as done too, so the bar ends at 95.
class ExtractionProgress {
public:
    explicit ExtractionProgress(uint64_t totalBytes) : total_(totalBytes) {}
    void Add(uint64_t bytes) { done_ += bytes; }
    int Percent() const { return ExtractionPercent(done_, total_); }

private:
    uint64_t total_;
    uint64_t done_ = 0;
};

}  // namespace brivel::setup
