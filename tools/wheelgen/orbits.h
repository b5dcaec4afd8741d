#pragma once
// Designs invariant under a permutation group of the numbers, chosen as whole orbits of blocks
// as a set cover: one column per block orbit, one row per orbit of d-subsets (met when a chosen
// orbit holds a block meeting it in m points). Solved by the external integer programming
// solver cbc (coinor-cbc), or by a weighted local search within a block budget.
#include <optional>
#include <string>
#include <vector>

#include "anneal.h"

namespace wheelgen {

struct PermGroup {
    std::vector<std::vector<int>> perms;  // every element, perms[0] the identity
    std::string name;
};

// A group from its description, for n numbers (0-based points):
//   "Z13"     a cycle of 13 on the first 13 numbers, the rest fixed
//   "Z7x2"    two cycles of 7 turned together
//   "Z17:4"   as Z17, with the multiplier of order 4 mod 17 on every cycle (x -> a x)
//   "Z20:4@13" as Z20:4, with the multiplier 13 in place of the least one of that order
//   "PSL19"   PSL(2,19) on the projective line of 20 numbers (q prime); "PGL19" likewise
//   "1"       the trivial group: every block is a column of its own
// Empty when the text is not understood or does not fit n.
std::optional<PermGroup> parseGroup(const std::string& groupName, int n);

struct OrbitSolve {
    std::vector<Block> blocks;   // the union of the chosen orbits (empty when none found)
    std::string status;          // what the solver said, for the log
    std::vector<Block> nearest;  // local search only: the best state when no cover was found
};

// The set cover of the problem under the group.
struct OrbitProgram {
    std::vector<std::vector<Block>> orbits;  // column -> its blocks
    std::vector<std::vector<int>> rows;      // row -> the columns meeting it, ascending
};
OrbitProgram buildOrbitProgram(const Problem& p, const PermGroup& group);

// Solves the program with cbc within `seconds`, with at most `limit` blocks when limit > 0 and
// never every column of `notAll` (when given); `work` is a folder for the solver's files.
// `nodes` > 0 bounds the search in nodes instead, which makes the result the same on any machine.
OrbitSolve solveOrbitsCbc(const OrbitProgram& program, double seconds, int limit,
                          const std::string& work, const std::vector<int>& notAll = {},
                          int nodes = 0);

// Weighted local search for a cover of at most `limit` blocks: a step drops the chosen column
// whose loss weighs least and adds the column meeting a random unmet row that gains most;
// unmet rows then weigh one more. Stops after maxSteps or at a cover. Starts from the columns
// holding the blocks of `start` (the weakest dropped to the limit), else from a greedy cover.
OrbitSolve solveOrbitsLocal(const OrbitProgram& program, int limit, std::uint64_t maxSteps,
                            Rng& rng, const std::vector<Block>& start = {});

// Complete search for a cover within `limit` blocks: depth first, each node choosing the unmet
// row with fewest columns that fit and trying each of them, a column tried being barred from its
// later siblings. For programs whose covers take a few columns (dense rows, as in 6-6-4), where
// it settles whether the group has a design at all. Gives up after maxNodes nodes.
OrbitSolve solveOrbitsExact(const OrbitProgram& program, int limit, std::uint64_t maxNodes);

// Tabu search within `limit` blocks for programs whose covers take few columns: each step looks
// at every swap of a chosen column for another (or one more column while the budget allows) and
// makes the one leaving fewest rows unmet; a column just dropped may not come back for a while.
// Steps are costly (every column is looked at) but few are needed. Starts from the columns
// holding the blocks of `start` that fit the budget, filled up greedily.
OrbitSolve solveOrbitsTabu(const OrbitProgram& program, int limit, std::uint64_t maxSteps, Rng& rng,
                           const std::vector<Block>& start = {});

}  // namespace wheelgen
