#include "anneal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

#include "wheels/design/wheeltable.h"

namespace wheelgen {

namespace {

// Colex rank of a subset of 0..23 in two table look-ups: the low 12 bits, then the high 12 bits
// shifted by the count of the low ones.
struct RankTables {
    std::array<std::uint32_t, 4096> low{};
    std::array<std::array<std::uint32_t, 4096>, 13> high{};
    RankTables() {
        for (std::uint32_t v = 0; v < 4096; ++v) {
            std::uint32_t r = 0;
            int i = 0;
            for (int e = 0; e < 12; ++e)
                if ((v >> e) & 1u)
                    r += static_cast<std::uint32_t>(wheeldesign::binomial(e, ++i));
            low[v] = r;
            for (int c = 0; c <= 12; ++c) {
                std::uint32_t h = 0;
                int j = c;
                for (int e = 0; e < 12; ++e)
                    if ((v >> e) & 1u)
                        h += static_cast<std::uint32_t>(wheeldesign::binomial(12 + e, ++j));
                high[c][v] = h;
            }
        }
    }
};

const RankTables& rankTables() {
    static const RankTables tables;
    return tables;
}

std::uint32_t mapPattern(std::uint32_t pattern, const int* points) {
    std::uint32_t mask = 0;
    while (pattern != 0) {
        mask |= 1u << points[std::countr_zero(pattern)];
        pattern &= pattern - 1;
    }
    return mask;
}

std::vector<std::uint32_t> subsetsOf(int size, int count) {
    std::vector<std::uint32_t> out;
    if (count < 0 || count > size)
        return out;
    if (count == 0)
        return {0u};
    const std::uint32_t end = 1u << size;
    for (std::uint32_t x = (1u << count) - 1; x < end;) {
        out.push_back(x);
        const std::uint32_t c = x & (0u - x);
        const std::uint32_t r = x + c;
        x = (((r ^ x) >> 2) / c) | r;
    }
    return out;
}

int pointsOf(std::uint32_t mask, int* points) {
    int c = 0;
    while (mask != 0) {
        points[c++] = std::countr_zero(mask);
        mask &= mask - 1;
    }
    return c;
}

}  // namespace

Rng::Rng(std::uint64_t seed) {
    for (auto& s : s_) {
        seed += 0x9e3779b97f4a7c15ull;
        std::uint64_t z = seed;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        s = z ^ (z >> 31);
    }
}

std::uint64_t Rng::next() {
    const std::uint64_t result = std::rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = std::rotl(s_[3], 45);
    return result;
}

int nthBit(std::uint32_t mask, int i) {
    for (; i > 0; --i)
        mask &= mask - 1;
    return std::countr_zero(mask);
}

Block randomBlock(int n, int k, Rng& rng) {
    Block b = 0;
    while (std::popcount(b) < k)
        b |= 1u << rng.below(static_cast<std::uint32_t>(n));
    return b;
}

Block permuteBlock(Block b, const std::vector<int>& perm) {
    Block out = 0;
    while (b != 0) {
        out |= 1u << perm[std::countr_zero(b)];
        b &= b - 1;
    }
    return out;
}

void Annealer::setGroup(std::vector<std::vector<int>> perms, int orbits) {
    perms_ = std::move(perms);
    inverses_.clear();
    for (const auto& perm : perms_) {
        std::vector<int> inv(perm.size());
        for (std::size_t i = 0; i < perm.size(); ++i)
            inv[perm[i]] = static_cast<int>(i);
        inverses_.push_back(std::move(inv));
    }
    orbitBlocks_ = orbits * static_cast<int>(perms_.size());
}

Annealer::Annealer(const Problem& p) : p_(p) {
    rankTables();
    const auto total = wheeldesign::binomial(p.n, p.d);
    dsets_ = subsetsOf(p.n, p.d);
    (void)total;
    count_.assign(dsets_.size(), 0);
    where_.assign(dsets_.size(), -1);
    tPatterns_ = subsetsOf(p.k - 1, p.m - 1);
    uPatterns_ = subsetsOf(p.n - p.k - 1, p.d - p.m);
    tMasks_.resize(tPatterns_.size());
    uMasks_.resize(uPatterns_.size());
    pairs_.resize(2 * tPatterns_.size() * uPatterns_.size());
}

int Annealer::rank(std::uint32_t mask) const {
    const RankTables& t = rankTables();
    const std::uint32_t lo = mask & 0xFFFu;
    return static_cast<int>(t.low[lo] + t.high[std::popcount(lo)][mask >> 12]);
}

void Annealer::markUncovered(int r) {
    where_[r] = static_cast<std::int32_t>(uncovered_.size());
    uncovered_.push_back(static_cast<std::uint32_t>(r));
}

void Annealer::markCovered(int r) {
    const std::int32_t i = where_[r];
    const std::uint32_t lastRank = uncovered_.back();
    uncovered_[i] = lastRank;
    where_[lastRank] = i;
    uncovered_.pop_back();
    where_[r] = -1;
}

void Annealer::addBlockCounts(Block b, int sign) {
    int in[24], out[24];
    const int ni = pointsOf(b, in);
    const std::uint32_t full = (1u << p_.n) - 1;
    const int no = pointsOf(full & ~b, out);
    for (int j = p_.m; j <= std::min(p_.k, p_.d); ++j) {
        const auto ins = subsetsOf(ni, j);
        const auto outs = subsetsOf(no, p_.d - j);
        for (std::uint32_t a : ins) {
            const std::uint32_t am = mapPattern(a, in);
            for (std::uint32_t c : outs) {
                const int r = rank(am | mapPattern(c, out));
                if (sign > 0) {
                    if (count_[r]++ == 0 && where_[r] >= 0)
                        markCovered(r);
                } else {
                    if (--count_[r] == 0)
                        markUncovered(r);
                }
            }
        }
    }
}

void Annealer::setBlocks(const std::vector<Block>& blocks) {
    blocks_ = blocks;
    std::fill(count_.begin(), count_.end(), 0);
    std::fill(where_.begin(), where_.end(), -1);
    uncovered_.clear();
    for (Block b : blocks_)
        addBlockCounts(b, +1);
    for (std::size_t r = 0; r < count_.size(); ++r)
        if (count_[r] == 0)
            markUncovered(static_cast<int>(r));
}

long Annealer::evalMove(Block b, int x, int y) {
    int in[24], out[24];
    const std::uint32_t X = 1u << x, Y = 1u << y;
    const std::uint32_t full = (1u << p_.n) - 1;
    pointsOf(b & ~X, in);
    pointsOf(full & ~b & ~Y, out);
    const std::size_t nt = tPatterns_.size(), nu = uPatterns_.size();
    for (std::size_t i = 0; i < nt; ++i)
        tMasks_[i] = mapPattern(tPatterns_[i], in);
    for (std::size_t i = 0; i < nu; ++i)
        uMasks_[i] = mapPattern(uPatterns_[i], out);
    long delta = 0;
    std::uint32_t* pr = pairs_.data();
    for (std::size_t i = 0; i < nt; ++i) {
        const std::uint32_t t = tMasks_[i];
        for (std::size_t j = 0; j < nu; ++j) {
            const std::uint32_t s = t | uMasks_[j];
            const int r1 = rank(s | X), r2 = rank(s | Y);
            delta += (count_[r1] == 1) - (count_[r2] == 0);
            *pr++ = static_cast<std::uint32_t>(r1);
            *pr++ = static_cast<std::uint32_t>(r2);
        }
    }
    return delta;
}

long Annealer::evalMoveWeighted(Block b, int x, int y) {
    evalMove(b, x, y);
    long delta = 0;
    const std::size_t np = pairs_.size();
    for (std::size_t i = 0; i < np; i += 2) {
        const std::uint32_t r1 = pairs_[i], r2 = pairs_[i + 1];
        if (count_[r1] == 1)
            delta += weight_[r1];
        if (count_[r2] == 0)
            delta -= weight_[r2];
    }
    return delta;
}

std::uint64_t Annealer::runWeighted(std::uint64_t maxMoves, Rng& rng) {
    weight_.assign(dsets_.size(), 1);
    std::vector<Block> best = blocks_;
    std::uint64_t bestCost = cost();
    std::uint64_t moves = 0;
    int stuck = 0;
    const int patience = 40;
    while (moves < maxMoves && !uncovered_.empty()) {
        int bi, x, y;
        proposeMove(rng, bi, x, y);
        ++moves;
        const long delta = evalMoveWeighted(blocks_[bi], x, y);
        if (delta < 0 || (delta == 0 && rng.below(4) == 0)) {
            applyMove(bi, x, y);
            if (delta < 0)
                stuck = 0;
            if (cost() < bestCost) {
                bestCost = cost();
                best = blocks_;
            }
        } else if (++stuck >= patience) {
            for (std::uint32_t r : uncovered_)
                ++weight_[r];
            stuck = 0;
        }
    }
    if (cost() > bestCost)
        setBlocks(best);
    return moves;
}

void Annealer::applyMove(int blockIndex, int x, int y) {
    const std::size_t np = pairs_.size();
    for (std::size_t i = 0; i < np; i += 2) {
        const int r1 = static_cast<int>(pairs_[i]), r2 = static_cast<int>(pairs_[i + 1]);
        if (--count_[r1] == 0)
            markUncovered(r1);
        if (count_[r2]++ == 0)
            markCovered(r2);
    }
    blocks_[blockIndex] ^= (1u << x) | (1u << y);
}

bool Annealer::proposeMove(Rng& rng, int& blockIndex, int& x, int& y) {
    if (uncovered_.empty())
        return false;
    const std::uint32_t S =
        dsets_[uncovered_[rng.below(static_cast<std::uint32_t>(uncovered_.size()))]];
    const int e = static_cast<int>(blocks_.size());
    const int start = static_cast<int>(rng.below(static_cast<std::uint32_t>(e)));
    int chosen = -1, best = -1, bestI = 0;
    for (int t = 0; t < e; ++t) {
        int i = start + t;
        if (i >= e)
            i -= e;
        const int c = std::popcount(blocks_[i] & S);
        if (c == p_.m - 1) {
            chosen = i;
            break;
        }
        if (c > best) {
            best = c;
            bestI = i;
        }
    }
    if (chosen < 0)
        chosen = bestI;
    const Block b = blocks_[chosen];
    const std::uint32_t outside = b & ~S, inside = S & ~b;
    x = nthBit(outside,
               static_cast<int>(rng.below(static_cast<std::uint32_t>(std::popcount(outside)))));
    y = nthBit(inside,
               static_cast<int>(rng.below(static_cast<std::uint32_t>(std::popcount(inside)))));
    blockIndex = chosen;
    return true;
}

double Annealer::meanUphill(Rng& rng, int samples) {
    double sum = 0;
    int count = 0;
    for (int s = 0; s < samples; ++s) {
        int bi, x, y;
        if (!proposeMove(rng, bi, x, y))
            break;
        const long delta = evalMove(blocks_[bi], x, y);
        if (delta > 0) {
            sum += static_cast<double>(delta);
            ++count;
        }
    }
    return count == 0 ? 1.0 : sum / count;
}

std::uint64_t Annealer::run(const Schedule& schedule, Rng& rng) {
    std::vector<Block> best = blocks_;
    std::uint64_t bestCost = cost();
    double t = schedule.t0;
    const std::uint64_t cycle = std::max<std::uint64_t>(1, schedule.cycleMoves);
    const double factor = std::pow(schedule.t1 / schedule.t0, 1.0 / static_cast<double>(cycle));
    std::uint64_t moves = 0, inCycle = 0;
    int cyclesWithout = 0;
    std::uint64_t cycleStartBest = bestCost;
    while (moves < schedule.maxMoves && !uncovered_.empty()) {
        int bi, x, y;
        proposeMove(rng, bi, x, y);
        std::uint64_t step = 1;
        bool accepted = false;
        if (bi < orbitBlocks_) {
            // The same swap on every block of the orbit, applied one by one, undone if refused.
            const int g = static_cast<int>(perms_.size());
            const int first = bi - bi % g;
            const int x0 = inverses_[bi % g][x], y0 = inverses_[bi % g][y];
            long delta = 0;
            for (int e = 0; e < g; ++e) {
                const int xe = perms_[e][x0], ye = perms_[e][y0];
                delta += evalMove(blocks_[first + e], xe, ye);
                applyMove(first + e, xe, ye);
            }
            // an orbit's cost changes come in orbits too: compare per block
            accepted = delta <= 0 || rng.unit() < std::exp(-static_cast<double>(delta) / (t * g));
            if (!accepted) {
                for (int e = g - 1; e >= 0; --e) {
                    const int xe = perms_[e][x0], ye = perms_[e][y0];
                    evalMove(blocks_[first + e], ye, xe);
                    applyMove(first + e, ye, xe);
                }
            }
            step = static_cast<std::uint64_t>(g);
        } else {
            const long delta = evalMove(blocks_[bi], x, y);
            accepted = delta <= 0 || rng.unit() < std::exp(-static_cast<double>(delta) / t);
            if (accepted)
                applyMove(bi, x, y);
        }
        if (accepted) {
            if (cost() < bestCost) {
                bestCost = cost();
                best = blocks_;
            }
        }
        moves += step;
        t *= step == 1 ? factor : std::pow(factor, static_cast<double>(step));
        inCycle += step;
        if (inCycle >= cycle) {
            // Reheat from the best state; the more cycles without progress, the hotter.
            inCycle = 0;
            cyclesWithout = bestCost < cycleStartBest ? 0 : cyclesWithout + 1;
            cycleStartBest = bestCost;
            setBlocks(best);
            t = schedule.t0 * (cyclesWithout % 2 == 0 ? 0.5 : 1.0);
        }
    }
    if (cost() > bestCost)
        setBlocks(best);
    return moves;
}

void Annealer::repair(Rng& rng) {
    int sPts[24];
    while (!uncovered_.empty()) {
        const std::uint32_t S = dsets_[uncovered_[0]];
        const int ns = pointsOf(S, sPts);
        Block bestBlock = 0;
        long bestGain = -1;
        for (int c = 0; c < 400; ++c) {
            // m random points of S, then random others.
            Block b = 0;
            while (std::popcount(b) < p_.m)
                b |= 1u << sPts[rng.below(static_cast<std::uint32_t>(ns))];
            while (std::popcount(b) < p_.k)
                b |= 1u << rng.below(static_cast<std::uint32_t>(p_.n));
            long gain = 0;
            for (std::uint32_t r : uncovered_)
                if (std::popcount(b & dsets_[r]) >= p_.m)
                    ++gain;
            if (std::find(blocks_.begin(), blocks_.end(), b) != blocks_.end())
                gain = 0;
            if (gain > bestGain) {
                bestGain = gain;
                bestBlock = b;
            }
        }
        blocks_.push_back(bestBlock);
        addBlockCounts(bestBlock, +1);
    }
}

long Annealer::weakestBlock(std::size_t& index) const {
    int in[24], out[24];
    const std::uint32_t full = (1u << p_.n) - 1;
    long weakestLoss = -1;
    for (std::size_t bi = 0; bi < blocks_.size(); ++bi) {
        const Block b = blocks_[bi];
        const int ni = pointsOf(b, in);
        const int no = pointsOf(full & ~b, out);
        long loss = 0;
        for (int j = p_.m; j <= std::min(p_.k, p_.d); ++j) {
            const auto ins = subsetsOf(ni, j);
            const auto outs = subsetsOf(no, p_.d - j);
            for (std::uint32_t a : ins) {
                const std::uint32_t am = mapPattern(a, in);
                for (std::uint32_t c : outs)
                    if (count_[rank(am | mapPattern(c, out))] == 1)
                        ++loss;
            }
        }
        if (weakestLoss < 0 || loss < weakestLoss) {
            weakestLoss = loss;
            index = bi;
            if (loss == 0)
                break;
        }
    }
    return weakestLoss;
}

void Annealer::removeWeakestBlock() {
    std::size_t weakest = 0;
    if (weakestBlock(weakest) < 0)
        return;
    addBlockCounts(blocks_[weakest], -1);
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(weakest));
}

void Annealer::removeRedundantBlocks() {
    std::size_t weakest = 0;
    while (weakestBlock(weakest) == 0) {
        addBlockCounts(blocks_[weakest], -1);
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(weakest));
    }
}

}  // namespace wheelgen
