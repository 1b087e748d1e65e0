// Where the progress bar's green part ends: at left + width × position ÷
// range, truncated toward zero. Counts of bytes reach four gigabytes, so
// the product is taken in 64 bits; a position beyond the range fills the
// bar, a range of 0 leaves it empty.
#pragma once

#include <cstdint>

inline int ProgressSplitX(int left, int width, int64_t position, int64_t range) {
    if (range <= 0 || position <= 0 || width <= 0) return left;
    if (position >= range) return left + width;
    return left + static_cast<int>(static_cast<int64_t>(width) * position / range);
}
