// Peak resident set of one Download Results run through the downloader window, against a
// loopback server sending a valid history or a hostile reply. The peak of a process never goes
// down, so run each benchmark in a process of its own (--benchmark_filter=<name>/): the counters
// are the process's peak (VmHWM) and how far it rose above the resident set before the run, and
// the longest the main thread kept a 20 ms timer waiting (goal: 250 ms at most), with and
// without the time it waited for a processor, beside the machine's load. Five runs of a case, from
// the build folder: for i in 1 2 3 4 5; do bin/bench_hostile_download
// --benchmark_filter='BM_EndlessHeadersThenValid/'; done
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <limits>

#include <QCoreApplication>
#include <QDate>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include "app/Form1.h"
#include "app/appwindows.h"
#include "platform/webservers.h"
#include "platform/windows.h"
#include "shared/drawrecord.h"
#include "shared/module1.h"
#include "support/benchmain.h"
#include "support/bytes.h"
#include "support/hostilereplies.h"
#include "support/testhttpserver.h"
#include "updates/RDL.h"
#include "updates/updateswindows.h"

namespace {

const QString kPath = QStringLiteral("/results/XWQPowerball.rtl");
const QString kOtherPath = QStringLiteral("/dwnld/XWQPowerball.rtl");
constexpr qint64 k512MiB = qint64{512} * 1024 * 1024;

QByteArray history(int n) {
    QByteArray bytes;
    bytes.reserve(qsizetype{n} * DrawRecord::kSize);
    const QDate start(1950, 1, 1);
    for (int r = 1; r <= n; ++r) {
        const QDate d = start.addDays(r);
        const int b = r % 50 + 1;
        bytes += fixture::draw(r == 1 ? n : 0, r, d.day(), d.month(), d.year(),
                               {b, b + 1, b + 2, b + 3, b + 4}, 9);
    }
    return bytes;
}

qint64 statusKiB(const QByteArray& field) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(field.size()).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return -1;
}

// The machine's load over the last minute, beside which a stall is read.
double loadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? f.readLine().split(' ').value(0).toDouble() : -1;
}

// Runs the event loop for this long after the download, while the server may go on sending;
// it waits for events as an idle window does, so that a stall is the program's and not a spin
// that the machine preempted.
void keepRunning(std::chrono::milliseconds span) {
    if (span.count() <= 0) {
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(span, &loop, &QEventLoop::quit);
    loop.exec();
}

void download(benchmark::State& state, const std::function<void(TestHttpServer&)>& serve,
              const QString& expected, std::chrono::milliseconds after = {}) {
    TestHttpServer server;
    serve(server);
    platform::setWebServers({server.url(), server.url(), server.url()});
    benchsupport::writeDataFile(QStringLiteral("Powerball.rtl"), history(4));
    // Loads the main window before the measured run, as the program has when its menu opens
    // the downloader.
    platform::Windows::get<Form1>(Form1::kName);
    m1().datapath = benchsupport::dataFolder();
    const qint64 before = statusKiB("VmRSS:");
    std::chrono::milliseconds stall{0};
    std::chrono::milliseconds ownStall{0};
    for (auto _ : state) {
        const hostile::MainThreadWatch watch;
        auto* w = dynamic_cast<RDL*>(platform::Windows::show(RDL::kName));
        w->Check[8]->setChecked(false);
        w->Command1_Click();
        if (w->Label1->text() != expected) {
            state.SkipWithError(qPrintable(w->Label1->text()));
        }
        keepRunning(after);
        platform::Windows::unload(RDL::kName);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        stall = std::max(stall, watch.longestGap());
        ownStall = std::max(ownStall, watch.longestOwnGap());
    }
    const qint64 peak = statusKiB("VmHWM:");
    state.counters["peak_KiB"] = static_cast<double>(peak);
    state.counters["rise_KiB"] = static_cast<double>(peak - before);
    state.counters["stall_ms"] = static_cast<double>(stall.count());
    state.counters["own_stall_ms"] = static_cast<double>(ownStall.count());
    state.counters["load_1min"] = loadAverage();
    platform::setWebServers({});
}

const QString kDone = QStringLiteral("All Selected Results Downloaded Successfully.");
// Yes to the other server, then both tried.
const QString kFailed =
    QStringLiteral("Download Failed or Was Cancelled. Some results may not have been updated.");

void BM_ValidHistory(benchmark::State& state) {
    download(
        state, [](TestHttpServer& s) { s.serve(kPath, history(1000)); }, kDone);
}
void BM_LargestValidHistory(benchmark::State& state) {
    download(
        state, [](TestHttpServer& s) { s.serve(kPath, history(kMaxRecordCount)); }, kDone);
}
void BM_512MiBWithoutLength(benchmark::State& state) {
    download(
        state,
        [](TestHttpServer& s) {
            s.serveHuge(kPath, history(1000), k512MiB, false);
            s.serveHuge(kOtherPath, history(1000), k512MiB, false);
        },
        kFailed);
}
void BM_512MiBWithLength(benchmark::State& state) {
    download(
        state,
        [](TestHttpServer& s) {
            s.serveHuge(kPath, history(1000), k512MiB);
            s.serveHuge(kOtherPath, history(1000), k512MiB);
        },
        kFailed);
}
// The header cap ends the request at once.
void BM_EndlessHeaders(benchmark::State& state) {
    download(
        state,
        [](TestHttpServer& s) {
            s.serveEndlessHeaders(kPath);
            s.serveEndlessHeaders(kOtherPath);
        },
        kFailed);
}

// The first server sends header lines for as long as anyone reads them; the other one serves
// the history. The loop then runs 30 s more: nothing may go on reading the first reply.
void BM_EndlessHeadersThenValid(benchmark::State& state) {
    download(
        state,
        [](TestHttpServer& s) {
            s.serveEndlessHeaders(kPath);
            s.serve(kOtherPath, history(1000));
        },
        kDone, std::chrono::seconds(30));
}
// A chunk of 2^63 - 1 bytes, made as the client reads them, from both servers.
void BM_LargestChunk(benchmark::State& state) {
    const auto chunk = [](TestHttpServer& s, const QString& path) {
        TestHttpServer::Reply r;
        r.body = history(1000);
        r.chunked = true;
        r.chunkSizeLine = "7fffffffffffffff";
        r.generatedBytes = std::numeric_limits<qint64>::max() - r.body.size();
        s.setReply(path, r);
    };
    download(
        state,
        [&](TestHttpServer& s) {
            chunk(s, kPath);
            chunk(s, kOtherPath);
        },
        kFailed);
}

BENCHMARK(BM_ValidHistory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargestValidHistory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_512MiBWithoutLength)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_512MiBWithLength)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EndlessHeaders)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EndlessHeadersThenValid)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargestChunk)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

void setUpBenchmarks() {
    registerAppWindows();
    registerUpdatesWindows();
}
