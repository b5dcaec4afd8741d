// Check for Upgrade against a loopback download server: the version file compared major, minor,
// revision in order, and the menu item offered again after every outcome but leaving.
#include <gtest/gtest.h>

#include "app/app_helpers.h"
#include "platform/events.h"
#include "platform/internetcheck.h"
#include "platform/webservers.h"
#include "shared/module1.h"
#include "support/bytes.h"
#include "support/testhttpserver.h"

using namespace std::chrono_literals;
using fixture::le16;
using platform::MsgAnswer;

namespace {

const QString kVersionPath = QStringLiteral("/dwnld/RXWversion.rtl");
const char* const kLatest = "You are using the latest version";
const char* const kNewer =
    "There is a newer version available. Do you want to download and install it?";
const char* const kCannotAccess =
    "The version information cannot be currently accessed from the internet. Make sure you are "
    "currently connected to the internet or try later";
const char* const kFailed = "Download failed or aborted";

QByteArray version(int major, int minor, int revision) {
    return le16(major) + le16(minor) + le16(revision);
}

class Upgrade : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        platform::setWebServers({server.url(), server.url(), server.url()});
    }
    Form1& startChecking() {
        Form1& main = start();
        main.upgradetimeout = 500ms;
        return main;
    }
    TestHttpServer server;
};

TEST_F(Upgrade, TheMenuOffersIt) {
    Form1& main = start();
    EXPECT_TRUE(main.mnuUpgrade->isVisible());
    EXPECT_TRUE(main.mnuUpgrade->isEnabled());
}

struct Served {
    const char* label;
    QByteArray file;  // empty: nothing served (404)
    const char* message;
    bool fileKept;
};

void PrintTo(const Served& s, std::ostream* os) {
    *os << s.label;
}

class UpgradeOutcome : public Upgrade, public ::testing::WithParamInterface<Served> {};

TEST_P(UpgradeOutcome, ToldAndTheMenuOfferedAgain) {
    if (!GetParam().file.isEmpty()) {
        server.serve(kVersionPath, GetParam().file);
    }
    Form1& main = startChecking();
    messages().expect(QString::fromLatin1(GetParam().message), MsgAnswer::No);
    main.mnuUpgrade->trigger();
    EXPECT_TRUE(main.mnuUpgrade->isEnabled());
    EXPECT_EQ(exists("RXWversion.rtl"), GetParam().fileKept);
    EXPECT_TRUE(webPagesOpened.isEmpty());
    EXPECT_FALSE(platform::programEnded());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpgradeOutcome,
    ::testing::Values(Served{"Same", version(1, 12, 2), kLatest, false},
                      Served{"Older", version(1, 11, 9), kLatest, false},
                      Served{"NewerMajor", version(2, 0, 0), kNewer, false},
                      Served{"NewerMinor", version(1, 13, 0), kNewer, false},
                      Served{"NewerRevision", version(1, 12, 3), kNewer, false},
                      Served{"MajorZero", version(0, 99, 9), kCannotAccess, true},
                      Served{"Major101", version(101, 0, 0), kCannotAccess, true},
                      // Larger than a version file: refused before any of it is kept.
                      Served{"WebPage", TestHttpServer::htmlPage(), kFailed, false},
                      Served{"NotFound", {}, kFailed, false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(Upgrade, AStalledTransferEndsAtItsTimeOut) {
    server.serveAndStallAfter(kVersionPath, version(2, 0, 0), 2);
    Form1& main = startChecking();
    messages().expect(kFailed);
    main.mnuUpgrade_Click();
    EXPECT_TRUE(main.mnuUpgrade->isEnabled());
    EXPECT_FALSE(exists("RXWversion.rtl"));
}

TEST_F(Upgrade, WithoutAConnectionNothingIsFetched) {
    platform::setInternetCheckHandler({[] { return false; }, [] { return true; }});
    Form1& main = startChecking();
    messages().expect(kCannotAccess);
    main.mnuUpgrade_Click();
    EXPECT_EQ(server.totalRequests(), 0);
    EXPECT_TRUE(main.mnuUpgrade->isEnabled());
}

TEST_F(Upgrade, AStaleVersionFileIsNotRead) {
    writeFile("RXWversion.rtl", version(9, 0, 0) + QByteArray(20, '\x7f'));
    server.serve(kVersionPath, version(1, 12, 2));
    Form1& main = startChecking();
    messages().expect(kLatest);
    main.mnuUpgrade_Click();
    EXPECT_FALSE(exists("RXWversion.rtl"));
}

TEST_F(Upgrade, YesOpensTheUpgradesPageAndLeavesAsExitDoes) {
    server.serve(kVersionPath, version(2, 0, 0));
    Form1& main = startChecking();
    writeFile("Lotto05Mar2012.lot", {});
    m1().selectionfile = file("Lotto05Mar2012.lot");
    messages().expect(kNewer, MsgAnswer::Yes);
    main.mnuUpgrade_Click();
    EXPECT_EQ(webPagesOpened, QStringList{server.url("/upgrades.html")});
    EXPECT_TRUE(platform::programEnded());
    EXPECT_FALSE(exists("Lotto05Mar2012.lot"));
    EXPECT_FALSE(exists("RXWversion.rtl"));
}

}  // namespace
