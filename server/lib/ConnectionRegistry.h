// The open connections of the Java server and their ids.
//
// An id is (k << 8) | (sequence & 0xFF): k names the server's listener, the
// low byte comes from one sequence that every call advances. An id is never
// given to two open connections at once, and never 0 or -1 (the refusal and
// failure answers of the connection native): such a sequence byte is passed
// over. The open-connection count is the number of ids open now, so it comes
// back to zero whatever order connections end in.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <set>

namespace brivel::server {

class CConnectionRegistry {
public:
    // Counts a new connection of listener k and gives its id; 0 (nothing
    // counted) when all 256 ids of k are open.
    int Open(int k);
    // Ends an open connection; false (nothing changed) when the id is not open.
    bool Close(int id);
    // The number of open connections; no lock taken.
    int OpenCount() const { return count_.load(); }

private:
    std::mutex lock_;
    uint32_t sequence_ = 0;
    std::set<int> open_;
    std::atomic<int> count_{0};
};

}  // namespace brivel::server
