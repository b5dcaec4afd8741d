#pragma once
// A set of ball numbers 1..128 as two machine words, so that "how many numbers do these two
// entries share" is one AND and a bit count.
#include <bit>
#include <cstdint>

namespace entries {

struct NumberMask {
    static constexpr int kMaxNumber = 128;

    std::uint64_t lo = 0;  // numbers 1..64
    std::uint64_t hi = 0;  // numbers 65..128

    static constexpr bool fits(int n) { return n >= 1 && n <= kMaxNumber; }
    constexpr bool has(int n) const {
        if (!fits(n)) {
            return false;
        }
        return n <= 64 ? (lo >> (n - 1)) & 1U : (hi >> (n - 65)) & 1U;
    }
    // Adds n; false when n is outside 1..128 or already in the set.
    constexpr bool add(int n) {
        if (!fits(n) || has(n)) {
            return false;
        }
        if (n <= 64) {
            lo |= std::uint64_t{1} << (n - 1);
        } else {
            hi |= std::uint64_t{1} << (n - 65);
        }
        return true;
    }
    constexpr int common(const NumberMask& other) const {
        return std::popcount(lo & other.lo) + std::popcount(hi & other.hi);
    }
};

}  // namespace entries
