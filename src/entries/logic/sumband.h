#pragma once
// The band of entry totals the sum filter keeps: a band around the middle of the totals that k
// numbers from 1..pool can make, narrowed 10 from each end per slider step.
#include <optional>

#include "shared/drawrecord.h"

struct SumBand {
    int lower = 0;
    int upper = 0;
    bool holds(int total) const { return total >= lower && total <= upper; }
};

// The lowest and highest totals, the middle the band centres on, and the band at slider 1.
struct SumRange {
    int lowest = 0;
    int highest = 0;
    int middle = 0;
    int low = 0;
    int high = 0;
};

// For 3 to 7 numbers per entry; nothing for any other count. The 3-number row follows the
// pattern of the others, so the filter works for those games too.
std::optional<SumRange> sumRange(int pool, int k);
// The band at slider position 1..5; it may be empty (lower above upper) for small pools.
std::optional<SumBand> sumBand(int pool, int k, int slider);
// The total of the entry's first k numbers.
int entryTotal(const DrawRecord& entry, int k);
