#pragma once
// Simulated annealing for wheels k-d-m of n with a fixed number of blocks: the cost is the count
// of d-subsets met by no block in m points, kept incrementally per d-subset.
#include <cstdint>
#include <vector>

#include "wheels/design/wheelverify.h"

namespace wheelgen {

using wheeldesign::Block;

class Rng {
public:
    explicit Rng(std::uint64_t seed);
    std::uint64_t next();
    std::uint32_t below(std::uint32_t bound) {
        return static_cast<std::uint32_t>((next() >> 32) * bound >> 32);
    }
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t s_[4];
};

// The i-th set bit (0-based) of mask.
int nthBit(std::uint32_t mask, int i);
// A random block of k points of 1..n.
Block randomBlock(int n, int k, Rng& rng);

struct Problem {
    int n = 0, k = 0, d = 0, m = 0;
};

class Annealer {
public:
    explicit Annealer(const Problem& p);

    void setBlocks(const std::vector<Block>& blocks);
    // Keeps the first orbits * |G| blocks invariant under the group: block o|G| + g is element g
    // (perms[g][point], perms[0] the identity) applied to block o|G|. Call before setBlocks with
    // blocks laid out that way; the blocks after the orbits stay free.
    void setGroup(std::vector<std::vector<int>> perms, int orbits);
    const std::vector<Block>& blocks() const { return blocks_; }
    std::uint64_t cost() const { return uncovered_.size(); }

    struct Schedule {
        std::uint64_t maxMoves = 0;
        std::uint64_t cycleMoves = 0;  // one cooling from t0 to t1; then reheat from the best
        double t0 = 1.0, t1 = 0.05;
    };
    // Anneals until the cost is 0 or maxMoves; leaves the best state found in blocks().
    // Returns the number of moves made.
    std::uint64_t run(const Schedule& schedule, Rng& rng);

    // Local search with weights on the d-subsets: a move is taken when it does not raise the
    // weight of the unmet subsets; at a local minimum the unmet ones weigh one more. Leaves the
    // best state found (by count) in blocks().
    std::uint64_t runWeighted(std::uint64_t maxMoves, Rng& rng);

    // Adds blocks greedily until every d-subset is met (the result is a proven upper bound).
    void repair(Rng& rng);
    // Removes the block whose loss leaves the fewest d-subsets unmet.
    void removeWeakestBlock();
    // Removes blocks whose loss leaves no d-subset unmet, one at a time, while there are any.
    void removeRedundantBlocks();
    // Mean cost increase of random moves that increase it (to scale the temperature).
    double meanUphill(Rng& rng, int samples);

private:
    int rank(std::uint32_t mask) const;
    // The count of d-subsets only the weakest block meets (its index in `index`), or -1.
    long weakestBlock(std::size_t& index) const;
    void addBlockCounts(Block b, int sign);
    // Fills pairs_ with the (lose, gain) ranks of moving point x of block b to y; returns delta.
    long evalMove(Block b, int x, int y);
    // As evalMove, with the change of the weight of the unmet subsets.
    long evalMoveWeighted(Block b, int x, int y);
    void applyMove(int blockIndex, int x, int y);
    bool proposeMove(Rng& rng, int& blockIndex, int& x, int& y);
    void markUncovered(int r);
    void markCovered(int r);

    Problem p_;
    std::vector<Block> blocks_;
    std::vector<std::uint32_t> dsets_;  // rank -> mask
    std::vector<std::uint16_t> count_;  // rank -> blocks meeting it in m points
    std::vector<std::int32_t> where_;   // rank -> index in uncovered_, or -1
    std::vector<std::uint32_t> uncovered_;
    std::vector<std::uint32_t> weight_;     // rank -> weight (weighted search only)
    std::vector<std::uint32_t> tPatterns_;  // (m-1)-subsets of k-1 indices
    std::vector<std::uint32_t> uPatterns_;  // (d-m)-subsets of n-k-1 indices
    std::vector<std::uint32_t> tMasks_, uMasks_;
    std::vector<std::uint32_t> pairs_;
    std::vector<std::vector<int>> perms_, inverses_;
    int orbitBlocks_ = 0;
};

// The block's image under a permutation of the points.
Block permuteBlock(Block b, const std::vector<int>& perm);

}  // namespace wheelgen
