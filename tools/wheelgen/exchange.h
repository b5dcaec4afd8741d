#pragma once
// Descent from a proven design by block exchanges. The search walks among the designs of the
// same size that keep every draw met (a block moves to another block that still meets the draws
// only it met) and takes every exchange of two blocks for one that keeps the guarantee, and
// every block that has become redundant.
#include <cstdint>
#include <vector>

#include "anneal.h"

namespace wheelgen {

// The smallest proven design reached from `start` (itself proven): stops at `target` blocks or
// after `maxSteps` walk steps. Returns the start unchanged when no exchange was found.
std::vector<Block> exchangeDescent(const Problem& p, const std::vector<Block>& start, int target,
                                   std::uint64_t maxSteps, Rng& rng);

}  // namespace wheelgen
