#include "entries/logic/sumband.h"

#include <algorithm>

namespace {

// (a + b) / 2 to the nearest whole number, halves to even.
int halfToEven(int a, int b) {
    const int sum = a + b;
    const int down = sum >= 0 ? sum / 2 : (sum - 1) / 2;
    if (sum % 2 == 0) {
        return down;
    }
    return down % 2 == 0 ? down : down + 1;
}

}  // namespace

std::optional<SumRange> sumRange(int pool, int k) {
    const int p = pool;
    SumRange r;
    switch (k) {
        case 3:
            r = {6, 3 * p - 3, p + 1 + p / 2};
            break;
        case 4:
            r = {10, 4 * p - 6, 2 * p + 2};
            break;
        case 5:
            r = {15, 5 * p - 10, 2 * p + 2 + p / 2};
            break;
        case 6:
            r = {21, 6 * p - 15, 3 * p + 3};
            break;
        case 7:
            r = {28, 7 * p - 21, 3 * p + 3 + p / 2};
            break;
        default:
            return std::nullopt;
    }
    r.low = halfToEven(r.middle, r.lowest);
    r.high = halfToEven(r.middle, r.highest);
    return r;
}

std::optional<SumBand> sumBand(int pool, int k, int slider) {
    const std::optional<SumRange> r = sumRange(pool, k);
    if (!r) {
        return std::nullopt;
    }
    const int step = 10 * (std::clamp(slider, 1, 5) - 1);
    return SumBand{r->low + step, r->high - step};
}

int entryTotal(const DrawRecord& entry, int k) {
    int total = 0;
    for (int i = 0; i < std::clamp(k, 0, 7); ++i) {
        total += entry.balls[static_cast<std::size_t>(i)];
    }
    return total;
}
