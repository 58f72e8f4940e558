#pragma once

#include <cstdint>

namespace z8::emu {

// The hostile line's choices (piece sizes, pauses, where a line drops) drawn
// from one number given on the command line, so that a failing run can be
// played again exactly. SplitMix64: small, and every starting number gives a
// well-spread sequence.
class LinePattern {
public:
    explicit LinePattern(uint64_t start) : state_(start) {}

    // A number in [low, high].
    uint32_t Between(uint32_t low, uint32_t high) {
        return low + static_cast<uint32_t>(Next() % (uint64_t{high} - low + 1));
    }

private:
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    uint64_t state_;
};

}  // namespace z8::emu
