// The statistics windows and the optimiser on a full history of 32,767 draws: opening the draw
// statistics (its first chart drawn and shown), the single-ball figures, Process Range and
// Create Entries. Runs Qt offscreen on a temporary data folder; every answer is Yes.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDate>
#include <QEvent>
#include <QFile>

#include "entries/Form26.h"
#include "entries/Form4.h"
#include "entries/LinkProcess.h"
#include "entries/entrieswindows.h"
#include "platform/windows.h"
#include "shared/drawrecord.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "support/benchmain.h"

namespace {

constexpr int kDraws = kMaxRecordCount;
const QDate kToday(2012, 3, 5);

// 6 of 49 with a Powerball of 26, one draw a day up to today.
void prepare() {
    DrawImage image;
    for (int r = 1; r <= kDraws; ++r) {
        const QDate d = kToday.addDays(r - kDraws);
        DrawRecord rec;
        rec.count = r == 1 ? kDraws : 0;
        rec.ordinal = static_cast<qint16>(r);
        rec.day = static_cast<qint16>(d.day());
        rec.month = static_cast<qint16>(d.month());
        rec.year = static_cast<qint16>(d.year());
        for (int i = 0; i < 6; ++i) {
            rec.balls[static_cast<std::size_t>(i)] = static_cast<qint16>((r * 7 + i * 11) % 49 + 1);
        }
        rec.extra = static_cast<qint16>(r % 26 + 1);
        image.write(r, rec);
    }
    benchsupport::writeDataFile(resultsFileName(QStringLiteral("Lotto")), image.bytes());
    resetModule1();
    Module1& m = m1();
    m.datapath = benchsupport::dataFolder();
    m.dateorder = QStringLiteral("DDMMYY");
    m.gamename = QStringLiteral("Lotto");
    m.ballsdrawn = 6;
    m.bonusdrawn = 1;
    m.mainpool = 49;
    m.bonuspool = 26;
    m.mainperentry = 6;
    m.bonusperentry = 1;
    m.extraballid = QStringLiteral("PB");
    m.extraballname = QStringLiteral("Powerball");
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void closeAll() {
    platform::Windows::unloadAll();
    settle();
}

// From loading the window to its first chart shown.
void BM_OpenDrawStatistics(benchmark::State& state) {
    prepare();
    for (auto _ : state) {
        platform::Form* form = platform::Windows::show(Form4::kName);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(form);
        state.PauseTiming();
        const auto* stats = platform::Windows::live<Form4>(Form4::kName);
        if (stats == nullptr || stats->MSChart1->rowCount() != 49) {
            state.SkipWithError("the chart was not drawn");
        }
        closeAll();
        state.ResumeTiming();
    }
}

// Redrawing the chart sorted, as the Sorted menu does.
void BM_SortedChart(benchmark::State& state) {
    prepare();
    auto* stats = static_cast<Form4*>(platform::Windows::show(Form4::kName));
    for (auto _ : state) {
        stats->mnusortedyes_Click();
        QCoreApplication::processEvents();
    }
    closeAll();
}

// Info on a ball, to the single-ball figures shown.
void BM_OpenBallFigures(benchmark::State& state) {
    prepare();
    auto* stats = static_cast<Form4*>(platform::Windows::show(Form4::kName));
    stats->Text1->setText(QStringLiteral("7"));
    for (auto _ : state) {
        stats->Command4_Click();
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (platform::Windows::live<Form26>(Form26::kName) == nullptr) {
            state.SkipWithError("the figures were not shown");
        }
        platform::Windows::live<Form26>(Form26::kName)->Command1_Click();
        settle();
        state.ResumeTiming();
    }
    closeAll();
}

void BM_ProcessRange(benchmark::State& state) {
    prepare();
    auto* link = static_cast<LinkProcess*>(platform::Windows::show(LinkProcess::kName));
    link->Text1->setText(QString::number(kDraws));
    for (auto _ : state) {
        link->Command1_Click();
    }
    closeAll();
}

// Create Entries on a new dated file: the chaining and one whole-file write.
void BM_CreateEntries(benchmark::State& state) {
    prepare();
    auto* link = static_cast<LinkProcess*>(platform::Windows::show(LinkProcess::kName));
    link->Text1->setText(QString::number(kDraws));
    link->Command1_Click();
    const QString target = dataFile(
        m1().datapath, datedEntryFileName(QStringLiteral("Lotto"), kToday, m1().dateorder));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(target);
        state.ResumeTiming();
        link->Command2_Click();
    }
    if (drawFileCount(target) == 0) {
        state.SkipWithError("no entries were written");
    }
    closeAll();
}

}  // namespace

BENCHMARK(BM_OpenDrawStatistics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortedChart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenBallFigures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProcessRange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateEntries)->Unit(benchmark::kMillisecond);

void setUpBenchmarks() {
    registerEntriesWindows();
}
