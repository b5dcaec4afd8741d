// The history check over 2,500 entries and 3,000 draws (and the 32,767 draws a history holds at
// most), as the window runs it draw by draw.
#include <benchmark/benchmark.h>

#include <random>

#include "entries/logic/historycheck.h"
#include "support/benchdraws.h"

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

void runCheck(benchmark::State& state, std::initializer_list<int> levels, int drawCount = 3000) {
    std::mt19937 rng(7);
    const std::vector<DrawRecord> entries = fixture::randomLottoDraws(2500, rng);
    const std::vector<DrawRecord> draws = fixture::randomLottoDraws(drawCount, rng);
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

void BM_HistoryCheck_2500x32767_UsualLevels(benchmark::State& state) {
    runCheck(state, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14}, 32767);
}

}  // namespace

BENCHMARK(BM_HistoryCheck_2500x3000_UsualLevels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryCheck_2500x3000_EveryLevel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryCheck_2500x32767_UsualLevels)->Unit(benchmark::kMillisecond);

namespace {
// Only the top levels: classification with hardly a line to list.
void BM_HistoryCheck_2500x3000_TopLevels(benchmark::State& state) {
    runCheck(state, {1, 2, 3, 4, 5});
}
}  // namespace
BENCHMARK(BM_HistoryCheck_2500x3000_TopLevels)->Unit(benchmark::kMillisecond);
