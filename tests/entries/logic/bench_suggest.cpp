// Suggesting 2,500 entries into an empty entry file, uniformly and from a history of draws.
#include <benchmark/benchmark.h>

#include <random>

#include <QTemporaryDir>

#include "entries/logic/suggest.h"
#include "support/benchdraws.h"

using namespace entries;

namespace {

EntryGame sixPlusOne() {
    EntryGame g;
    g.gamename = QStringLiteral("Lotto");
    g.ballsdrawn = g.mainperentry = 6;
    g.mainpool = 49;
    g.bonusdrawn = g.bonusperentry = 1;
    g.bonuspool = 26;
    return g;
}

void suggest(benchmark::State& state, int draws) {
    QTemporaryDir dir;
    std::mt19937 rng(11);
    const std::vector<DrawRecord> past = fixture::randomLottoDraws(draws, rng);
    int run = 0;
    for (auto _ : state) {
        const QString path = dir.filePath(QStringLiteral("run%1.lot").arg(run++));
        DrawFile file(path);
        Suggester s(sixPlusOne(), past,
                    [&rng] { return std::uniform_real_distribution<double>(0.0, 1.0)(rng); });
        const SuggestOutcome out = runSuggestions(s, file, 2500, {});
        if (out.made != 2500) {
            state.SkipWithError("fewer entries than asked for");
        }
    }
}

void BM_Suggest2500_Uniform(benchmark::State& state) {
    suggest(state, 0);
}
void BM_Suggest2500_FromHistory(benchmark::State& state) {
    suggest(state, 3000);
}

}  // namespace

BENCHMARK(BM_Suggest2500_Uniform)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Suggest2500_FromHistory)->Unit(benchmark::kMillisecond);
