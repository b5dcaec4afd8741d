#pragma once
// Descent from a proven design by rebuilding neighbourhoods: the blocks nearest a random centre
// come out, and the draws only they met are covered again, as a set cover solved by cbc, with as
// few blocks as it finds. A rebuild of the same size is kept too, so that the search moves on.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "anneal.h"

namespace wheelgen {

struct NeighbourhoodPlan {
    int target = 0;       // stop at this many blocks
    int rounds = 0;       // neighbourhoods rebuilt at most
    int remove = 40;      // blocks taken out per round
    int centre = 0;       // numbers in the centre (0: k)
    double seconds = 60;  // cbc's time per round, unless
    int nodes = 0;        // cbc's search nodes per round (the same result on any machine)
    std::string work;     // a folder for cbc's files
    std::function<void(const std::string&)> log;
};

// The smallest proven design reached from `start` (itself proven).
std::vector<Block> neighbourhoodDescent(const Problem& p, const std::vector<Block>& start,
                                        const NeighbourhoodPlan& plan, Rng& rng);

}  // namespace wheelgen
