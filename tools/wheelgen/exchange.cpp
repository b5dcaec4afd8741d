#include "exchange.h"

#include <algorithm>
#include <bit>
#include <numeric>

#include "wheels/design/wheeltable.h"

namespace wheelgen {

namespace {

// The j-subsets of the points of x.
std::vector<Block> subsetsOf(Block x, int j) {
    std::vector<int> points;
    for (int i = 0; i < 32; ++i)
        if (x >> i & 1u)
            points.push_back(i);
    std::vector<Block> out;
    const int s = static_cast<int>(points.size());
    if (j > s)
        return out;
    std::vector<int> c(j);
    std::iota(c.begin(), c.end(), 0);
    for (;;) {
        Block a = 0;
        for (int i : c)
            a |= 1u << points[i];
        out.push_back(a);
        int i = j - 1;
        while (i >= 0 && c[i] == s - j + i)
            --i;
        if (i < 0)
            return out;
        ++c[i];
        for (int t = i + 1; t < j; ++t)
            c[t] = c[t - 1] + 1;
    }
}

class ExchangeSearch {
public:
    ExchangeSearch(const Problem& p, const std::vector<Block>& start) : p_(p) {
        full_ = p.n >= 32 ? ~0u : (1u << p.n) - 1;
        for (int a = 0; a <= 32; ++a)
            for (int b = 0; b <= 8; ++b)
                binom_[a][b] = wheeldesign::binomial(a, b);
        count_.assign(binom_[p.n][p.d], 0);
        owners_.assign(count_.size(), 0);
        slots_.push_back(0);  // slot 0 unused: owner sums of met draws are never 0
        for (Block b : start) {
            slots_.push_back(b);
            place(static_cast<int>(slots_.size()) - 1, 1);
        }
    }

    bool proven() const { return std::count(count_.begin(), count_.end(), 0) == 0; }
    int size() const {
        return static_cast<int>(
            std::count_if(slots_.begin(), slots_.end(), [](Block b) { return b != 0; }));
    }
    std::vector<Block> blocks() const {
        std::vector<Block> out;
        std::copy_if(slots_.begin(), slots_.end(), std::back_inserter(out),
                     [](Block b) { return b != 0; });
        return out;
    }
    std::vector<int> live() const {
        std::vector<int> out;
        for (std::size_t s = 1; s < slots_.size(); ++s)
            if (slots_[s] != 0)
                out.push_back(static_cast<int>(s));
        return out;
    }

    // Slot b and another out, one block in, the guarantee kept; or b out when redundant.
    bool exchange(int b) {
        const std::vector<Block> own = ownDraws(b);
        if (own.empty()) {
            drop(b);
            return true;
        }
        for (Block nb : meeting(own.front(), p_.k)) {
            if (!meetsAll(nb, own))
                continue;
            std::vector<int> others;
            for (Block u : meeting(nb, p_.d))
                if (const auto r = rank(u); count_[r] == 1 && owners_[r] != b)
                    others.push_back(static_cast<int>(owners_[r]));
            std::sort(others.begin(), others.end());
            others.erase(std::unique(others.begin(), others.end()), others.end());
            for (int c : others) {
                // The draws only c meets, or only b and c, must be met by the new block.
                bool keeps = true;
                for (Block u : meeting(slots_[c], p_.d)) {
                    const auto r = rank(u);
                    const bool needed = count_[r] == 1 || (count_[r] == 2 && meets(slots_[b], u));
                    if (needed && !meets(nb, u)) {
                        keeps = false;
                        break;
                    }
                }
                if (!keeps)
                    continue;
                drop(c);
                move(b, nb);
                return true;
            }
        }
        return false;
    }

    // Slot s moves to a random other block meeting every draw only it meets.
    void walk(int s, Rng& rng) {
        const std::vector<Block> own = ownDraws(s);
        if (own.empty()) {
            drop(s);
            return;
        }
        std::vector<Block> options;
        for (Block nb : meeting(own.front(), p_.k))
            if (nb != slots_[s] && meetsAll(nb, own))
                options.push_back(nb);
        if (!options.empty())
            move(s, options[rng.below(static_cast<std::uint32_t>(options.size()))]);
    }

private:
    bool meets(Block a, Block b) const { return std::popcount(a & b) >= p_.m; }
    bool meetsAll(Block nb, const std::vector<Block>& draws) const {
        return std::all_of(draws.begin(), draws.end(), [&](Block u) { return meets(nb, u); });
    }
    std::size_t rank(Block u) const {
        std::size_t r = 0;
        for (int i = 1; u != 0; ++i, u &= u - 1)
            r += binom_[std::countr_zero(u)][i];
        return r;
    }
    // The s-subsets of 1..n meeting x in m or more points.
    std::vector<Block> meeting(Block x, int s) const {
        std::vector<Block> out;
        const int inside = std::popcount(x);
        for (int j = p_.m; j <= std::min(s, inside); ++j) {
            const std::vector<Block> in = subsetsOf(x, j);
            const std::vector<Block> outside =
                s - j == 0 ? std::vector<Block>{0} : subsetsOf(full_ & ~x, s - j);
            for (Block a : in)
                for (Block b : outside)
                    out.push_back(a | b);
        }
        return out;
    }
    std::vector<Block> ownDraws(int s) const {
        std::vector<Block> own;
        for (Block u : meeting(slots_[s], p_.d))
            if (count_[rank(u)] == 1)
                own.push_back(u);
        return own;
    }
    void place(int s, int sign) {
        for (Block u : meeting(slots_[s], p_.d)) {
            const auto r = rank(u);
            count_[r] += sign;
            owners_[r] += sign * static_cast<std::int64_t>(s);
        }
    }
    void drop(int s) {
        place(s, -1);
        slots_[s] = 0;
    }
    void move(int s, Block nb) {
        place(s, -1);
        slots_[s] = nb;
        place(s, 1);
    }

    Problem p_;
    Block full_ = 0;
    std::uint64_t binom_[33][9] = {};
    std::vector<int> count_;            // draw -> blocks meeting it
    std::vector<std::int64_t> owners_;  // draw -> sum of the slots meeting it (the owner if one)
    std::vector<Block> slots_;          // slot -> block, 0 once dropped
};

}  // namespace

std::vector<Block> exchangeDescent(const Problem& p, const std::vector<Block>& start, int target,
                                   std::uint64_t maxSteps, Rng& rng) {
    if (p.d > 8 || p.n > 32)
        return start;
    ExchangeSearch search(p, start);
    if (!search.proven())
        return start;
    std::vector<Block> best = start;
    std::uint64_t steps = 0;
    while (search.size() > target && steps < maxSteps) {
        std::vector<int> order = search.live();
        for (std::size_t i = order.size(); i > 1; --i)
            std::swap(order[i - 1], order[rng.below(static_cast<std::uint32_t>(i))]);
        if (std::any_of(order.begin(), order.end(), [&](int b) { return search.exchange(b); })) {
            best = search.blocks();
            continue;
        }
        // No exchange here: a few steps along the designs of this size (a step may also find a
        // block redundant).
        for (int i = 0; i < 20; ++i, ++steps)
            search.walk(order[rng.below(static_cast<std::uint32_t>(order.size()))], rng);
        if (search.size() < static_cast<int>(best.size()))
            best = search.blocks();
    }
    return best;
}

}  // namespace wheelgen
