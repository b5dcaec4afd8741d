// Check for Upgrade against servers that try to make it hold too much or wait too long: the
// request ends within its limit, nothing is left in the data folder, and the player is told. A
// server that never stops sending holds neither the main thread nor the program's end.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "app/app_helpers.h"
#include "platform/webservers.h"
#include "platform/windows.h"
#include "support/bytes.h"
#include "support/foldersnapshot.h"
#include "support/hostilereplies.h"
#include "support/testhttpserver.h"

namespace {

const QString kVersionPath = QStringLiteral("/dwnld/RXWversion.rtl");

class HostileUpgrade : public MainWindowTest, public ::testing::WithParamInterface<hostile::Row> {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        platform::setWebServers({server.url(), server.url(), server.url()});
        // The program's own version: the latest, when it arrives whole.
        GetParam().serve(server, kVersionPath,
                         fixture::le16(1) + fixture::le16(12) + fixture::le16(2));
    }
    Form1& startShortened(hostile::Timeouts timeouts) {
        Form1& main = start();
        main.upgradetimeout = timeouts.progress;
        main.upgradelimit = timeouts.wholeRequest;
        return main;
    }
    TestHttpServer server;
};

TEST_P(HostileUpgrade, EndsWithinItsLimitAndLeavesNothingBehind) {
    Form1& main = startShortened(hostile::timeoutsFor(GetParam()));
    const auto before = folderFiles(dataPath());
    messages().expect(GetParam().completes(hostile::Needs::Length)
                          ? "You are using the latest version"
                          : "Download failed or aborted");
    const hostile::MainThreadWatch watch;
    QElapsedTimer clock;
    clock.start();
    main.mnuUpgrade_Click();
    hostile::expectEndedInTime(GetParam(), clock);
    EXPECT_LE(watch.longestOwnGap(), hostile::kLongestStall);
    EXPECT_EQ(folderFiles(dataPath()), before);
    EXPECT_TRUE(main.mnuUpgrade->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Rows, HostileUpgrade, ::testing::ValuesIn(hostile::rows()),
                         [](const auto& info) { return std::string(info.param.name); });

using EndlessUpgrade = HostileUpgrade;

TEST_P(EndlessUpgrade, TheProgramEndsAtOnce) {
    Form1& main = startShortened(hostile::kNoShortTimeouts);
    const auto before = folderFiles(dataPath());
    QElapsedTimer sinceEnd;
    hostile::endProgramOnRequest(server, kVersionPath, sinceEnd);
    main.mnuUpgrade_Click();
    hostile::expectEndedAtOnceThenCloses(sinceEnd, [] { platform::Windows::unloadAll(); });
    EXPECT_EQ(folderFiles(dataPath()), before);
}

INSTANTIATE_TEST_SUITE_P(Rows, EndlessUpgrade, ::testing::ValuesIn(hostile::endlessRows()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
