// Skips the HTTP header of the build service's reply: consumes bytes until it
// has seen CR LF CR LF. A CR in state 1 or 3 goes back to state 0 (not 1),
// as the service's clients have always matched.
#pragma once

#include <cstddef>

namespace brivel::remotebuild {

class EndOfHeaderMatcher {
public:
    static constexpr int kHeaderSkipped = 4;

    // Consumes bytes up to and including the header's end; returns how many.
    size_t Consume(const unsigned char* bytes, size_t count) {
        size_t used = 0;
        while (used < count && state_ != kHeaderSkipped) Step(bytes[used++]);
        return used;
    }
    bool Ended() const { return state_ == kHeaderSkipped; }
    int State() const { return state_; }

private:
    void Step(unsigned char byte) {
        const bool cr = byte == '\r', lf = byte == '\n';
        switch (state_) {
        case 0: state_ = cr ? 1 : 0; break;
        case 1: state_ = lf ? 2 : 0; break;
        case 2: state_ = cr ? 3 : 0; break;
        case 3: state_ = lf ? kHeaderSkipped : 0; break;
        default: break;
        }
    }

    int state_ = 0;
};

}  // namespace brivel::remotebuild
