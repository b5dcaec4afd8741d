#pragma once
// The duplicate coverage filter: of entries that share at least D numbers, the first in the
// file stays and the later ones are marked. Entries are held as bit sets of their numbers, so
// two entries are compared with two ANDs and popcounts instead of k * k comparisons.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "shared/drawrecord.h"

// Numbers 1..128 as bits; anything else (0 for an unused position, damaged values) shares
// nothing.
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
