// The entry filter's Check and the text import on full files: 32,767 entries of six from 49
// filtered by shared numbers (and by the sum band), and a 32,767-line text file imported. Runs
// Qt offscreen on a temporary data folder through the windows' own handlers.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>

#include "entries/Form12.h"
#include "entries/Form30.h"
#include "entries/entrieswindows.h"
#include "platform/windows.h"
#include "shared/drawrecord.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "support/benchmain.h"

namespace {

constexpr int kRecords = kMaxRecordCount;

// Six different numbers from 49, at random: few pairs share five, so nearly every pair is
// compared.
std::vector<std::array<int, 6>> randomEntries() {
    std::mt19937 random(2012);
    std::vector<std::array<int, 6>> all;
    std::array<int, 49> pool{};
    std::iota(pool.begin(), pool.end(), 1);
    for (int r = 0; r < kRecords; ++r) {
        std::shuffle(pool.begin(), pool.end(), random);
        std::array<int, 6> e{};
        std::copy_n(pool.begin(), 6, e.begin());
        std::sort(e.begin(), e.end());
        all.push_back(e);
    }
    return all;
}

QByteArray entryFile() {
    DrawImage image;
    int r = 0;
    for (const auto& e : randomEntries()) {
        DrawRecord rec;
        for (int i = 0; i < 6; ++i) {
            rec.balls[static_cast<std::size_t>(i)] = static_cast<qint16>(e[i]);
        }
        rec.extra = static_cast<qint16>(r % 26 + 1);
        image.write(++r, rec);
    }
    DrawRecord first = image.read(1);
    first.count = r;
    image.write(1, first);
    return image.bytes();
}

QByteArray textFile() {
    QByteArray text;
    int r = 0;
    for (const auto& e : randomEntries()) {
        for (int n : e) {
            text += QByteArray::number(n) + ',';
        }
        text += "PB " + QByteArray::number(++r % 26 + 1) + "\r\n";
    }
    return text;
}

void game() {
    resetModule1();
    m1().datapath = benchsupport::dataFolder();
    m1().dateorder = QStringLiteral("DDMMYY");
    m1().gamename = QStringLiteral("Lotto");
    m1().mainpool = 49;
    m1().mainperentry = 6;
    m1().bonuspool = 26;
    m1().bonusperentry = 1;
    m1().extraballid = QStringLiteral("PB");
    m1().selectionfile = dataFile(benchsupport::dataFolder(), QStringLiteral("Lotto05Mar2012.lot"));
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Check with the duplicate coverage filter at the threshold of the argument (5 and 6: almost
// no entry marked, so the most entries kept to compare with), and with the sum band as well
// when asked; the list of 32,767 lines is filled as the window fills it.
void BM_FilterCheck(benchmark::State& state) {
    game();
    benchsupport::writeDataFile(QStringLiteral("Lotto05Mar2012.lot"), entryFile());
    auto& w = *platform::Windows::get<Form12>(Form12::kName);
    w.Check1->setChecked(state.range(1) != 0);
    w.Check2->setChecked(true);
    const QString threshold = QString::number(state.range(0));
    for (QRadioButton* option : {w.Option1, w.Option2, w.Option3, w.Option4}) {
        option->setChecked(option->text() == threshold);
    }
    for (auto _ : state) {
        w.Command1_Click();
        benchmark::DoNotOptimize(w.List1->count());
    }
    if (w.List1->count() != kRecords) {
        state.SkipWithError("the entries were not listed");
    }
    state.counters["marked"] = w.checkedcount;
    platform::Windows::unloadAll();
    settle();
}

// Import of a 32,767-line file into an empty dated file: read, check, write.
void BM_Import(benchmark::State& state) {
    game();
    benchsupport::writeDataFile(QStringLiteral("entries.csv"), textFile());
    auto& w = *platform::Windows::get<Form30>(Form30::kName);
    w.File1->setPath(benchsupport::dataFolder());
    w.File1->setFileName(QStringLiteral("entries.csv"));
    const QString target =
        dataFile(benchsupport::dataFolder(), QStringLiteral("Lotto05Mar2012.lot"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(target);
        state.ResumeTiming();
        w.Command3_Click();
    }
    if (QFile(target).size() != qint64{kRecords} * DrawRecord::kSize) {
        state.SkipWithError("the entries were not imported");
    }
    platform::Windows::unloadAll();
    settle();
}

// A file of a million lines is refused at the first entry an entry file cannot hold.
void BM_ImportRefusedTooMany(benchmark::State& state) {
    game();
    QByteArray text;
    for (int r = 0; r < 1000000; ++r) {
        text += "1 2 3 4 5 6 7\n";
    }
    benchsupport::writeDataFile(QStringLiteral("million.txt"), text);
    auto& w = *platform::Windows::get<Form30>(Form30::kName);
    w.File1->setPath(benchsupport::dataFolder());
    w.File1->setFileName(QStringLiteral("million.txt"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(w.validate());
    }
    if (w.validate() != ImportCode::TooMany) {
        state.SkipWithError("the file was not refused for its size");
    }
    platform::Windows::unloadAll();
    settle();
}

// Choosing that file shows its lines.
void BM_ViewMillionLines(benchmark::State& state) {
    game();
    auto& w = *platform::Windows::get<Form30>(Form30::kName);
    w.File1->setPath(benchsupport::dataFolder());
    w.File1->setFileName(QStringLiteral("million.txt"));
    for (auto _ : state) {
        w.File1_Click();
    }
    state.counters["lines"] = w.List2->count();
    platform::Windows::unloadAll();
    settle();
}

}  // namespace

BENCHMARK(BM_FilterCheck)
    ->Args({3, 0})
    ->Args({4, 0})
    ->Args({5, 0})
    ->Args({6, 0})
    ->Args({5, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportRefusedTooMany)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewMillionLines)->Unit(benchmark::kMillisecond);

void setUpBenchmarks() {
    registerEntriesWindows();
}
