// The control's progress bar shows `current` out of `total` as the green
// part of its width. Counts are 32-bit and the product of width and count
// is not: it is taken in 64 bits. A total of 0 shows nothing (an empty
// DLL announces no length), and a count beyond the total the whole width.
#pragma once

#include <cstdint>

namespace brivel::uploadctl {

inline int ProgressFillWidth(int width, uint32_t current, uint32_t total) {
    if (width <= 0 || total == 0) return 0;
    if (current >= total) return width;
    return static_cast<int>(static_cast<uint64_t>(width) * current / total);
}

}  // namespace brivel::uploadctl
