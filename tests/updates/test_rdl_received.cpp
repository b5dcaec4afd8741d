// What the downloader does with what it receives: a reply that is no whole, sound history is
// refused as a damaged download; nothing received is ever left in the data folder or installed
// part-received; a failure of the data folder itself is told as such, with the system's reason.
#include <cerrno>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include <QDir>

#include "platform/webservers.h"
#include "shared/filefaults.h"
#include "support/bytes.h"
#include "support/smalldisk.h"
#include "support/testhttpserver.h"
#include "support/waits.h"
#include "updates_helpers.h"

using namespace std::chrono_literals;
using platform::MsgAnswer;
using Step = FileFaults::Step;

namespace {

const QString kPowerballPath = QStringLiteral("/results/XWQPowerball.rtl");
const char* const kCorrupt =
    "The download was corrupt for Powerball Do you want to continue downloading the other "
    "results?";
const char* const kNotSaved = "The results could not be saved. %1";
const char* const kFailedSome = "Download Failed. Some results may not have been updated.";

class Received : public UpdatesTest {
protected:
    void SetUp() override {
        UpdatesTest::SetUp();
        platform::setWebServers({server.url(), server.url(), server.url()});
    }
    void writeHistories() const {
        writeFile("Powerball.rtl", kLocalPowerball);
        writeFile("MegaMillions.rtl", kLocalMegaMillions);
    }
    // The downloader with only Powerball checked.
    RDL& open() {
        RDL& w = openRDL();
        w.requesttimeout = kPatientWait;  // no busy machine ends a reply at this one
        w.Check[8]->setChecked(false);
        return w;
    }

    TestHttpServer server;
    const QByteArray kLocalPowerball = history(4);
    const QByteArray kLocalMegaMillions = history(6, 20);
};

struct Hostile {
    const char* label;
    QByteArray body;  // served with status 200 and its true length
};

void PrintTo(const Hostile& h, std::ostream* os) {
    *os << h.label;
}

QByteArray withCount(QByteArray bytes, long count) {
    return bytes.replace(0, 4, fixture::le32(count));
}

class HostileReply : public Received, public ::testing::WithParamInterface<Hostile> {};

TEST_P(HostileReply, IsADamagedDownloadAndLeavesNothingBehind) {
    writeHistories();
    const Files before = dataFiles();
    server.serve(kPowerballPath, GetParam().body);
    RDL& w = open();
    messages().expect(kCorrupt, MsgAnswer::Yes);
    w.Command1_Click();
    EXPECT_EQ(w.Label1->text(), "Some Selected Results Failed to Download.");
    EXPECT_EQ(dataFiles(), before);
}

struct Histories : UpdatesTest {
    using UpdatesTest::history;
};
const QByteArray kSeven = Histories::history(7, 3);

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileReply,
    ::testing::Values(Hostile{"HtmlWith200", TestHttpServer::htmlPage()},
                      // 28 bytes: one whole record after the counted draws.
                      Hostile{"SevenDrawsThen28BytesOfHtml",
                              kSeven + "<!DOCTYPE html><html></html>"},
                      Hostile{"SevenDrawsThenAPieceOfARecord", kSeven + "<html>"},
                      Hostile{"SevenDrawsThenZeros", kSeven + QByteArray(28, '\0')},
                      Hostile{"CountAboveTheDrawsHeld", withCount(kSeven, 8)},
                      Hostile{"CountZero", withCount(kSeven, 0)},
                      Hostile{"CountNegative", withCount(kSeven, -7)},
                      Hostile{"CountAboveWhatAHistoryHolds", withCount(kSeven, 40000)}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(Received, DrawsAfterTheCountedOnesAreInstalledAsTheyCame) {
    // As a deletion leaves a history: the last draw moved down, its old record still there.
    const QByteArray served = withCount(kSeven, 6);
    writeHistories();
    Files expected = dataFiles();
    expected["Powerball.rtl"] = served.toStdString();
    server.serve(kPowerballPath, served);
    RDL& w = open();
    w.Command1_Click();
    EXPECT_EQ(w.Label1->text(), "All Selected Results Downloaded Successfully.");
    EXPECT_EQ(dataFiles(), expected);
}

TEST_F(Received, ALeftoverOfAnEndedRunIsRemovedBeforeTheTransferStarts) {
    writeHistories();
    const Files before = dataFiles();
    writeFile("XWQPowerball.rtl.part", kSeven.left(100));
    // Cut off, so that it fails at once; looked at the moment the request arrives.
    server.serveAndCloseAfter(kPowerballPath, kSeven, 56);
    RDL& w = open();
    bool leftoverAtRequest = true;
    server.onRequest([&](const QString& path) {
        if (path == kPowerballPath) {
            leftoverAtRequest = exists("XWQPowerball.rtl.part");
        }
    });
    messages().expect(
        "The download failed or was cancelled for Powerball Do you want to try the other server?",
        MsgAnswer::No);
    w.Command1_Click();
    EXPECT_FALSE(leftoverAtRequest);
    EXPECT_EQ(dataFiles(), before);
}

class SaveFailure : public Received, public ::testing::WithParamInterface<Step> {};

TEST_P(SaveFailure, IsToldWithItsReasonNotAsATransferFailure) {
    writeHistories();
    const Files before = dataFiles();
    server.serve(kPowerballPath, history(20));
    RDL& w = open();
    fileFaults().failAt(GetParam(), 1);
    messages().expect(QString::fromLatin1(kNotSaved).arg(FileFaults::reason(GetParam())));
    w.Command1_Click();
    EXPECT_EQ(w.Label1->text(), kFailedSome);
    EXPECT_EQ(server.requests("/dwnld/XWQPowerball.rtl"), 0);
    EXPECT_EQ(dataFiles(), before);
}

INSTANTIATE_TEST_SUITE_P(Steps, SaveFailure, ::testing::Values(Step::Write, Step::Flush),
                         [](const auto& info) {
                             return std::string(info.param == Step::Write ? "Write" : "Flush");
                         });

TEST_F(Received, OnARealFullDiskTheSystemsReasonIsShown) {
    SmallDisk disk(dataPath());
    if (!disk.mounted()) {
        GTEST_SKIP() << "this machine refuses to mount a small file system here ("
                     << disk.why().toStdString() << "); it needs root";
    }
    writeHistories();
    ASSERT_TRUE(disk.fill());
    const Files before = dataFiles();
    server.serve(kPowerballPath, history(200));
    RDL& w = open();
    messages().expect(QString::fromLatin1(kNotSaved).arg(qt_error_string(ENOSPC)));
    w.Command1_Click();
    EXPECT_EQ(w.Label1->text(), kFailedSome);
    EXPECT_EQ(dataFiles(), before);
}

// The bar shows what was done: a game whose file the data folder refused, however far its transfer
// had gone, has nothing done. 560 bytes arrive in three chunks (45 %, 91 %, 100 %).
struct Refused {
    const char* label;
    Step step;
    int n;
    const char* message;  // %1: the reason
};

void PrintTo(const Refused& r, std::ostream* os) {
    *os << r.label;
}

class ProgressAfterASaveFailure : public Received, public ::testing::WithParamInterface<Refused> {};

TEST_P(ProgressAfterASaveFailure, ShowsNothingDone) {
    writeHistories();
    const Files before = dataFiles();
    server.serve(kPowerballPath, history(20));
    RDL& w = open();
    int highest = 0;
    QObject::connect(w.ProgressBar1, &QProgressBar::valueChanged, &w,
                     [&](int v) { highest = std::max(highest, v); });
    fileFaults().failAt(GetParam().step, GetParam().n);
    messages().expect(
        QString::fromLatin1(GetParam().message).arg(FileFaults::reason(GetParam().step)));
    w.Command1_Click();
    EXPECT_GT(highest, 0);
    EXPECT_EQ(w.ProgressBar1->value(), 0);
    EXPECT_EQ(dataFiles(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgressAfterASaveFailure,
    ::testing::Values(Refused{"ThirdChunk", Step::Write, 3, kNotSaved},
                      Refused{"FlushOfTheWholeFile", Step::Flush, 1, kNotSaved},
                      // The backup's commit is the first, the new history's the second.
                      Refused{"NewHistory", Step::Commit, 2,
                              "The results for Powerball could not be replaced (%1). Your "
                              "results for Powerball were not changed."}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
