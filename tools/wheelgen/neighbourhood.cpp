#include "neighbourhood.h"

#include <algorithm>
#include <bit>
#include <unordered_map>

#include "draws.h"
#include "orbits.h"

namespace wheelgen {

std::vector<Block> neighbourhoodDescent(const Problem& p, const std::vector<Block>& start,
                                        const NeighbourhoodPlan& plan, Rng& rng) {
    if (p.d > 8 || p.n > 32)
        return start;
    const DrawSpace space(p);
    std::vector<int> count(space.draws(), 0);
    auto place = [&](Block b, int sign) {
        for (Block u : space.meeting(b, p.d))
            count[space.rank(u)] += sign;
    };
    std::vector<Block> blocks = start;
    for (Block b : blocks)
        place(b, 1);
    if (std::count(count.begin(), count.end(), 0) != 0)
        return start;

    const auto aboveTarget = [&] { return static_cast<int>(blocks.size()) > plan.target; };
    for (int round = 0; round < plan.rounds && aboveTarget(); ++round) {
        // The blocks nearest a random centre, ties broken at random.
        const Block centre = randomBlock(p.n, plan.centre > 0 ? plan.centre : p.k, rng);
        std::vector<std::pair<std::uint32_t, std::size_t>> order;
        for (std::size_t i = 0; i < blocks.size(); ++i)
            order.emplace_back(static_cast<std::uint32_t>(std::popcount(blocks[i] & centre)) << 24 |
                                   rng.below(1u << 24),
                               i);
        const int remove = std::min<int>(plan.remove, static_cast<int>(blocks.size()));
        std::partial_sort(order.begin(), order.begin() + remove, order.end(), std::greater<>());
        std::vector<Block> out, kept;
        std::vector<bool> leaving(blocks.size(), false);
        for (int i = 0; i < remove; ++i)
            leaving[order[i].second] = true;
        for (std::size_t i = 0; i < blocks.size(); ++i)
            (leaving[i] ? out : kept).push_back(blocks[i]);

        std::vector<Block> unmet;
        for (Block b : out)
            for (Block u : space.meeting(b, p.d))
                if (--count[space.rank(u)] == 0)
                    unmet.push_back(u);

        OrbitProgram program;
        std::unordered_map<Block, int> column;
        for (Block u : unmet) {
            std::vector<int> row;
            for (Block c : space.meeting(u, p.k)) {
                auto [it, added] = column.emplace(c, static_cast<int>(program.orbits.size()));
                if (added)
                    program.orbits.push_back({c});
                row.push_back(it->second);
            }
            std::sort(row.begin(), row.end());
            program.rows.push_back(std::move(row));
        }
        std::vector<Block> in;
        if (!unmet.empty()) {
            // The blocks taken out may not all come back: the search has to move.
            std::vector<int> old;
            for (Block b : out)
                if (const auto it = column.find(b); it != column.end())
                    old.push_back(it->second);
            const OrbitSolve solved =
                solveOrbitsCbc(program, plan.seconds, remove, plan.work, old, plan.nodes);
            in = solved.blocks;
            const bool covers = std::all_of(unmet.begin(), unmet.end(), [&](Block u) {
                return std::any_of(in.begin(), in.end(),
                                   [&](Block c) { return space.meets(c, u); });
            });
            if (in.empty() || !covers || static_cast<int>(in.size()) > remove)
                in = out;  // nothing better: the neighbourhood stays as it was
        }
        for (Block b : in)
            place(b, 1);
        const std::size_t changed =
            static_cast<std::size_t>(std::count_if(in.begin(), in.end(), [&](Block b) {
                return std::find(out.begin(), out.end(), b) == out.end();
            }));
        blocks = std::move(kept);
        blocks.insert(blocks.end(), in.begin(), in.end());
        if (plan.log)
            plan.log("round " + std::to_string(round) + ": " + std::to_string(out.size()) +
                     " out, " + std::to_string(in.size()) + " in (" + std::to_string(changed) +
                     " new) for " + std::to_string(unmet.size()) +
                     " draws: " + std::to_string(blocks.size()) + " blocks");
    }
    return blocks;
}

}  // namespace wheelgen
