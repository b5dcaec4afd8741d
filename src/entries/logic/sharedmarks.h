#pragma once
// The duplicate coverage filter: of entries that share at least D numbers, the first in the
// file stays and the later ones are marked. An entry sharing D numbers with a kept one shares
// one of its D-number subsets with it, so the kept entries' subsets are indexed and each entry
// is looked up by its own few subsets instead of being compared with every kept entry.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "shared/drawrecord.h"

// Numbers 1..128 as bits; anything else (0 for an unused position, damaged values) shares
// nothing, and a number repeated within an entry counts once.
struct NumberSet {
    std::array<std::uint64_t, 2> bits{};
};
NumberSet numberSet(const DrawRecord& entry, int k);

// marked[r] (entry r + 1) is 1 for an entry already marked: it neither marks nor is marked.
// Marks the later entries sharing `threshold` or more numbers with an earlier unmarked one,
// and gives how many it marked. `progress` hears each entry looked at (1..n), when given.
int markShared(const std::vector<NumberSet>& entries, int threshold,
               std::vector<std::uint8_t>& marked,
               const std::function<void(int)>& progress = nullptr);
