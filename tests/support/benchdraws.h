#pragma once
// A random 6-from-49 history with an extra from 26, for the benchmarks that need a long one.
#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include <QDate>

#include "shared/drawrecord.h"

namespace fixture {

// n draws, each dated a day after the one before from 1 Jan 2000.
inline std::vector<DrawRecord> randomLottoDraws(int n, std::mt19937& rng) {
    std::vector<DrawRecord> out;
    out.reserve(static_cast<std::size_t>(n));
    std::vector<qint16> pool(49);
    std::iota(pool.begin(), pool.end(), qint16{1});
    std::uniform_int_distribution<int> extra(1, 26);
    for (int i = 0; i < n; ++i) {
        std::shuffle(pool.begin(), pool.end(), rng);
        DrawRecord r;
        std::copy_n(pool.begin(), 6, r.balls.begin());
        std::sort(r.balls.begin(), r.balls.begin() + 6);
        r.extra = static_cast<qint16>(extra(rng));
        const QDate date = QDate(2000, 1, 1).addDays(i);
        r.day = static_cast<qint16>(date.day());
        r.month = static_cast<qint16>(date.month());
        r.year = static_cast<qint16>(date.year());
        out.push_back(r);
    }
    return out;
}

}  // namespace fixture
