// Statistics and pair counting over a full history of 32,767 draws, each from one read of the
// file, as the statistics windows and the optimiser do it.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "entries/logic/drawstats.h"
#include "entries/logic/optimiser.h"
#include "shared/drawrecord.h"

namespace {

constexpr int kDraws = kMaxRecordCount;

// 6 of 49 with an extra of 1..26, spread so every pair occurs.
const QString& historyFile() {
    static QTemporaryDir dir;
    static const QString path = dir.path() + QStringLiteral("/Lotto.rtl");
    static const bool written = [] {
        DrawImage image;
        for (int r = 1; r <= kDraws; ++r) {
            DrawRecord d;
            d.count = r == 1 ? kDraws : 0;
            d.ordinal = static_cast<qint16>(r);
            for (int i = 0; i < 6; ++i) {
                d.balls[static_cast<std::size_t>(i)] =
                    static_cast<qint16>((r * 7 + i * 11) % 49 + 1);
            }
            d.extra = static_cast<qint16>(r % 26 + 1);
            image.write(r, d);
        }
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(image.bytes()) == image.bytes().size();
    }();
    if (!written) {
        qFatal("cannot write the benchmark history");
    }
    return path;
}

void BM_ChartCounts(benchmark::State& state) {
    const auto chart = static_cast<drawstats::Chart>(state.range(0));
    for (auto _ : state) {
        const DrawImage history = readDrawImage(historyFile());
        auto counts = drawstats::countBalls(history, 1, history.count(), chart, 49, 26);
        benchmark::DoNotOptimize(counts);
    }
}

void BM_BallFigures(benchmark::State& state) {
    for (auto _ : state) {
        const DrawImage history = readDrawImage(historyFile());
        auto figures = drawstats::ballFigures(history, 1, history.count(), 7, 2);
        benchmark::DoNotOptimize(figures);
    }
}

void BM_PairCounts(benchmark::State& state) {
    const optimiser::Game game{49, 6, true, 26};
    for (auto _ : state) {
        const DrawImage history = readDrawImage(historyFile());
        auto counts = optimiser::countPairs(history, 1, history.count(), game);
        benchmark::DoNotOptimize(counts);
    }
}

void BM_CreateEntries(benchmark::State& state) {
    const optimiser::Game game{49, 6, true, 26};
    const DrawImage history = readDrawImage(historyFile());
    const auto counts = optimiser::countPairs(history, 1, history.count(), game);
    for (auto _ : state) {
        auto entries = optimiser::chainEntries(*counts, game);
        benchmark::DoNotOptimize(entries);
    }
}

}  // namespace

BENCHMARK(BM_ChartCounts)
    ->Arg(static_cast<int>(drawstats::Chart::Main))
    ->Arg(static_cast<int>(drawstats::Chart::MainAndExtra))
    ->Arg(static_cast<int>(drawstats::Chart::ExtraOwnPool))
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BallFigures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PairCounts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateEntries)->Unit(benchmark::kMillisecond);
