// Downloading a results history from servers that try to make the downloader hold too much or
// wait too long: every request ends within its limit and the histories stay as they were.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "platform/webservers.h"
#include "support/hostilereplies.h"
#include "support/testhttpserver.h"
#include "updates_helpers.h"

using platform::MsgAnswer;

namespace {

const QString kPowerballPath = QStringLiteral("/results/XWQPowerball.rtl");

class HostileDownload : public UpdatesTest, public ::testing::WithParamInterface<hostile::Row> {
protected:
    void SetUp() override {
        UpdatesTest::SetUp();
        platform::setWebServers({server.url(), server.url(), server.url()});
        writeFile("Powerball.rtl", history(4));
        writeFile("MegaMillions.rtl", history(6, 20));
    }
    TestHttpServer server;
    const QByteArray served = history(7, 3);
};

TEST_P(HostileDownload, EndsWithinItsLimitAndKeepsTheHistories) {
    GetParam().serve(server, kPowerballPath, served);
    RDL& w = openRDL();
    w.requesttimeout = hostile::kProgressTimeout;
    w.requestlimit = hostile::kWholeRequest;
    w.Check[8]->setChecked(false);
    auto expected = hostile::snapshot(dataPath());
    if (GetParam().completes()) {
        expected["Powerball.rtl"] = served;
    } else {
        messages().expect(
            "The download failed or was cancelled for Powerball Do you want to try the other "
            "server?",
            MsgAnswer::No);
    }
    QElapsedTimer clock;
    clock.start();
    w.Command1_Click();
    hostile::expectEndedInTime(GetParam(), clock);
    EXPECT_EQ(w.Label1->text(),
              GetParam().completes()
                  ? "All Selected Results Downloaded Successfully."
                  : "Download Failed or Was Cancelled. Some results may not have been updated.");
    EXPECT_EQ(hostile::snapshot(dataPath()), expected);
    EXPECT_TRUE(w.Command1->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Rows, HostileDownload, ::testing::ValuesIn(hostile::rows()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
