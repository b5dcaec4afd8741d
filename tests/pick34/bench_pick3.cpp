// The Pick window opened on large files, and its check: 10,000 draws in each of the four Pick
// histories and 32,767 entries in the listed file.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "pick34/Pick3.h"
#include "pick34/logic/pickfiles.h"
#include "pick34/logic/pickrecord.h"
#include "pick34/pick34windows.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/windows.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/recordfile.h"
#include "support/benchmain.h"

namespace {

const QDate kToday(2012, 3, 5);

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

// One data folder for the whole run, filled once.
QString dataFolder() {
    static QTemporaryDir dir;
    static const bool filled = [] {
        for (int game : {3, 4}) {
            for (PickTime time : {PickTime::Day, PickTime::Night}) {
                PickImage draws;
                const int n = 10000;
                for (int r = 1; r <= n; ++r) {
                    const QDate d = kToday.addDays(r - n);
                    PickRecord rec;
                    rec.count = r == 1 ? n : 0;
                    rec.ordinal = static_cast<qint16>(r);
                    rec.day = static_cast<qint16>(d.day());
                    rec.month = static_cast<qint16>(d.month());
                    rec.year = static_cast<qint16>(d.year());
                    for (int i = 0; i < game; ++i) {
                        rec.digits[static_cast<std::size_t>(i)] =
                            static_cast<qint16>((r * (7 + 3 * i)) % 10);
                    }
                    draws.put(r, rec);
                }
                writeBytes(dataFile(dir.path(), pickResultsFileName(game, time)), draws.bytes());
                PickImage entries;
                for (int r = 1; r <= kMaxRecordCount; ++r) {
                    PickRecord rec;
                    rec.count = r == 1 ? kMaxRecordCount : 0;
                    for (int i = 0; i < game; ++i) {
                        rec.digits[static_cast<std::size_t>(i)] =
                            static_cast<qint16>((r / (i + 1)) % 10);
                    }
                    rec.bettype = static_cast<qint16>(r % 5);
                    entries.put(r, rec);
                }
                writeBytes(dataFile(dir.path(), pickDatedEntryFileName(game, time, kToday,
                                                                       QStringLiteral("DDMMYY"))),
                           entries.bytes());
            }
        }
        return true;
    }();
    (void)filled;
    return dir.path();
}

void setUpProgram(int game) {
    resetModule1();
    platform::setAppPath(dataFolder());
    platform::setClock([] { return QDateTime(kToday, QTime(12, 0)); });
    platform::setMessageHandler([](const QString& text, platform::MsgButtons) {
        qFatal("unexpected message: %s", qPrintable(text));
        return platform::MsgAnswer::Ok;
    });
    registerPick34Windows();
    m1().datapath = dataFolder();
    m1().dateorder = QStringLiteral("DDMMYY");
    m1().pickgame = static_cast<qint16>(game);
}

void unloadAll() {
    platform::Windows::unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_OpenPickWindow(benchmark::State& state) {
    const int game = static_cast<int>(state.range(0));
    setUpProgram(game);
    for (auto _ : state) {
        auto* w = static_cast<Pick3*>(platform::Windows::show(Pick3::kName));
        if (w->List1->count() != kMaxRecordCount || w->Text1->text().size() != game) {
            state.SkipWithError("window not filled");
        }
        state.PauseTiming();
        unloadAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenPickWindow)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

void BM_SwitchGame(benchmark::State& state) {
    setUpProgram(3);
    auto* w = static_cast<Pick3*>(platform::Windows::show(Pick3::kName));
    for (auto _ : state) {
        w->Command7_Click();
    }
    unloadAll();
}
BENCHMARK(BM_SwitchGame)->Unit(benchmark::kMillisecond);

void BM_SwitchDrawTime(benchmark::State& state) {
    setUpProgram(4);
    auto* w = static_cast<Pick3*>(platform::Windows::show(Pick3::kName));
    bool day = true;
    for (auto _ : state) {
        day ? w->MnuDay_Click() : w->mnuEvening_Click();
        day = !day;
    }
    unloadAll();
}
BENCHMARK(BM_SwitchDrawTime)->Unit(benchmark::kMillisecond);

void BM_Check(benchmark::State& state) {
    const int game = static_cast<int>(state.range(0));
    setUpProgram(game);
    auto* w = static_cast<Pick3*>(platform::Windows::show(Pick3::kName));
    for (auto _ : state) {
        w->Command14_Click();
        if (w->List2->count() != kMaxRecordCount) {
            state.SkipWithError("check incomplete");
        }
    }
    unloadAll();
}
BENCHMARK(BM_Check)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace

// Every benchmark starts its own program on its own data folder.
void setUpBenchmarks() {}
