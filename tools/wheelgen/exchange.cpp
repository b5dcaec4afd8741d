#include "exchange.h"

#include <algorithm>

#include "draws.h"

namespace wheelgen {

namespace {

class ExchangeSearch {
public:
    ExchangeSearch(const Problem& p, const std::vector<Block>& start) : p_(p), space_(p) {
        count_.assign(space_.draws(), 0);
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
    bool meets(Block a, Block b) const { return space_.meets(a, b); }
    bool meetsAll(Block nb, const std::vector<Block>& draws) const {
        return std::all_of(draws.begin(), draws.end(), [&](Block u) { return meets(nb, u); });
    }
    std::size_t rank(Block u) const { return space_.rank(u); }
    std::vector<Block> meeting(Block x, int s) const { return space_.meeting(x, s); }
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
    DrawSpace space_;
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
