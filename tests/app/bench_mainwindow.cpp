// The main window's handlers on a full game: 32,767 draws in the history and 32,767 entries
// listed, 2% or 60% of them winning against the shown draw. Runs Qt offscreen on a temporary
// data folder; the player's answers are always Yes.
#include <benchmark/benchmark.h>

#include <memory>

#include <QCoreApplication>
#include <QDate>
#include <QEvent>

#include "app/Form1.h"
#include "app/Form3.h"
#include "app/appwindows.h"
#include "platform/printer.h"
#include "platform/sound.h"
#include "platform/windows.h"
#include "shared/drawrecord.h"
#include "shared/gamefiles.h"
#include "shared/gamerecord.h"
#include "shared/module1.h"
#include "shared/textforms.h"
#include "support/benchmain.h"

namespace {

constexpr int kRecords = kMaxRecordCount;
const QDate kToday(2012, 3, 5);

// A printer that prints nothing, so start-up finds one without asking the system.
class NullPrinter : public platform::Printer, public platform::PrinterSystem {
public:
    QString deviceName() const override { return QStringLiteral("Bench"); }
    void setFont(const QString&, double) override {}
    void print(const QString&, bool) override {}
    void setDrawWidth(int) override {}
    void line(double, double, double, double) override {}
    void endDoc() override {}
    void abortDoc() override {}
    QStringList deviceNames() override { return {deviceName()}; }
    void select(const QString&) override {}
    Printer& current() override { return *this; }
};

// 6 of 49 with a Powerball of 26; levels 1..14 count (no prize for matching nothing).
GameRecord lotto() {
    GameRecord g;
    g.name = QStringLiteral("Lotto").leftJustified(12);
    g.ballsdrawn = 6;
    g.bonusdrawn = 1;
    g.mainpool = 49;
    g.bonuspool = 26;
    g.mainperentry = 6;
    g.bonusperentry = 1;
    for (int k = 1; k <= 14; ++k) {
        g.prizelevels[k] = 1;
    }
    for (int k = 1; k <= 7; ++k) {
        g.drawdays[k] = static_cast<qint16>(k);
    }
    g.extraballid = QStringLiteral("PB");
    g.extraballname = QString(10, u' ');
    return g;
}

// One draw a day up to today's, which is 1 2 3 4 5 6 PB 1.
QByteArray history() {
    DrawImage image;
    for (int r = 1; r <= kRecords; ++r) {
        const QDate d = kToday.addDays(r - kRecords);
        DrawRecord rec;
        rec.ordinal = static_cast<qint16>(r);
        rec.day = static_cast<qint16>(d.day());
        rec.month = static_cast<qint16>(d.month());
        rec.year = static_cast<qint16>(d.year());
        for (int i = 0; i < 6; ++i) {
            rec.balls[i] = static_cast<qint16>(r == kRecords ? i + 1 : (r + 7 * i) % 49 + 1);
        }
        rec.extra = 1;
        image.write(r, rec);
    }
    DrawRecord first = image.read(1);
    first.count = kRecords;
    image.write(1, first);
    return image.bytes();
}

// Entries of which `percent` in a hundred match three numbers of today's draw.
QByteArray entries(int percent) {
    DrawImage image;
    for (int r = 1; r <= kRecords; ++r) {
        DrawRecord rec;
        // Scattered, so the winners' marks are many short runs rather than a few long ones.
        const bool wins = (r * 37 + r / 100) % 100 < percent;
        const int start = wins ? 4 : 10 + r % 30;  // 4 5 6 .. or 10+ (no match)
        for (int i = 0; i < 6; ++i) {
            rec.balls[i] = static_cast<qint16>(start + i);
        }
        rec.extra = 2;
        image.write(r, rec);
    }
    DrawRecord first = image.read(1);
    first.count = kRecords;
    image.write(1, first);
    return image.bytes();
}

QString entryFileName() {
    return datedEntryFileName(QStringLiteral("Lotto"), kToday, QStringLiteral("DDMMYY"));
}

void prepare(int percent) {
    benchsupport::writeDataFile(slotFileName(1), lotto().toBytes());
    benchsupport::writeDataFile(resultsFileName(QStringLiteral("Lotto")), history());
    benchsupport::writeDataFile(entryFileName(), entries(percent));
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

Form1& startMain() {
    resetModule1();
    Form1& form = *static_cast<Form1*>(platform::Windows::show(Form1::kName));
    QCoreApplication::processEvents();
    return form;
}

void closeAll() {
    platform::Windows::unloadAll();
    settle();
}

// From loading the main window to its first shown frame, the check of the listed entries
// included.
void BM_StartUp(benchmark::State& state) {
    prepare(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Form1& form = startMain();
        benchmark::DoNotOptimize(form.List1->count());
        state.PauseTiming();
        if (form.List1->count() != kRecords) {
            state.SkipWithError("the entries were not listed");
        }
        closeAll();
        state.ResumeTiming();
    }
}

void BM_Check(benchmark::State& state) {
    prepare(static_cast<int>(state.range(0)));
    Form1& form = startMain();
    for (auto _ : state) {
        form.Command14_Click();
        benchmark::DoNotOptimize(form.List2->count());
    }
    state.counters["wins"] = form.List2->count();
    closeAll();
}

// Deletes 1,000 entries spread over the list, then puts the file back.
void BM_DeleteSelected(benchmark::State& state) {
    prepare(2);
    const QByteArray original = entries(2);
    Form1& form = startMain();
    for (auto _ : state) {
        state.PauseTiming();
        benchsupport::writeDataFile(entryFileName(), original);
        form.DTPicker2_Change();
        form.List1->clearSelection();
        for (int i = 0; i < 1000; ++i) {
            form.List1->item(i * 32 + 7)->setSelected(true);
        }
        state.ResumeTiming();
        form.Command5_Click();
        benchmark::DoNotOptimize(form.List1->count());
    }
    if (form.List1->count() != kRecords - 1000) {
        state.SkipWithError("the entries were not deleted");
    }
    closeAll();
}

// Opening the draw history window until it is shown.
void BM_HistoryWindow(benchmark::State& state) {
    prepare(2);
    startMain();
    for (auto _ : state) {
        platform::Form* form3 = platform::Windows::show(Form3::kName);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(form3);
        state.PauseTiming();
        platform::Windows::unload(Form3::kName);
        settle();
        state.ResumeTiming();
    }
    closeAll();
}

}  // namespace

BENCHMARK(BM_StartUp)->Arg(2)->Arg(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check)->Arg(2)->Arg(60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteSelected)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryWindow)->Unit(benchmark::kMillisecond);

void setUpBenchmarks() {
    platform::setSoundHandler([](const QString&) {});
    platform::setPrinterSystem(std::make_unique<NullPrinter>());
    registerAppWindows();
}
