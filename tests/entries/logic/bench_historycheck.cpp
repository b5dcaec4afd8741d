// The history check over 2,500 entries and 3,000 draws, as the window runs it draw by draw.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "entries/logic/historycheck.h"

using namespace entries;

namespace {

EntryGame sixPlusOne(std::initializer_list<int> levels) {
    EntryGame g;
    g.gamename = QStringLiteral("Lotto");
    g.extraballid = QStringLiteral("PB");
    g.dateorder = QStringLiteral("DDMMYY");
    g.ballsdrawn = g.mainperentry = 6;
    g.mainpool = 49;
    g.bonusdrawn = g.bonusperentry = 1;
    g.bonuspool = 26;
    for (int k : levels) {
        g.prizelevels[static_cast<std::size_t>(k)] = 1;
    }
    return g;
}

std::vector<DrawRecord> randomRecords(int n, std::mt19937& rng) {
    std::vector<DrawRecord> out;
    std::vector<qint16> pool(49);
    std::iota(pool.begin(), pool.end(), qint16{1});
    for (int i = 0; i < n; ++i) {
        std::shuffle(pool.begin(), pool.end(), rng);
        DrawRecord r;
        std::copy_n(pool.begin(), 6, r.balls.begin());
        std::sort(r.balls.begin(), r.balls.begin() + 6);
        r.extra = static_cast<qint16>(std::uniform_int_distribution<int>(1, 26)(rng));
        r.day = static_cast<qint16>(i % 28 + 1);
        r.month = static_cast<qint16>(i / 28 % 12 + 1);
        r.year = static_cast<qint16>(2000 + i / 336);
        out.push_back(r);
    }
    return out;
}

void runCheck(benchmark::State& state, std::initializer_list<int> levels) {
    std::mt19937 rng(7);
    const std::vector<DrawRecord> entries = randomRecords(2500, rng);
    const std::vector<DrawRecord> draws = randomRecords(3000, rng);
    const EntryGame game = sixPlusOne(levels);
    qsizetype listed = 0;
    for (auto _ : state) {
        HistoryCheck check(game, entries);
        listed = 0;
        for (const DrawRecord& d : draws) {
            const HistoryCheck::DrawLines lines = check.checkDraw(d);
            for (const QStringList& page : lines.pages) {
                listed += page.size();
            }
        }
        benchmark::DoNotOptimize(check.totals());
    }
    state.counters["lines"] = static_cast<double>(listed);
}

// The usual prize levels: three matches and up, and the extra with fewer.
void BM_HistoryCheck_2500x3000_UsualLevels(benchmark::State& state) {
    runCheck(state, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14});
}

// Every level counts: every entry wins every draw, so the four pages fill and the rest is counted.
void BM_HistoryCheck_2500x3000_EveryLevel(benchmark::State& state) {
    runCheck(state, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
}

}  // namespace

BENCHMARK(BM_HistoryCheck_2500x3000_UsualLevels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryCheck_2500x3000_EveryLevel)->Unit(benchmark::kMillisecond);

namespace {
// Only the top levels: classification with hardly a line to list.
void BM_HistoryCheck_2500x3000_TopLevels(benchmark::State& state) {
    runCheck(state, {1, 2, 3, 4, 5});
}
}  // namespace
BENCHMARK(BM_HistoryCheck_2500x3000_TopLevels)->Unit(benchmark::kMillisecond);
