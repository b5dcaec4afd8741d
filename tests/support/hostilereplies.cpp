#include "support/hostilereplies.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <limits>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "platform/events.h"

using namespace std::chrono_literals;

namespace hostile {
namespace {

constexpr qint64 k512MiB = qint64{512} * 1024 * 1024;

void serveChunk(TestHttpServer& s, const QString& path, const QByteArray& valid,
                const QByteArray& sizeLine, qint64 generated) {
    TestHttpServer::Reply r;
    r.body = valid;
    r.chunked = true;
    r.chunkSizeLine = sizeLine;
    r.generatedBytes = generated;
    s.setReply(path, r);
}

using Endless = TestHttpServer::Reply::Endless;
using Tls = TestHttpServer::Tls;

}  // namespace

std::vector<Row> rows() {
    return {
        {"GiganticLengthHeader",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             TestHttpServer::Reply r;
             r.body = valid;
             r.claimedLength = qint64{1} << 60;
             r.stallAfter = valid.size();
             s.setReply(path, r);
         },
         Ends::AtOnce},
        {"HugeWithLength",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             s.serveHuge(path, valid, k512MiB);
         },
         Ends::AtOnce},
        {"HugeWithoutLength",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             s.serveHuge(path, valid, k512MiB, false);
         },
         Ends::AtOnce},
        {"MoreThanTheLengthHeader",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             TestHttpServer::Reply r;
             r.body = valid;
             r.generatedBytes = k512MiB;
             r.claimedLength = valid.size();
             s.setReply(path, r);
         },
         Ends::Completing},
        // Endless rows: the cap on the response header, on a chunk size or on the body ends
        // them at once, however long the server goes on.
        {"EndlessHeaders",
         [](TestHttpServer& s, const QString& path, const QByteArray&) {
             s.serveEndlessHeaders(path);
         },
         Ends::AtOnce, true},
        {"EndlessShortHeaderLines",
         [](TestHttpServer& s, const QString& path, const QByteArray&) {
             s.serveEndless(path, Endless::ShortHeaderLines);
         },
         Ends::AtOnce, true},
        {"EndlessHeaderLine",
         [](TestHttpServer& s, const QString& path, const QByteArray&) {
             s.serveEndless(path, Endless::HeaderLine);
         },
         Ends::AtOnce, true},
        {"EndlessChunkSizeLine",
         [](TestHttpServer& s, const QString& path, const QByteArray&) {
             s.serveEndless(path, Endless::ChunkSizeLine);
         },
         Ends::AtOnce, true},
        {"EndlessChunkExtension",
         [](TestHttpServer& s, const QString& path, const QByteArray&) {
             s.serveEndless(path, Endless::ChunkExtension);
         },
         Ends::AtProgressTimeout, true},
        // The valid reply, then bytes for as long as the client reads them.
        {"ChunkSize7fffffffffffffff",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             serveChunk(s, path, valid, "7fffffffffffffff",
                        std::numeric_limits<qint64>::max() - valid.size());
         },
         Ends::AtOnce, true},
        {"ChunkSizePast64Bits",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             serveChunk(s, path, valid, "10000000000000000", 0);
         },
         Ends::AtOnce},
        // Sent though the request never offered it: what the caps counted is not what is kept.
        {"CompressedBody",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             s.serveGzip(path, valid);
         },
         Ends::AtOnce},
        // Six pieces or more 600 ms apart: longer in all than the wait for progress.
        {"DripWithinTheLimits",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             s.serveDripping(path, valid, std::max<qsizetype>(1, valid.size() / 5), 600ms);
         },
         Ends::CompletingPastTheProgressWait},
        // A byte every 1.5 s, and no end in sight: the seventh byte, past the smallest largest
        // reply (a version file), comes long after the whole-request limit and its slack.
        {"DripPastTheLimit",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             TestHttpServer::Reply r;
             r.body = valid + QByteArray(4096, 'd');
             r.sendLength = false;
             r.dripBytes = 1;
             r.dripEvery = 1500ms;
             s.setReply(path, r);
         },
         Ends::AtWholeRequestLimit},
        {"Stall",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             s.serveAndStallAfter(path, valid, valid.size() / 2);
         },
         Ends::AtProgressTimeout},
        {"RedirectLoop",
         [](TestHttpServer& s, const QString& path, const QByteArray&) { s.redirectLoop(path); },
         Ends::AtOnce},
        {"TwoRedirects",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             s.redirect(path, s.url(path + ".moved"), 301);
             s.redirect(path + ".moved", s.url(path + ".here"));
             s.serve(path + ".here", valid);
         },
         Ends::Completing},
        // The https rows begin at the plain server, which sends the request on.
        {"Https",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             TestHttpServer& tls = s.peer(Tls::Trusted);
             tls.serve(path, valid);
             s.redirect(path, tls.url(path));
         },
         Ends::Completing},
        {"HttpsToHttp",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             TestHttpServer& tls = s.peer(Tls::Trusted);
             tls.redirect(path, s.url(path + ".plain"));
             s.serve(path + ".plain", valid);
             s.redirect(path, tls.url(path));
         },
         Ends::AtOnce},
        {"UntrustedCertificate",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             TestHttpServer& tls = s.peer(Tls::Untrusted);
             tls.serve(path, valid);
             s.redirect(path, tls.url(path));
         },
         Ends::AtOnce},
    };
}

std::vector<Row> endlessRows() {
    std::vector<Row> endless;
    std::ranges::copy_if(rows(), std::back_inserter(endless), &Row::endless);
    return endless;
}

void endProgramOnRequest(TestHttpServer& server, const QString& path, QElapsedTimer& ended) {
    server.onRequest([path, &ended](const QString& requested) {
        if (requested == path && !platform::programEnded()) {
            ended.start();
            platform::endProgram();
        }
    });
}

Timeouts timeoutsFor(const Row& row) {
    switch (row.ends) {
        case Ends::AtProgressTimeout:
            return {kProgressTimeout, kPatient};
        case Ends::AtWholeRequestLimit:
            return {kPatient, kWholeRequest};
        case Ends::CompletingPastTheProgressWait:
            return {kDripProgressTimeout, kPatient};
        case Ends::AtOnce:
        case Ends::Completing:
            break;
    }
    return kNoShortTimeouts;
}

void expectEndedInTime(const Row& row, const QElapsedTimer& clock) {
    const auto took = std::chrono::milliseconds(clock.elapsed());
    // Each limit is measured by the program from a moment after `clock` started.
    switch (row.ends) {
        case Ends::AtOnce:
        case Ends::Completing:
            EXPECT_LT(took, kPatient) << "ended only by a time-out";
            break;
        case Ends::AtProgressTimeout:
            EXPECT_GE(took, kProgressTimeout - 100ms);
            EXPECT_LT(took, kProgressTimeout + kSlack);
            break;
        case Ends::AtWholeRequestLimit:
            EXPECT_GE(took, kWholeRequest - 100ms);
            EXPECT_LT(took, kWholeRequest + kSlack);
            break;
        case Ends::CompletingPastTheProgressWait:
            EXPECT_GE(took, kDripProgressTimeout - 100ms)
                << "the reply came sooner than the row means";
            EXPECT_LT(took, kPatient) << "ended only by a time-out";
            break;
    }
}

qint64 runQueueWait() {
    // schedstat: time on a processor, time waiting for one (both ns), slices run.
    std::FILE* f = std::fopen("/proc/thread-self/schedstat", "r");
    if (f == nullptr) {
        return 0;
    }
    unsigned long long running = 0;
    unsigned long long waiting = 0;
    const bool read = std::fscanf(f, "%llu %llu", &running, &waiting) == 2;
    std::fclose(f);
    return read ? static_cast<qint64>(waiting) : 0;
}

MainThreadWatch::MainThreadWatch() {
    timer_.setInterval(20ms);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    queuedAtTick_ = runQueueWait();
    sinceTick_.start();
    timer_.start();
}

void MainThreadWatch::tick() {
    const qint64 gapNs = sinceTick_.nsecsElapsed();
    sinceTick_.restart();
    const qint64 queued = runQueueWait();
    longest_ = std::max(longest_, gapNs / 1'000'000);
    longestOwn_ = std::max(longestOwn_, (gapNs - (queued - queuedAtTick_)) / 1'000'000);
    queuedAtTick_ = queued;
}

std::chrono::milliseconds MainThreadWatch::longestGap() const {
    return std::chrono::milliseconds(std::max(longest_, sinceTick_.elapsed()));
}

std::chrono::milliseconds MainThreadWatch::longestOwnGap() const {
    const qint64 sinceNs = sinceTick_.nsecsElapsed() - (runQueueWait() - queuedAtTick_);
    return std::chrono::milliseconds(std::max(longestOwn_, sinceNs / 1'000'000));
}

std::map<QString, QByteArray> snapshot(const QString& folder) {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        QFile f(QDir(folder).filePath(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        files[name] = f.readAll();
    }
    return files;
}

void expectEndedAtOnceThenCloses(const QElapsedTimer& ended, const std::function<void()>& close) {
    ASSERT_TRUE(ended.isValid()) << "the program was not ended";
    EXPECT_LT(std::chrono::milliseconds(ended.elapsed()), kEndsWithin);
    QElapsedTimer closing;
    closing.start();
    close();
    EXPECT_LT(std::chrono::milliseconds(closing.elapsed()), kEndsWithin);
}

}  // namespace hostile
