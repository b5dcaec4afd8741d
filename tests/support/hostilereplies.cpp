#include "support/hostilereplies.h"

#include <algorithm>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace std::chrono_literals;

namespace hostile {
namespace {

constexpr qint64 k512MiB = qint64{512} * 1024 * 1024;
// Time the machine may add to a limit when it is busy (the suites run in parallel).
constexpr auto kSlack = 2000ms;

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
        {"EndlessHeaders",
         [](TestHttpServer& s, const QString& path, const QByteArray&) {
             s.serveEndlessHeaders(path);
         },
         Ends::AtProgressTimeout},
        // Six pieces or more 350 ms apart: longer in all than the wait for progress.
        {"DripWithinTheLimits",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             s.serveDripping(path, valid, std::max<qsizetype>(1, valid.size() / 5), 350ms);
         },
         Ends::Completing},
        // A byte every 600 ms: never a pause as long as the wait for progress.
        // and no end in sight.
        {"DripPastTheLimit",
         [](TestHttpServer& s, const QString& path, const QByteArray& valid) {
             TestHttpServer::Reply r;
             r.body = valid + QByteArray(4096, 'd');
             r.sendLength = false;
             r.dripBytes = 1;
             r.dripEvery = 600ms;
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
    };
}

void expectEndedInTime(const Row& row, const QElapsedTimer& clock) {
    const auto took = std::chrono::milliseconds(clock.elapsed());
    switch (row.ends) {
        case Ends::AtOnce:
            EXPECT_LT(took, kProgressTimeout) << "refused only by a time-out";
            break;
        case Ends::AtProgressTimeout:
            EXPECT_GE(took, kProgressTimeout - 100ms);
            EXPECT_LT(took, kProgressTimeout + kSlack);
            break;
        case Ends::AtWholeRequestLimit:
            EXPECT_GE(took, kWholeRequest - 100ms);
            EXPECT_LT(took, kWholeRequest + kSlack);
            break;
        case Ends::Completing:
            EXPECT_LT(took, kWholeRequest);
            break;
    }
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

}  // namespace hostile
