// The adding and history check windows as the player drives them: the history check filling its
// four pages and over the longest history a file holds, 2,500 suggested entries, and one typed
// entry added to a file of 32,000.
#include <benchmark/benchmark.h>

#include <random>

#include <QFile>
#include <QTemporaryDir>

#include "app/Form1.h"
#include "app/appwindows.h"
#include "entries/Form5.h"
#include "entries/Form6.h"
#include "entries/entrieswindows.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/windows.h"
#include "shared/drawrecord.h"
#include "shared/gamerecord.h"
#include "shared/module1.h"
#include "support/benchdraws.h"
#include "support/benchmain.h"

namespace {

using platform::Windows;

// A started program over a temporary data folder holding a 6 + 1 game "Lotto".
class Program {
public:
    explicit Program(std::initializer_list<int> levels) {
        resetModule1();
        platform::setAppPath(dir_.path());
        platform::setMessageHandler(
            [](const QString&, platform::MsgButtons) { return platform::MsgAnswer::Ok; });
        platform::setClock([] { return QDateTime(QDate(2012, 3, 5), QTime(12, 0)); });
        GameRecord g;
        g.name = QStringLiteral("Lotto").leftJustified(12);
        g.ballsdrawn = g.mainperentry = 6;
        g.mainpool = 49;
        g.bonusdrawn = g.bonusperentry = 1;
        g.bonuspool = 26;
        for (int k : levels) {
            g.prizelevels[static_cast<std::size_t>(k)] = 1;
        }
        for (int d = 1; d <= 7; ++d) {
            g.drawdays[static_cast<std::size_t>(d)] = static_cast<qint16>(d);
        }
        g.extraballid = QStringLiteral("PB");
        g.extraballname = QString(10, u' ');
        write(QStringLiteral("game1.dat"), g.toBytes());
        registerAppWindows();
        registerEntriesWindows();
    }
    ~Program() {
        Windows::unloadAll();
        platform::setMessageHandler({});
        platform::setClock({});
    }

    Form1& start() {
        Form1& form = *Windows::get<Form1>(Form1::kName);
        form.show();
        return form;
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(dir_.filePath(name));
        if (f.open(QIODevice::WriteOnly)) {
            f.write(bytes);
        }
    }

private:
    QTemporaryDir dir_;
};

// n records of six numbers from 49 and an extra from 26, dated a day apart from 1 Jan 2000.
QByteArray records(int n, std::mt19937& rng) {
    QByteArray all;
    int ordinal = 0;
    for (DrawRecord r : fixture::randomLottoDraws(n, rng)) {
        r.count = ordinal == 0 ? n : 0;
        r.ordinal = static_cast<qint16>(++ordinal);
        all += r.toBytes();
    }
    return all;
}

void historyWindow(benchmark::State& state, std::initializer_list<int> levels, int draws = 3000) {
    Program program(levels);
    std::mt19937 rng(5);
    program.write(QStringLiteral("Lotto.rtl"), records(draws, rng));
    program.write(QStringLiteral("Lotto05Mar2012.lot"), records(2500, rng));
    Form1& main = program.start();
    main.DTPicker2_Change();
    main.Command12_Click();
    Form6& w = *Windows::live<Form6>(Form6::kName);
    w.DTPicker1->setValue(QDate(2000, 1, 1));
    // The draws are a day apart: the longest history reaches past today.
    w.DTPicker2->setValue(QDate(2000, 1, 1).addDays(draws));
    for (auto _ : state) {
        w.Command2_Click();
    }
    qsizetype lines = 0;
    for (const ResultPageModel* page : w.pages) {
        lines += page->rowCount();
    }
    state.counters["lines"] = static_cast<double>(lines);
}

// Every level counts: every entry wins every draw and the four pages fill to their cap.
void BM_HistoryWindow_2500x3000_CapFilled(benchmark::State& state) {
    historyWindow(state, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
}

// Only the top levels: the classification with hardly a line to list.
void BM_HistoryWindow_2500x3000_TopLevels(benchmark::State& state) {
    historyWindow(state, {1, 2, 3, 4, 5});
}

// The longest history a file holds against 2,500 entries, with the usual prize levels (three
// numbers and up, and the extra with fewer): the pages fill and the rest is counted.
void BM_HistoryWindow_2500x32767_UsualLevels(benchmark::State& state) {
    historyWindow(state, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14}, kMaxRecordCount);
}

void BM_HistoryWindow_2500x32767_TopLevels(benchmark::State& state) {
    historyWindow(state, {1, 2, 3, 4, 5}, kMaxRecordCount);
}

void BM_AddingWindow_Suggest2500IntoAnEmptyFile(benchmark::State& state) {
    Program program({1, 2, 3});
    Form1& main = program.start();
    for (auto _ : state) {
        state.PauseTiming();
        Windows::unload(Form5::kName);
        program.write(QStringLiteral("Lotto05Mar2012.lot"), {});
        main.DTPicker2_Change();
        main.Command4_Click();
        Form5& w = *Windows::live<Form5>(Form5::kName);
        w.Text8->setText(QStringLiteral("2500"));
        w.Option2->setChecked(true);
        state.ResumeTiming();
        w.Command4_Click();
    }
    state.counters["entries"] = main.List1->count();
}

void BM_AddingWindow_TypeOneInto32000(benchmark::State& state) {
    Program program({1, 2, 3});
    std::mt19937 rng(9);
    program.write(QStringLiteral("Lotto05Mar2012.lot"), records(32000, rng));
    Form1& main = program.start();
    main.DTPicker2_Change();
    main.Command4_Click();
    Form5& w = *Windows::live<Form5>(Form5::kName);
    const char* typed[] = {"30", "04", "17", "09", "44", "21", "12"};
    for (std::size_t i = 0; i < 7; ++i) {
        w.Text1[i]->setText(QString::fromLatin1(typed[i]));
    }
    for (auto _ : state) {
        w.Command6_Click();
    }
    state.counters["entries"] = main.List1->count();
}

}  // namespace

BENCHMARK(BM_HistoryWindow_2500x3000_CapFilled)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryWindow_2500x3000_TopLevels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryWindow_2500x32767_UsualLevels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryWindow_2500x32767_TopLevels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddingWindow_Suggest2500IntoAnEmptyFile)->Unit(benchmark::kMillisecond)->Iterations(5);
// Each iteration adds one entry: the file stays below the 32,767 a file can hold.
BENCHMARK(BM_AddingWindow_TypeOneInto32000)->Unit(benchmark::kMillisecond)->Iterations(200);

// Every benchmark starts its own program on its own data folder.
void setUpBenchmarks() {}
