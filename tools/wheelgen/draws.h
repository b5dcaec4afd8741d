#pragma once
// The d-subsets of the numbers (the draws) by rank, and the sets meeting a set in m points.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "anneal.h"

namespace wheelgen {

// The j-subsets of the points of x, in lexicographic order of their points.
std::vector<Block> subsetsOf(Block x, int j);

class DrawSpace {
public:
    explicit DrawSpace(const Problem& p);

    std::size_t draws() const { return static_cast<std::size_t>(binom_[p_.n][p_.d]); }
    std::size_t rank(Block u) const;
    // The s-subsets of the numbers meeting x in m or more points.
    std::vector<Block> meeting(Block x, int s) const;
    bool meets(Block a, Block b) const;

private:
    Problem p_;
    Block full_ = 0;
    std::uint64_t binom_[33][9] = {};
};

}  // namespace wheelgen
