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

// `count` interim replies, each a header of `lines` lines (status line and end included).
QByteArray earlyHints(int count, int lines) {
    QByteArray one = "HTTP/1.1 103 Early Hints\r\n";
    for (int i = 0; i < lines - 2; ++i) {
        one += "Link: </s" + QByteArray::number(i) + ".css>; rel=preload\r\n";
    }
    return (one + "\r\n").repeated(count);
}

void serveChunkedWithTrailers(TestHttpServer& s, const QString& path, const QByteArray& valid,
                              const QByteArray& trailers) {
    TestHttpServer::Reply r;
    r.body = valid;
    r.chunked = true;
    r.trailers = trailers;
    s.setReply(path, r);
}

// Twenty header lines of no meaning, as a busy site sends.
QByteArray twentyLines() {
    QByteArray lines;
    for (int i = 0; i < 20; ++i) {
        lines += "X-Site-" + QByteArray::number(i) + ": " + QByteArray(40, 's') + "\r\n";
    }
    return lines;
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
        // An interim reply's header counts toward the caps of the reply that follows it.
        {"FourEarlyHintsOf90Lines",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             TestHttpServer::Reply r;
             r.body = valid;
             r.interim = earlyHints(4, 90);
             s.setReply(path, r);
         },
         Ends::AtOnce},
        // Trailers are never a header of the reply, whatever they look like.
        {"TrailersPosingAsAReply",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             serveChunkedWithTrailers(
                 s, path, valid,
                 "HTTP/1.1: x\r\nContent-Length: " + QByteArray::number(valid.size()) + "\r\n");
         },
         Ends::Completing, false, true},
        {"ChunkedWithTrailers",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             serveChunkedWithTrailers(s, path, valid, "X-Checksum: 0\r\nExpires: 0\r\n");
         },
         Ends::Completing, false, true},
        {"GzipTransferEncoding",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             s.serveGzipTransfer(path, valid);
         },
         Ends::AtOnce},
        // Each reply of a redirect chain has caps of its own: more lines in all than one may hold.
        {"FiveRepliesOf20HeaderLines",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             TestHttpServer::Reply r;
             r.extraHeaders = twentyLines();
             r.status = 302;
             for (int i = 1; i <= 4; ++i) {
                 r.location = s.url(path + ".r" + QString::number(i)).toUtf8();
                 s.setReply(i == 1 ? path : path + ".r" + QString::number(i - 1), r);
             }
             r.status = 200;
             r.location.clear();
             r.body = valid;
             s.setReply(path + ".r4", r);
         },
         Ends::Completing},
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

void expectEndedAtOnceThenCloses(const QElapsedTimer& ended, const std::function<void()>& close) {
    ASSERT_TRUE(ended.isValid()) << "the program was not ended";
    EXPECT_LT(std::chrono::milliseconds(ended.elapsed()), kEndsWithin);
    QElapsedTimer closing;
    closing.start();
    close();
    EXPECT_LT(std::chrono::milliseconds(closing.elapsed()), kEndsWithin);
}

}  // namespace hostile
