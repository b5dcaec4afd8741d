// Save Wheel of the largest wheel data file, 6-6-5 on 24 numbers (3,015 entries): the window's
// handler with each extra-ball rule, and the building of the file alone. Runs Qt offscreen on a
// temporary data folder; the player's answers are always Yes.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>

#include "app/appwindows.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/windows.h"
#include "shared/drawrecord.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/safefile.h"
#include "support/benchmain.h"
#include "wheels/WheelForm.h"
#include "wheels/logic/wheelsave.h"
#include "wheels/wheelwindows.h"

namespace {

QString lastMessage;

void copyWheel(const QString& name) {
    QDir(benchsupport::dataFolder()).mkpath(QStringLiteral("wheels"));
    const QString target = dataFile(benchsupport::dataFolder(), QStringLiteral("wheels/") + name);
    QFile::remove(target);
    if (!QFile::copy(QStringLiteral(KESTROVA_DATA "/wheels/") + name, target)) {
        qFatal("cannot copy the wheel data file");
    }
}

// 1,000 draws of 6 of 49, each with a Powerball of 1..26.
void writeHistory() {
    DrawImage image;
    for (int r = 1; r <= 1000; ++r) {
        DrawRecord rec;
        rec.ordinal = static_cast<qint16>(r);
        for (int i = 0; i < 6; ++i) {
            rec.balls[static_cast<std::size_t>(i)] = static_cast<qint16>((r + 7 * i) % 49 + 1);
        }
        rec.extra = static_cast<qint16>(r % 26 + 1);
        image.write(r, rec);
    }
    DrawRecord first = image.read(1);
    first.count = 1000;
    image.write(1, first);
    if (!writeWholeFile(dataFile(benchsupport::dataFolder(), QStringLiteral("Lotto.rtl")),
                        image.bytes())) {
        qFatal("cannot write the history");
    }
}

// The module state the main window's Wheels > Create leaves for a 6-ball game with its own
// extra pool.
void setGame() {
    resetModule1();
    Module1& m = m1();
    m.datapath = benchsupport::dataFolder();
    m.gamename = QStringLiteral("Lotto");
    m.ballsdrawn = 6;
    m.mainpool = 49;
    m.bonuspool = 26;
    m.extraballname = QStringLiteral("Powerball");
    m.printeravailable = true;
    m.wheelgamename = m.gamename;
    m.wheelresultsfile = resultsFileName(m.gamename);
    m.wheelpoolsize = 49;
    m.wheelbonusmode = 1;
}

void BM_SaveWheelWindow(benchmark::State& state) {
    setGame();
    auto* form = dynamic_cast<WheelForm*>(platform::Windows::show(wheelWindowName(6)));
    form->Option[1]->click();  // 6-5
    form->Combo1->setCurrentIndex(form->Combo1->findText(QStringLiteral("24")));
    form->Combo1_Click();
    form->extraOptions[static_cast<std::size_t>(state.range(0))]->click();
    for (auto _ : state) {
        form->Command3_Click();
    }
    if (lastMessage != u"Done!") {
        state.SkipWithError(qPrintable(lastMessage));
    }
    state.counters["entries"] = form->Text25->text().toInt();
    platform::Windows::unloadAll();
}

void BM_PrepareWheel(benchmark::State& state) {
    setGame();
    wheels::WheelSaveInput input;
    input.datapath = m1().datapath;
    input.wheelgamename = input.gamename = m1().gamename;
    input.k = 6;
    input.wheeltype = 2;
    input.numballs = 24;
    for (int i = 0; i < 24; ++i) {
        input.boxes[static_cast<std::size_t>(i)] = QString::number(2 * i + 1);
    }
    input.poolsize = 49;
    input.rule = wheels::ExtraRule::Optimized;
    input.bonuspool = 26;
    for (auto _ : state) {
        const wheels::PreparedWheel w = wheels::prepareWheel(input, platform::rnd);
        benchmark::DoNotOptimize(w.bytes.size());
        if (w.problem != wheels::SaveProblem::None) {
            state.SkipWithError("the wheel was not built");
        }
    }
}

}  // namespace

// Arguments: the extra-ball option, 0 Spread, 1 Random, 2 Optimized.
BENCHMARK(BM_SaveWheelWindow)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrepareWheel)->Unit(benchmark::kMillisecond);

void setUpBenchmarks() {
    platform::setMessageHandler([](const QString& text, platform::MsgButtons buttons) {
        lastMessage = text;
        return buttons != platform::MsgButtons::Ok ? platform::MsgAnswer::Yes
                                                   : platform::MsgAnswer::Ok;
    });
    registerAppWindows();
    registerWheelWindows();
    copyWheel(QStringLiteral("6-6-5-24.whl"));
    writeHistory();
}
