// Downloading a results history from servers that try to make the downloader hold too much or
// wait too long: every request ends within its limit and the histories stay as they were. A
// server that never stops sending holds neither the main thread, nor the other server's
// request, nor the program's end.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "platform/webservers.h"
#include "platform/windows.h"
#include "support/foldersnapshot.h"
#include "support/hostilereplies.h"
#include "support/testhttpserver.h"
#include "updates_helpers.h"

using platform::MsgAnswer;

namespace {

const QString kPowerballPath = QStringLiteral("/results/XWQPowerball.rtl");
const QString kOtherServerPath = QStringLiteral("/dwnld/XWQPowerball.rtl");

class HostileDownload : public UpdatesTest, public ::testing::WithParamInterface<hostile::Row> {
protected:
    void SetUp() override {
        UpdatesTest::SetUp();
        platform::setWebServers({server.url(), server.url(), server.url()});
        writeFile("Powerball.rtl", history(4));
        writeFile("MegaMillions.rtl", history(6, 20));
    }
    RDL& openShortened(hostile::Timeouts timeouts) {
        RDL& w = openRDL();
        w.requesttimeout = timeouts.progress;
        w.requestlimit = timeouts.wholeRequest;
        w.Check[8]->setChecked(false);
        return w;
    }
    TestHttpServer server;
    const QByteArray served = history(7, 3);
};

TEST_P(HostileDownload, EndsWithinItsLimitAndKeepsTheHistories) {
    GetParam().serve(server, kPowerballPath, served);
    // While the first server goes on sending, the same transfer asks the other one.
    const bool otherServer = GetParam().endless;
    // The downloader needs a length header.
    const bool completes = GetParam().completes(hostile::Needs::Length);
    server.serve(kOtherServerPath, served);
    RDL& w = openShortened(hostile::timeoutsFor(GetParam()));
    auto expected = folderFiles(dataPath());
    if (completes || otherServer) {
        expected["Powerball.rtl"] = served;
    }
    if (!completes) {
        messages().expect(
            "The download failed or was cancelled for Powerball Do you want to try the other "
            "server?",
            otherServer ? MsgAnswer::Yes : MsgAnswer::No);
    }
    const hostile::MainThreadWatch watch;
    QElapsedTimer clock;
    clock.start();
    w.Command1_Click();
    hostile::expectEndedInTime(GetParam(), clock);
    EXPECT_LE(watch.longestOwnGap(), hostile::kLongestStall);
    EXPECT_EQ(w.Label1->text(),
              completes || otherServer
                  ? "All Selected Results Downloaded Successfully."
                  : "Download Failed or Was Cancelled. Some results may not have been updated.");
    EXPECT_EQ(server.requests(kOtherServerPath), otherServer ? 1 : 0);
    EXPECT_EQ(folderFiles(dataPath()), expected);
    EXPECT_TRUE(w.Command1->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Rows, HostileDownload, ::testing::ValuesIn(hostile::rows()),
                         [](const auto& info) { return std::string(info.param.name); });

using EndlessDownload = HostileDownload;

TEST_P(EndlessDownload, TheProgramEndsAtOnceAndTheHistoriesStay) {
    GetParam().serve(server, kPowerballPath, served);
    RDL& w = openShortened(hostile::kNoShortTimeouts);
    const auto before = folderFiles(dataPath());
    QElapsedTimer sinceEnd;
    hostile::endProgramOnRequest(server, kPowerballPath, sinceEnd);
    w.Command1_Click();
    hostile::expectEndedAtOnceThenCloses(sinceEnd, [] { platform::Windows::unload(RDL::kName); });
    EXPECT_EQ(folderFiles(dataPath()), before);
}

INSTANTIATE_TEST_SUITE_P(Rows, EndlessDownload, ::testing::ValuesIn(hostile::endlessRows()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
