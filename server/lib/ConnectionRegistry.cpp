#include "ConnectionRegistry.h"

namespace brivel::server {
namespace {
// The id in 32 bits, as the Java side receives it in an int.
int MakeId(int k, uint32_t sequence) {
    return static_cast<int>((static_cast<uint32_t>(k) << 8) | (sequence & 0xFFu));
}
}  // namespace

int CConnectionRegistry::Open(int k) {
    std::lock_guard<std::mutex> guard(lock_);
    for (int tries = 0; tries < 256; ++tries) {
        int id = MakeId(k, sequence_++);
        if (id == 0 || id == -1 || open_.count(id)) continue;
        open_.insert(id);
        ++count_;
        return id;
    }
    return 0;
}

bool CConnectionRegistry::Close(int id) {
    std::lock_guard<std::mutex> guard(lock_);
    if (!open_.erase(id)) return false;
    --count_;
    return true;
}

}  // namespace brivel::server
