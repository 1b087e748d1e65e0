#include "ExtractionProgress.h"

namespace brivel::setup {

int ExtractionPercent(uint64_t done, uint64_t total) {
    if (total == 0 || done >= total) return kExtractionPercent;
    return static_cast<int>(done * kExtractionPercent / total);
}

}  // namespace brivel::setup
