#include "entries/logic/optimiser.h"

#include <algorithm>
#include <cmath>

namespace optimiser {

namespace {

bool within(int v) {
    return v >= 0 && v <= kTopBall;
}

// The lowest number in 1..top with the largest positive count, 0 when none is positive.
template <class Count>
int bestOf(int top, Count count) {
    int best = 0;
    qint32 most = 0;
    for (int i = 1; i <= top; ++i) {
        if (count(i) > most) {
            most = count(i);
            best = i;
        }
    }
    return best;
}

}  // namespace

std::optional<PairCounts> countPairs(const DrawImage& history, int first, int last,
                                     const Game& game) {
    PairCounts c;
    const int pool = std::clamp(game.mainpool, 0, kTopBall);
    const int positions = std::clamp(game.mainperentry, 0, 7);
    std::array<qint32, kTopBall + 1> extras{};
    for (int r = std::max(first, 1); r <= last; ++r) {
        const DrawRecord d = history.read(r);
        for (int j = 0; j < positions; ++j) {
            if (!within(d.balls[static_cast<std::size_t>(j)])) {
                return std::nullopt;
            }
        }
        if (game.withExtra) {
            if (!within(d.extra)) {
                return std::nullopt;
            }
            ++extras[PairCounts::idx(d.extra)];
        }
        // Each main number of the pool that the draw holds counts once, however often it stands
        // in the draw, with the ball of every position that is not itself.
        std::array<bool, kTopBall + 1> seen{};
        for (int i = 0; i < positions; ++i) {
            const int a = d.balls[static_cast<std::size_t>(i)];
            if (a < 1 || a > pool || seen[PairCounts::idx(a)]) {
                continue;
            }
            seen[PairCounts::idx(a)] = true;
            if (game.withExtra) {
                ++c.extraLinks_[PairCounts::idx(a)][PairCounts::idx(d.extra)];
            }
            for (int j = 0; j < positions; ++j) {
                const int b = d.balls[static_cast<std::size_t>(j)];
                if (b != a) {
                    ++c.links_[PairCounts::idx(a)][PairCounts::idx(b)];
                }
            }
        }
    }
    if (game.withExtra) {
        // The extra is searched in its own pool, and an entry of a game with an extra never
        // gets extra 0.
        const int top = std::clamp(game.extrapool, 1, kTopBall);
        int overall = bestOf(top, [&](int e) { return extras[PairCounts::idx(e)]; });
        if (overall == 0) {
            overall = 1;
        }
        for (int a = 1; a <= pool; ++a) {
            const int own = bestOf(top, [&](int e) { return c.extraLink(a, e); });
            c.bestExtra_[PairCounts::idx(a)] = own != 0 ? own : overall;
        }
    }
    return c;
}

int getBestFor(const PairCounts& counts, int mainpool, int row, const std::array<int, 6>& exclude) {
    if (row < 0 || row > kTopBall) {
        return 0;
    }
    const int top = std::clamp(mainpool, 0, kTopBall);
    return bestOf(top, [&](int i) {
        const bool excluded = std::find(exclude.begin(), exclude.end(), i) != exclude.end();
        return excluded ? 0 : counts.link(row, i);
    });
}

std::vector<Entry> chainEntries(const PairCounts& counts, const Game& game) {
    std::vector<Entry> made;
    const int pool = std::clamp(game.mainpool, 0, kTopBall);
    const int size = std::clamp(game.mainperentry, 1, 7);
    std::vector<int> taken;
    taken.reserve(7);
    for (int s = 1; s <= pool; ++s) {
        taken.assign(1, s);
        while (static_cast<int>(taken.size()) < size) {
            std::array<int, 6> exclude{};
            std::copy_n(taken.begin(), std::min<std::size_t>(taken.size(), 6), exclude.begin());
            const int next = getBestFor(counts, pool, taken.back(), exclude);
            if (next == 0) {
                break;
            }
            taken.push_back(next);
        }
        if (static_cast<int>(taken.size()) < size) {
            continue;
        }
        Entry e;
        std::sort(taken.begin(), taken.end());
        std::copy(taken.begin(), taken.end(), e.balls.begin());
        e.extra = static_cast<qint16>(game.withExtra ? counts.bestExtra(s) : 0);
        const bool again = std::any_of(made.begin(), made.end(),
                                       [&](const Entry& m) { return m.balls == e.balls; });
        if (!again) {
            made.push_back(e);
        }
    }
    return made;
}

std::optional<int> firstOfLast(int drawCount, double n) {
    if (std::isnan(n) || n < 1 || n > drawCount) {
        return std::nullopt;
    }
    return drawCount - static_cast<int>(std::nearbyint(n - 1));
}

}  // namespace optimiser
