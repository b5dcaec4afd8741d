// Print Playslips of 2,500 entries (6 numbers and an extra each) onto 5-board playslips through
// the recording printer: 500 print jobs of 35 marks.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "app/Form1.h"
#include "app/appwindows.h"
#include "platform/application.h"
#include "platform/messagebox.h"
#include "platform/windows.h"
#include "playslips/PrintManager.h"
#include "playslips/logic/playslipconfig.h"
#include "playslips/playslipswindows.h"
#include "shared/drawrecord.h"
#include "shared/module1.h"
#include "support/benchmain.h"
#include "support/recordingprinter.h"

namespace {

constexpr int kEntries = 2500;

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

void BM_PrintPlayslips(benchmark::State& state) {
    QTemporaryDir dir;
    PlayslipConfig config;
    config.setWidth(25);
    config.setBoards(5);
    config.setLength(150);
    config.setHorizmain(-1);
    for (int d = 1; d <= 10; ++d) {
        for (int b = 1; b <= 65; ++b) {
            config.setMark(BallSet::Main, b, d, Coord::X, static_cast<float>(10 + b));
            config.setMark(BallSet::Main, b, d, Coord::Y, static_cast<float>(20 * d));
            config.setMark(BallSet::Extra, b, d, Coord::X, static_cast<float>(100 + b));
            config.setMark(BallSet::Extra, b, d, Coord::Y, static_cast<float>(20 * d + 10));
        }
    }
    writeBytes(dir.filePath(QStringLiteral("Lotto.dat")), config.bytes());
    DrawImage entries;
    for (int i = 1; i <= kEntries; ++i) {
        DrawRecord r;
        r.count = i == 1 ? kEntries : 0;
        for (int j = 0; j < 6; ++j) {
            r.balls[static_cast<std::size_t>(j)] = static_cast<qint16>((i + 7 * j) % 49 + 1);
        }
        r.extra = static_cast<qint16>(i % 10 + 1);
        entries.write(i, r);
    }
    writeBytes(dir.filePath(QStringLiteral("Lotto.lot")), entries.bytes());

    resetModule1();
    platform::setAppPath(dir.path());
    platform::setMessageHandler([](const QString& text, platform::MsgButtons) {
        qFatal("unexpected message: %s", qPrintable(text));
        return platform::MsgAnswer::Ok;
    });
    platform::setPrinterSystem(std::make_unique<platform::RecordingPrinterSystem>());
    registerAppWindows();
    registerPlayslipsWindows();
    auto* main = platform::Windows::get<Form1>(Form1::kName);
    Module1& m = m1();
    m.datapath = dir.path();
    m.printeravailable = true;
    m.gamename = QStringLiteral("Lotto");
    m.mainpool = 49;
    m.bonuspool = 10;
    m.mainperentry = 6;
    m.bonusperentry = 1;
    m.selectionfile = dir.filePath(QStringLiteral("Lotto.lot"));
    for (int i = 0; i < kEntries; ++i) {
        main->List1->addItem(QStringLiteral("entry"));
    }
    main->mnuTicketPrinting_Click();
    auto* w = platform::Windows::live<PrintManager>(PrintManager::kName);
    for (auto _ : state) {
        state.PauseTiming();
        auto printer = std::make_unique<platform::RecordingPrinterSystem>();
        auto* recording = printer.get();
        recording->select(QStringLiteral("Recording Printer"));
        platform::setPrinterSystem(std::move(printer));
        state.ResumeTiming();
        w->Command2_Click();
        if (recording->documents().size() != kEntries / 5) {
            state.SkipWithError("not every slip printed");
        }
    }
    platform::Windows::unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(BM_PrintPlayslips)->Unit(benchmark::kMillisecond);

}  // namespace

// Every benchmark starts its own program on its own data folder.
void setUpBenchmarks() {}
