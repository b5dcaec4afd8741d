// The duplicate coverage marks alone over 32,767 entries of six from 49, by threshold.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "entries/logic/sharedmarks.h"

namespace {

std::vector<NumberSet> entries() {
    std::mt19937 random(2012);
    std::array<qint16, 49> pool{};
    std::iota(pool.begin(), pool.end(), qint16{1});
    std::vector<NumberSet> sets;
    for (int r = 0; r < 32767; ++r) {
        std::shuffle(pool.begin(), pool.end(), random);
        DrawRecord rec;
        std::copy_n(pool.begin(), 6, rec.balls.begin());
        sets.push_back(numberSet(rec, 6));
    }
    return sets;
}

void BM_MarkShared(benchmark::State& state) {
    const std::vector<NumberSet> sets = entries();
    int marked = 0;
    for (auto _ : state) {
        std::vector<std::uint8_t> marks;
        marked = markShared(sets, static_cast<int>(state.range(0)), marks);
        benchmark::DoNotOptimize(marks.data());
    }
    state.counters["marked"] = marked;
}

}  // namespace

BENCHMARK(BM_MarkShared)->Arg(6)->Arg(5)->Arg(4)->Arg(3)->Unit(benchmark::kMillisecond);
