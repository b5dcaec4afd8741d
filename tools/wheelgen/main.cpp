// wheelgen: builds and proves the wheel data files (data/wheels/k-d-m-n.whl) of the guarantee
// table. Full wheels are enumerated; where a split of the numbers into parts gives a wheel from
// smaller designs of the parts that is tried first; the other rows are searched by simulated
// annealing with exactly E blocks. A design is written only after the verifier proved it, and an
// existing proven file is replaced only by a smaller one (or with --force). See README.md.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "anneal.h"
#include "exchange.h"
#include "neighbourhood.h"
#include "orbits.h"
#include "wheels/design/wheeltable.h"
#include "wheels/design/wheelverify.h"

namespace fs = std::filesystem;
using namespace wheelgen;
using wheeldesign::binomial;

namespace {

struct Options {
    std::vector<std::string> families;
    std::vector<std::string> rows;
    bool all = false;
    std::uint64_t seed = 1;
    int threads = 4;
    double effort = 1.0;
    fs::path out = KESTROVA_SOURCE_DATA "/wheels";
    bool force = false;
    bool check = false;
    double t0 = 0.3, t1 = 0.03;            // temperatures, in units of the mean uphill step
    int cycles = 6;                        // reheats per annealing run
    bool greedy = false;                   // greedy and descent instead of annealing at E first
    int groups = 0;                        // symmetry groups tried after plain annealing fails
    bool weighted = false;                 // weighted local search in place of annealing
    std::vector<std::string> orbitGroups;  // groups for the orbit program, in place of search
    double ilpSeconds = 60;                // solver time per group
    int ilpNodes = 0;                      // solver nodes per rebuilt neighbourhood (0: seconds)
    bool cbc = false;                      // cbc for the orbit program, not local search
    bool exact = false;                    // complete search for the orbit program
    bool tabu = false;                     // tabu search for the orbit program
    bool polish = false;                   // anneal the nearest symmetric state at E
    int limit = 0;                         // block budget of the orbit search (0: E)
    bool finish = false;                   // search the nearest symmetric state on, unsymmetric
    bool fromFile = false;                 // the orbit search starts from the file's design
    bool exchange = false;                 // block exchanges on the design found or the file's
    int centre = 0;                        // numbers in a neighbourhood's centre (0: k)
    int rebuild = 0;                       // blocks out per rebuilt neighbourhood (0: off)
    bool anneal = false;                   // anneal the file's design down at a fixed size
    int restarts = 1;                      // tries per size of --anneal (0: until stopped)
    fs::path keep;                         // every smaller proven design found, by size
    bool walk = false;                     // --anneal: a failed try's state, repaired, goes on
};

Options globalOptions;

struct Job {
    int k, d, m, n, asked;
};

struct Design {
    std::vector<Block> blocks;
    std::string method;
};

std::mutex logMutex;

template <typename... Args>
void say(const char* fmt, Args... args) {
    std::lock_guard lock(logMutex);
    std::printf(fmt, args...);
    std::fflush(stdout);
}

std::uint64_t mix(std::uint64_t a, std::uint64_t b) {
    std::uint64_t z = a * 0x9e3779b97f4a7c15ull + b + 0x632be59bd9b4e019ull;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

std::uint64_t jobSeed(std::uint64_t seed, int k, int d, int m, int n, int extra) {
    return mix(mix(mix(mix(mix(seed, k), d), m), n), static_cast<std::uint64_t>(extra));
}

void sortBlocks(std::vector<Block>& blocks) {
    std::sort(blocks.begin(), blocks.end(), [](Block a, Block b) {
        return wheeldesign::formatWheelLine(a) < wheeldesign::formatWheelLine(b);
    });
}

// Removes repeated blocks (a smaller design keeps the guarantee).
void dedupe(std::vector<Block>& blocks) {
    std::sort(blocks.begin(), blocks.end());
    blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
}

std::vector<Block> fullWheel(int n, int k) {
    std::vector<Block> blocks;
    const std::uint32_t end = 1u << n;
    for (std::uint32_t x = (1u << k) - 1; x < end;) {
        blocks.push_back(x);
        const std::uint32_t c = x & (0u - x);
        const std::uint32_t r = x + c;
        x = (((r ^ x) >> 2) / c) | r;
    }
    return blocks;
}

// Schönheim's lower bound for a covering C(v, k, t).
int schoenheim(int v, int k, int t) {
    double b = 1;
    for (int i = t - 1; i >= 0; --i)
        b = std::ceil(b * (v - i) / (k - i));
    return static_cast<int>(b);
}

// Moves for a work budget: a move costs its d-set pairs plus a scan of the blocks.
std::uint64_t movesFor(const Problem& p, int blocks, double work) {
    const double pairs =
        static_cast<double>(binomial(p.k - 1, p.m - 1) * binomial(p.n - p.k - 1, p.d - p.m));
    const double perMove = 2 * pairs + 8 + blocks / 16.0;
    return static_cast<std::uint64_t>(std::max(1e5, work / perMove));
}

Annealer::Schedule scheduleFor(Annealer& a, const Problem& p, int blocks, double work, Rng& rng) {
    Annealer::Schedule s;
    s.maxMoves = movesFor(p, blocks, work);
    s.cycleMoves = std::max<std::uint64_t>(100000, s.maxMoves / globalOptions.cycles);
    // The uphill steps that matter are those near a local minimum: descend a little first.
    Annealer::Schedule quench{s.maxMoves / 20, s.maxMoves / 20, 1e-3, 1e-3};
    a.run(quench, rng);
    const double up = a.meanUphill(rng, 2000);
    s.t0 = globalOptions.t0 * up;
    s.t1 = globalOptions.t1 * up;
    return s;
}

// Exactly `blocks` blocks by annealing from random or from `start`; false with the best state
// left in a.
bool annealAt(Annealer& a, const Problem& p, int blocks, double work, Rng& rng,
              const std::vector<Block>* start) {
    if (start != nullptr) {
        a.setBlocks(*start);
    } else {
        std::vector<Block> init;
        for (int i = 0; i < blocks; ++i)
            init.push_back(randomBlock(p.n, p.k, rng));
        a.setBlocks(init);
    }
    if (a.cost() == 0)
        return true;
    if (globalOptions.weighted) {
        a.runWeighted(movesFor(p, blocks, work), rng);
        return a.cost() == 0;
    }
    const Annealer::Schedule s = scheduleFor(a, p, blocks, work, rng);
    a.run(s, rng);
    return a.cost() == 0;
}

// A cyclic group of order `length` turning `cycles` disjoint cycles of 1..n, the other
// numbers fixed.
struct Group {
    std::vector<std::vector<int>> perms;
    std::string name;
};

Group cyclicGroup(int n, int length, int cycles) {
    Group group;
    for (int e = 0; e < length; ++e) {
        std::vector<int> perm(n);
        for (int q = 0; q < n; ++q)
            perm[q] = q;
        for (int c = 0; c < cycles; ++c)
            for (int i = 0; i < length; ++i)
                perm[c * length + i] = c * length + (i + e) % length;
        group.perms.push_back(std::move(perm));
    }
    group.name = "Z" + std::to_string(length) + "x" + std::to_string(cycles);
    if (n > length * cycles)
        group.name += "+" + std::to_string(n - length * cycles);
    return group;
}

// Groups to try for n numbers and E blocks: few fixed numbers, orders that leave few free blocks.
std::vector<Group> candidateGroups(int n, int blocks) {
    std::vector<std::pair<int, Group>> scored;
    for (int length = 2; length <= n; ++length)
        for (int cycles = 1; cycles * length <= n; ++cycles) {
            const int fixed = n - cycles * length;
            if (fixed > 2 || blocks / length < 1)
                continue;
            const int freeBlocks = blocks % length;
            // prefer larger orders (a smaller space) with few free blocks and fixed numbers
            const int score = freeBlocks * 4 + fixed * 6 - length;
            scored.emplace_back(score, cyclicGroup(n, length, cycles));
        }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Group> groups;
    for (auto& [score, g] : scored)
        groups.push_back(std::move(g));
    return groups;
}

// Annealing of a design invariant under the group (orbits of full length, the rest free).
bool annealGroup(Annealer& a, const Problem& p, int blocks, const Group& group, double work,
                 Rng& rng) {
    const int order = static_cast<int>(group.perms.size());
    const int orbits = blocks / order;
    std::vector<Block> init;
    for (int o = 0; o < orbits; ++o) {
        const Block rep = randomBlock(p.n, p.k, rng);
        for (const auto& perm : group.perms)
            init.push_back(permuteBlock(rep, perm));
    }
    while (static_cast<int>(init.size()) < blocks)
        init.push_back(randomBlock(p.n, p.k, rng));
    a.setGroup(group.perms, orbits);
    a.setBlocks(init);
    const Annealer::Schedule s = scheduleFor(a, p, blocks, work, rng);
    a.run(s, rng);
    return a.cost() == 0;
}

// Annealing at the target; when it falls short, the best state is repaired with extra blocks
// and the design shrunk block by block while annealing still closes it.
Design searchRow(const Problem& p, int target, std::uint64_t seed, double effort) {
    Rng rng(seed);
    Annealer a(p);
    const double work = effort * 1.5e9;
    if (annealAt(a, p, target, work, rng, nullptr))
        return {a.blocks(), "sa"};
    const std::uint64_t left = a.cost();
    if (globalOptions.groups > 0) {
        const auto groups = candidateGroups(p.n, target);
        for (int i = 0; i < std::min<int>(globalOptions.groups, static_cast<int>(groups.size()));
             ++i) {
            Annealer g(p);
            const bool ok = annealGroup(g, p, target, groups[i], work, rng);
            say("  %d-%d-%d-%d: %s leaves %llu at %d\n", p.k, p.d, p.m, p.n, groups[i].name.c_str(),
                static_cast<unsigned long long>(g.cost()), target);
            if (ok) {
                std::vector<Block> blocks = g.blocks();
                dedupe(blocks);
                return {blocks, "sa under " + groups[i].name};
            }
        }
    }
    a.repair(rng);
    std::vector<Block> proven = a.blocks();
    dedupe(proven);
    say("  %d-%d-%d-%d: %llu unmet at %d, repaired to %zu\n", p.k, p.d, p.m, p.n,
        static_cast<unsigned long long>(left), target, proven.size());
    // Bisection between the failed size and the proven one, each try annealed from the proven
    // design less its weakest blocks.
    int lo = target, hi = static_cast<int>(proven.size());
    while (hi - lo > 1) {
        const int mid = lo + (hi - lo) / 2;
        a.setBlocks(proven);
        while (static_cast<int>(a.blocks().size()) > mid)
            a.removeWeakestBlock();
        const std::vector<Block> start = a.blocks();
        if (annealAt(a, p, mid, work / 2, rng, &start)) {
            proven = a.blocks();
            dedupe(proven);
            hi = static_cast<int>(proven.size());
        } else {
            lo = mid;
        }
    }
    return {proven, "sa+repair+bisection"};
}

Design generateBest(const Job& job, const Options& opt);

// A smallest design found for the part problem k-t-m of a: any t numbers of 1..a hold m in a
// block. Greedy first, then shrunk block by block while annealing still closes it.
Design searchPart(const Problem& p, int target, std::uint64_t seed, double effort) {
    Rng rng(seed);
    Annealer a(p);
    a.setBlocks({});
    a.repair(rng);
    std::vector<Block> proven = a.blocks();
    dedupe(proven);
    const double work = effort * 1.5e8;
    while (static_cast<int>(proven.size()) > target) {
        a.setBlocks(proven);
        a.removeWeakestBlock();
        const std::vector<Block> start = a.blocks();
        if (!annealAt(a, p, static_cast<int>(start.size()), work, rng, &start))
            break;
        proven = a.blocks();
        dedupe(proven);
    }
    return {proven, "greedy+descent"};
}

std::mutex partMutex;
std::map<std::tuple<int, int, int, int>, std::vector<Block>> partCache;

std::vector<Block> partDesign(int k, int t, int m, int a, const Options& opt) {
    if (t > a)
        return {};  // never t drawn in the part
    if (a <= k)
        return {(1u << a) - 1};  // one block holds the whole part (padded later)
    if (t == k && m == k)
        return fullWheel(a, k);
    const auto key = std::make_tuple(k, t, m, a);
    {
        std::lock_guard lock(partMutex);
        if (auto it = partCache.find(key); it != partCache.end())
            return it->second;
    }
    const Problem p{a, k, t, m};
    int target = 1;
    if (t == m)
        target = schoenheim(a, k, t);
    if (const auto* type = wheeldesign::findWheelTypeByKdm(k, t, m))
        if (const auto* s = type->size(a))
            target = std::max(target, s->askedEntries);
    std::vector<Block> blocks =
        searchPart(p, target, jobSeed(opt.seed, k, t, m, a, 7), opt.effort).blocks;
    std::lock_guard lock(partMutex);
    partCache[key] = blocks;
    return blocks;
}

// Splits 1..n into parts with thresholds t_i >= m, sum (t_i - 1) < d: a drawn d-set then has at
// least t_i numbers in some part i, so designs k-t_i-m of the parts make the wheel.
std::optional<Design> splitDesign(const Job& job, const Options& opt) {
    std::optional<Design> best;
    auto consider = [&](const std::vector<int>& sizes, const std::vector<int>& thresholds) {
        std::vector<Block> blocks;
        int offset = 0;
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            for (Block b : partDesign(job.k, thresholds[i], job.m, sizes[i], opt)) {
                Block placed = b << offset;
                // a block of a part smaller than k is filled up with the lowest other numbers
                for (int q = 0; std::popcount(placed) < job.k && q < job.n; ++q)
                    placed |= 1u << q;
                blocks.push_back(placed);
            }
            offset += sizes[i];
        }
        dedupe(blocks);
        if (!best || blocks.size() < best->blocks.size()) {
            std::string name = "split";
            for (std::size_t i = 0; i < sizes.size(); ++i) {
                name.push_back(i == 0 ? ' ' : '+');
                name.append(std::to_string(sizes[i]));
                name.push_back('/');
                name.append(std::to_string(thresholds[i]));
            }
            best = Design{blocks, name};
        }
    };
    const int n = job.n, d = job.d, m = job.m;
    // two parts, sizes near n/2
    for (int t1 = m; d + 1 - t1 >= m; ++t1) {
        const int t2 = d + 1 - t1;
        for (int a = std::max(1, n / 2 - 4); a <= std::min(n - 1, n / 2 + 4); ++a)
            consider({a, n - a}, {t1, t2});
    }
    // three parts, sizes near n/3
    for (int t1 = m; t1 <= d; ++t1)
        for (int t2 = m; t2 <= d; ++t2) {
            const int t3 = d + 2 - t1 - t2;
            if (t3 < m)
                continue;
            for (int a = std::max(1, n / 3 - 3); a <= n / 3 + 3; ++a)
                for (int b = std::max(1, n / 3 - 3); b <= n / 3 + 3; ++b)
                    if (n - a - b >= 1)
                        consider({a, b, n - a - b}, {t1, t2, t3});
        }
    return best;
}

// A design smaller than asked is filled up with further distinct blocks, so that the file has
// the E lines of the table.
Design generate(const Job& job, const Options& opt) {
    Design design = generateBest(job, opt);
    const std::size_t found = design.blocks.size();
    if (found == 0)
        return design;
    if (static_cast<int>(found) < job.asked) {
        Rng rng(jobSeed(opt.seed, job.k, job.d, job.m, job.n, 99));
        while (static_cast<int>(design.blocks.size()) < job.asked) {
            const Block b = randomBlock(job.n, job.k, rng);
            if (std::find(design.blocks.begin(), design.blocks.end(), b) == design.blocks.end())
                design.blocks.push_back(b);
        }
        design.method += ", " + std::to_string(found) + " padded";
    }
    return design;
}

// The whole text of a file; empty when it cannot be read.
std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buf;
    buf << in.rdbuf();
    return buf.str();
}

// The blocks of the row's file in the output folder, strictly parsed; none when it has a fault.
std::vector<Block> fileBlocks(const Job& job, const Options& opt) {
    const std::string text =
        readText(opt.out / wheeldesign::wheelFileName(job.k, job.d, job.m, job.n));
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    std::vector<Block> blocks;
    if (!wheeldesign::parseWheelText(text, {job.k, job.d, job.m, job.n, lines}, blocks).ok)
        blocks.clear();
    return blocks;
}

// The smallest proven design made of whole orbits of one of the groups asked for; no blocks
// when none is found.
Design orbitDesign(const Job& job, const Options& opt) {
    const Problem p{job.n, job.k, job.d, job.m};
    Design best;
    for (const std::string& groupName : opt.orbitGroups) {
        const auto group = parseGroup(groupName, job.n);
        if (!group) {
            say("  %d-%d-%d-%d: group %s not understood\n", job.k, job.d, job.m, job.n,
                groupName.c_str());
            continue;
        }
        const fs::path work =
            fs::temp_directory_path() /
            ("wheelgen-" + std::to_string(job.k) + std::to_string(job.d) + std::to_string(job.m) +
             "-" + std::to_string(job.n) + "-" + groupName);
        fs::create_directories(work);
        const OrbitProgram program = buildOrbitProgram(p, *group);
        Rng rng(jobSeed(opt.seed, job.k, job.d, job.m, job.n, 5));
        const auto steps = static_cast<std::uint64_t>(opt.effort * 1e6);
        const int budget = opt.limit > 0 ? opt.limit : job.asked;
        const std::vector<Block> start = opt.fromFile ? fileBlocks(job, opt) : std::vector<Block>{};
        OrbitSolve solved = opt.cbc ? solveOrbitsCbc(program, opt.ilpSeconds, budget, work.string())
                            : opt.exact ? solveOrbitsExact(program, budget, steps)
                            : opt.tabu  ? solveOrbitsTabu(program, budget, steps / 1000, rng, start)
                                        : solveOrbitsLocal(program, budget, steps, rng, start);
        if (opt.finish && solved.blocks.empty() && !solved.nearest.empty() &&
            group->perms.size() > 1) {
            // The few draws the symmetric state leaves are often met once the symmetry may break.
            const OrbitProgram plain = buildOrbitProgram(p, *parseGroup("1", job.n));
            OrbitSolve free = solveOrbitsLocal(plain, budget, steps, rng, solved.nearest);
            say("  %d-%d-%d-%d: %s finished without the group: %s\n", job.k, job.d, job.m, job.n,
                groupName.c_str(), free.status.c_str());
            solved.blocks = std::move(free.blocks);
            solved.nearest = std::move(free.nearest);
        }
        if (solved.blocks.empty() && !solved.nearest.empty()) {
            // The symmetric state nearest a cover, repaired greedily and rid of the blocks it
            // no longer needs: proven, if larger than asked. With --polish it is first annealed at
            // E without the group, as breaking the symmetry often closes the few unmet draws.
            Annealer a(p);
            a.setBlocks(solved.nearest);
            const std::string before = std::to_string(a.blocks().size()) + " blocks leaving " +
                                       std::to_string(a.cost()) + " draws unmet, ";
            a.repair(rng);
            a.removeRedundantBlocks();
            std::vector<Block> repaired = a.blocks();
            dedupe(repaired);
            std::string how = before + "repaired to " + std::to_string(repaired.size());
            if (opt.polish && static_cast<int>(repaired.size()) > job.asked) {
                std::vector<Block> start = solved.nearest;
                while (static_cast<int>(start.size()) < job.asked)
                    start.push_back(randomBlock(job.n, job.k, rng));
                const bool closed = annealAt(a, p, job.asked, opt.effort * 1.5e9, rng, &start);
                how += ", annealed at E leaves " + std::to_string(a.cost());
                if (closed)
                    repaired = a.blocks();
            }
            say("  %d-%d-%d-%d: %s nearest state %s\n", job.k, job.d, job.m, job.n,
                groupName.c_str(), how.c_str());
            solved.blocks = std::move(repaired);
        }
        dedupe(solved.blocks);
        if (opt.exchange && static_cast<int>(solved.blocks.size()) > job.asked) {
            // A repaired design is seldom at a local minimum of the exchanges.
            const std::size_t before = solved.blocks.size();
            solved.blocks = exchangeDescent(p, solved.blocks, job.asked, 300000, rng);
            say("  %d-%d-%d-%d: %s exchanges from %zu to %zu blocks\n", job.k, job.d, job.m, job.n,
                groupName.c_str(), before, solved.blocks.size());
        }
        const bool proven = !solved.blocks.empty() &&
                            wheeldesign::countUnmetDraws(solved.blocks, job.n, job.d, job.m) == 0;
        say("  %d-%d-%d-%d: %s (order %zu) %s -> %zu blocks%s\n", job.k, job.d, job.m, job.n,
            groupName.c_str(), group->perms.size(), solved.status.c_str(), solved.blocks.size(),
            proven || solved.blocks.empty() ? "" : " NOT PROVEN");
        if (proven && (best.blocks.empty() || solved.blocks.size() < best.blocks.size()))
            best = {std::move(solved.blocks), "orbits of " + groupName +
                                                  (opt.cbc     ? " by cbc"
                                                   : opt.exact ? " by complete search"
                                                   : opt.tabu  ? " by tabu search"
                                                               : " by local search")};
    }
    return best;
}

// The row's file taken down by block exchanges (see exchange.h), to the budget at most.
Design exchangeFromFile(const Job& job, const Options& opt) {
    const Problem p{job.n, job.k, job.d, job.m};
    const std::vector<Block> start = fileBlocks(job, opt);
    Rng rng(jobSeed(opt.seed, job.k, job.d, job.m, job.n, 11));
    std::vector<Block> blocks = exchangeDescent(p, start, opt.limit > 0 ? opt.limit : job.asked,
                                                static_cast<std::uint64_t>(opt.effort * 1e5), rng);
    say("  %d-%d-%d-%d: exchanges from %zu to %zu blocks\n", job.k, job.d, job.m, job.n,
        start.size(), blocks.size());
    if (blocks.size() >= start.size())
        return {};
    return {std::move(blocks), "block exchanges from the file"};
}

// The row's file taken down by rebuilding neighbourhoods (see neighbourhood.h).
Design rebuildFromFile(const Job& job, const Options& opt) {
    const Problem p{job.n, job.k, job.d, job.m};
    const std::vector<Block> start = fileBlocks(job, opt);
    Rng rng(jobSeed(opt.seed, job.k, job.d, job.m, job.n, 13));
    const std::string row = std::to_string(job.k) + "-" + std::to_string(job.d) + "-" +
                            std::to_string(job.m) + "-" + std::to_string(job.n);
    const fs::path work =
        fs::temp_directory_path() / ("wheelgen-" + row + "-rebuild-" + std::to_string(opt.seed));
    fs::create_directories(work);
    NeighbourhoodPlan plan;
    plan.target = opt.limit > 0 ? opt.limit : job.asked;
    plan.rounds = static_cast<int>(opt.effort * 100);
    plan.remove = opt.rebuild;
    plan.centre = opt.centre;
    plan.seconds = opt.ilpSeconds;
    plan.nodes = opt.ilpNodes;
    plan.work = work.string();
    plan.log = [&](const std::string& line) { say("  %s: %s\n", row.c_str(), line.c_str()); };
    std::vector<Block> blocks = neighbourhoodDescent(p, start, plan, rng);
    say("  %s: rebuilt from %zu to %zu blocks\n", row.c_str(), start.size(), blocks.size());
    if (blocks.size() >= start.size())
        return {};
    return {std::move(blocks), "neighbourhoods rebuilt from the file"};
}

bool writeWholeFile(const fs::path& path, const std::string& text);

// Every smaller proven design is kept as k-d-m-n.<size>.whl in --keep, below E too, so that a
// run stopped at any time leaves its best and constructions can use designs of any size.
void keepDesign(const Job& job, const Options& opt, std::vector<Block> blocks) {
    if (opt.keep.empty())
        return;
    sortBlocks(blocks);
    const std::string text = wheeldesign::formatWheel(blocks);
    const int lines = static_cast<int>(blocks.size());
    if (!wheeldesign::verifyWheelText(text, {job.k, job.d, job.m, job.n, lines}).ok)
        return;
    const std::string name = std::to_string(job.k) + "-" + std::to_string(job.d) + "-" +
                             std::to_string(job.m) + "-" + std::to_string(job.n) + "." +
                             std::to_string(lines) + ".whl";
    std::error_code ec;
    fs::create_directories(opt.keep, ec);
    if (!writeWholeFile(opt.keep / name, text))
        say("  %s: WRITE FAILED\n", (opt.keep / name).c_str());
}

// The row's file taken down by annealing at a fixed size: each try starts from the smallest
// proven design less its weakest blocks (the cooling cycles reheat from the best state within a
// try); a closed size is proven, kept, and the next try aims one block lower. --limit fixes the
// first size (the file's size less one by default).
Design annealFromFile(const Job& job, const Options& opt) {
    const Problem p{job.n, job.k, job.d, job.m};
    std::vector<Block> proven = fileBlocks(job, opt);
    if (proven.empty())
        return {};
    const std::size_t startSize = proven.size();
    Rng rng(jobSeed(opt.seed, job.k, job.d, job.m, job.n, 17));
    Annealer a(p);
    int target = opt.limit > 0 ? opt.limit : static_cast<int>(proven.size()) - 1;
    const double work = opt.effort * 1.5e9;
    const auto began = std::chrono::steady_clock::now();
    for (int attempt = 1; opt.restarts == 0 || attempt <= opt.restarts; ++attempt) {
        a.setBlocks(proven);
        while (static_cast<int>(a.blocks().size()) > target)
            a.removeWeakestBlock();
        const std::vector<Block> start = a.blocks();
        const std::uint64_t left = a.cost();
        const bool closed = annealAt(a, p, target, work, rng, &start);
        const double secs =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
        say("  %d-%d-%d-%d: try %d at %d: %llu unmet at the start, %llu left (%.0fs)\n", job.k,
            job.d, job.m, job.n, attempt, target, static_cast<unsigned long long>(left),
            static_cast<unsigned long long>(a.cost()), secs);
        if (!closed) {
            if (opt.walk) {
                // The try's best state, repaired, is another design of the same size: the next
                // try starts from it and so takes other blocks out.
                a.repair(rng);
                a.removeRedundantBlocks();
                std::vector<Block> moved = a.blocks();
                dedupe(moved);
                if (moved.size() <= proven.size() &&
                    wheeldesign::countUnmetDraws(moved, job.n, job.d, job.m) == 0)
                    proven = std::move(moved);
            }
            continue;
        }
        std::vector<Block> blocks = a.blocks();
        dedupe(blocks);
        if (wheeldesign::countUnmetDraws(blocks, job.n, job.d, job.m) != 0)
            continue;
        proven = std::move(blocks);
        keepDesign(job, opt, proven);
        say("  %d-%d-%d-%d: PROVEN at %zu\n", job.k, job.d, job.m, job.n, proven.size());
        target = static_cast<int>(proven.size()) - 1;
        attempt = 0;
    }
    if (proven.size() >= startSize)
        return {};
    return {std::move(proven), "annealed down from the file"};
}

Design generateBest(const Job& job, const Options& opt) {
    const Problem p{job.n, job.k, job.d, job.m};
    if (job.d == job.k && job.m == job.k)
        return {fullWheel(job.n, job.k), "enumeration"};
    if (!opt.orbitGroups.empty())
        return orbitDesign(job, opt);
    if (opt.anneal)
        return annealFromFile(job, opt);
    if (opt.rebuild > 0)
        return rebuildFromFile(job, opt);
    if (opt.exchange)
        return exchangeFromFile(job, opt);
    std::optional<Design> split = splitDesign(job, opt);
    if (split && static_cast<int>(split->blocks.size()) <= job.asked)
        return *split;
    const std::uint64_t seed = jobSeed(opt.seed, job.k, job.d, job.m, job.n, 0);
    Design sa = opt.greedy ? searchPart(p, job.asked, seed, opt.effort * 4)
                           : searchRow(p, job.asked, seed, opt.effort);
    if (split && split->blocks.size() < sa.blocks.size())
        return *split;
    return sa;
}

std::optional<int> existingProven(const fs::path& path, const Job& job) {
    const std::string text = readText(path);
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    if (lines == 0)
        return std::nullopt;
    const auto check = wheeldesign::verifyWheelText(text, {job.k, job.d, job.m, job.n, lines});
    if (!check.ok)
        return std::nullopt;
    return lines;
}

// Writes to a temporary file in the same folder and renames it over the old one when complete.
bool writeWholeFile(const fs::path& path, const std::string& text) {
    fs::path temp = path;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec)
        fs::remove(temp, ec);
    return !ec;
}

bool parseKdm(const std::string& s, std::vector<int>& out) {
    out.clear();
    std::stringstream ss(s);
    std::string part;
    while (std::getline(ss, part, '-')) {
        if (part.empty())
            return false;
        out.push_back(std::atoi(part.c_str()));
    }
    return true;
}

int usage() {
    std::fprintf(
        stderr,
        "usage: wheelgen [--all] [--family k-d-m]... [--row k-d-m-n]... [--seed S]\n"
        "                [--threads T] [--effort X] [--out DIR] [--force] [--check]\n"
        "                [--groups N] [--weighted] [--greedy] [--t0 X] [--t1 X] [--cycles N]\n"
        "                [--orbits GROUP]... [--cbc] [--exact] [--tabu]\n"
        "                [--ilp-seconds S] [--ilp-nodes N] [--polish]\n"
        "                [--finish] [--from-file]\n"
        "                [--exchange] [--rebuild R] [--centre C]\n"
        "                [--anneal] [--restarts N] [--walk] [--keep DIR]\n"
        "                [--limit N]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    Options opt;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::exit(usage());
            }
            return argv[++i];
        };
        if (a == "--all")
            opt.all = true;
        else if (a == "--family")
            opt.families.push_back(value());
        else if (a == "--row")
            opt.rows.push_back(value());
        else if (a == "--seed")
            opt.seed = std::stoull(value());
        else if (a == "--threads")
            opt.threads = std::max(1, std::stoi(value()));
        else if (a == "--effort")
            opt.effort = std::stod(value());
        else if (a == "--out")
            opt.out = value();
        else if (a == "--force")
            opt.force = true;
        else if (a == "--check")
            opt.check = true;
        else if (a == "--greedy")
            opt.greedy = true;
        else if (a == "--weighted")
            opt.weighted = true;
        else if (a == "--groups")
            opt.groups = std::stoi(value());
        else if (a == "--orbits")
            opt.orbitGroups.push_back(value());
        else if (a == "--limit")
            opt.limit = std::stoi(value());
        else if (a == "--finish")
            opt.finish = true;
        else if (a == "--exchange")
            opt.exchange = true;
        else if (a == "--centre")
            opt.centre = std::stoi(value());
        else if (a == "--rebuild")
            opt.rebuild = std::max(1, std::stoi(value()));
        else if (a == "--anneal")
            opt.anneal = true;
        else if (a == "--restarts")
            opt.restarts = std::max(0, std::stoi(value()));
        else if (a == "--walk")
            opt.walk = true;
        else if (a == "--keep")
            opt.keep = value();
        else if (a == "--from-file")
            opt.fromFile = true;
        else if (a == "--polish")
            opt.polish = true;
        else if (a == "--cbc")
            opt.cbc = true;
        else if (a == "--exact")
            opt.exact = true;
        else if (a == "--tabu")
            opt.tabu = true;
        else if (a == "--ilp-nodes")
            opt.ilpNodes = std::max(1, std::stoi(value()));
        else if (a == "--ilp-seconds")
            opt.ilpSeconds = std::stod(value());
        else if (a == "--t0")
            opt.t0 = std::stod(value());
        else if (a == "--t1")
            opt.t1 = std::stod(value());
        else if (a == "--cycles")
            opt.cycles = std::max(1, std::stoi(value()));
        else
            return usage();
    }
    if (!opt.all && opt.families.empty() && opt.rows.empty())
        return usage();
    globalOptions = opt;

    std::vector<Job> jobs;
    for (const auto& type : wheeldesign::wheelTypes()) {
        for (const auto& size : type.sizes) {
            const Job job{type.k, type.d, type.m, size.n, size.askedEntries};
            bool wanted = opt.all;
            std::vector<int> v;
            for (const auto& f : opt.families)
                if (parseKdm(f, v) && v.size() == 3 && v[0] == job.k && v[1] == job.d &&
                    v[2] == job.m)
                    wanted = true;
            for (const auto& r : opt.rows)
                if (parseKdm(r, v) && v.size() == 4 && v[0] == job.k && v[1] == job.d &&
                    v[2] == job.m && v[3] == job.n)
                    wanted = true;
            if (wanted)
                jobs.push_back(job);
        }
    }
    fs::create_directories(opt.out);

    std::atomic<std::size_t> next{0};
    std::atomic<int> failures{0};
    auto worker = [&]() {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            const Job& job = jobs[i];
            const auto* type = wheeldesign::findWheelTypeByKdm(job.k, job.d, job.m);
            const int tableEntries = type->size(job.n)->entries;
            const fs::path path = opt.out / wheeldesign::wheelFileName(job.k, job.d, job.m, job.n);
            // Lines of an existing proven file of at least E lines (the file must have E), or 0.
            int have = existingProven(path, job).value_or(0);
            if (have < job.asked)
                have = 0;
            if (opt.check) {
                const auto c =
                    wheeldesign::verifyWheelFile(path, {job.k, job.d, job.m, job.n, tableEntries});
                say("%d-%d-%d-%d %s asked %d table %d %s\n", job.k, job.d, job.m, job.n,
                    c.ok ? "PROVEN" : "FAILED", job.asked, tableEntries, c.error.c_str());
                if (!c.ok)
                    ++failures;
                continue;
            }
            const auto t0 = std::chrono::steady_clock::now();
            Design design = generate(job, opt);
            const double secs =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
            if (design.blocks.empty()) {
                say("%d-%d-%d-%d asked %d: no design found\n", job.k, job.d, job.m, job.n,
                    job.asked);
                continue;
            }
            sortBlocks(design.blocks);
            const int lines = static_cast<int>(design.blocks.size());
            const std::string text = wheeldesign::formatWheel(design.blocks);
            const auto check =
                wheeldesign::verifyWheelText(text, {job.k, job.d, job.m, job.n, lines});
            if (!check.ok) {
                say("%d-%d-%d-%d NOT PROVEN (%s): %s\n", job.k, job.d, job.m, job.n,
                    design.method.c_str(), check.error.c_str());
                ++failures;
                continue;
            }
            keepDesign(job, opt, design.blocks);
            std::string action = "written";
            const bool keep = have > 0 && have <= lines && !opt.force;
            if (keep) {
                action = "kept existing " + std::to_string(have);
            } else {
                if (!writeWholeFile(path, text)) {
                    ++failures;
                    action = "WRITE FAILED";
                }
            }
            const int shipped = keep ? have : lines;
            say("%d-%d-%d-%d asked %d found %d (%s) %.1fs %s%s\n", job.k, job.d, job.m, job.n,
                job.asked, lines, design.method.c_str(), secs, action.c_str(),
                shipped != tableEntries
                    ? (" TABLE MISMATCH: table " + std::to_string(tableEntries)).c_str()
                    : "");
        }
    };
    std::vector<std::thread> pool;
    for (int t = 0; t < std::min<int>(opt.threads, static_cast<int>(jobs.size())); ++t)
        pool.emplace_back(worker);
    for (auto& t : pool)
        t.join();
    return failures == 0 ? 0 : 1;
}
