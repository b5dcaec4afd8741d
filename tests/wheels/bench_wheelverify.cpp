// The wheel data file verifier on the largest shipped proofs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "wheels/design/wheeltable.h"
#include "wheels/design/wheelverify.h"

using namespace wheeldesign;

namespace {

std::string readWheel(int k, int d, int m, int n) {
    std::ifstream in(std::filesystem::path(KESTROVA_DATA "/wheels") / wheelFileName(k, d, m, n),
                     std::ios::binary);
    std::ostringstream buf;
    buf << in.rdbuf();
    return buf.str();
}

WheelShape specOf(int k, int d, int m, int n) {
    return {k, d, m, n, findWheelTypeByKdm(k, d, m)->size(n)->entries};
}

void verifyOne(benchmark::State& state, int k, int d, int m, int n) {
    const std::string text = readWheel(k, d, m, n);
    const WheelShape shape = specOf(k, d, m, n);
    for (auto _ : state) {
        const WheelCheck c = verifyWheelText(text, shape);
        if (!c.ok)
            state.SkipWithError(c.error.c_str());
        benchmark::DoNotOptimize(c.unmet);
    }
    state.counters["draws"] = static_cast<double>(binomial(n, d));
    state.counters["lines"] = shape.entries;
}

void BM_Verify_6_6_5_24(benchmark::State& state) {
    verifyOne(state, 6, 6, 5, 24);
}
void BM_Verify_6_5_5_20(benchmark::State& state) {
    verifyOne(state, 6, 5, 5, 20);
}
void BM_Verify_7_7_7_16(benchmark::State& state) {
    verifyOne(state, 7, 7, 7, 16);
}
void BM_Verify_6_6_3_24(benchmark::State& state) {
    verifyOne(state, 6, 6, 3, 24);
}

void BM_Parse_7_7_7_16(benchmark::State& state) {
    const std::string text = readWheel(7, 7, 7, 16);
    const WheelShape shape = specOf(7, 7, 7, 16);
    std::vector<Block> blocks;
    for (auto _ : state)
        benchmark::DoNotOptimize(parseWheelText(text, shape, blocks).ok);
}

void BM_VerifyAllShipped(benchmark::State& state) {
    struct Item {
        std::string text;
        WheelShape shape;
    };
    std::vector<Item> items;
    for (const WheelType& t : wheelTypes())
        for (const WheelSize& s : t.sizes)
            items.push_back({readWheel(t.k, t.d, t.m, s.n), {t.k, t.d, t.m, s.n, s.entries}});
    for (auto _ : state) {
        int ok = 0;
        for (const Item& item : items)
            ok += verifyWheelText(item.text, item.shape).ok ? 1 : 0;
        if (ok != static_cast<int>(items.size()))
            state.SkipWithError("a shipped wheel fails");
    }
    state.counters["files"] = static_cast<double>(items.size());
}

}  // namespace

BENCHMARK(BM_Verify_6_6_5_24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Verify_6_5_5_20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Verify_7_7_7_16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Verify_6_6_3_24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Parse_7_7_7_16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerifyAllShipped)->Unit(benchmark::kMillisecond);
