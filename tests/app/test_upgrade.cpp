// Check for Upgrade against a loopback download server: the version file compared major, minor,
// revision in order, and the menu item offered again after every outcome but leaving.
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/app_helpers.h"
#include "platform/events.h"
#include "platform/internetcheck.h"
#include "platform/webservers.h"
#include "shared/filefaults.h"
#include "shared/module1.h"
#include "support/bytes.h"
#include "support/testhttpserver.h"
#include "support/waits.h"

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
const QString kNotSaved = QStringLiteral("The version information could not be saved. ");

QByteArray version(int major, int minor, int revision) {
    return le16(major) + le16(minor) + le16(revision);
}

class Upgrade : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        platform::setWebServers({server.url(), server.url(), server.url()});
    }
    // Only a check that stalls meets a short wait for progress; no busy machine ends another
    // at this one.
    Form1& startChecking(std::chrono::milliseconds progress = kPatientWait) {
        Form1& main = start();
        main.upgradetimeout = progress;
        main.upgradelimit = kPatientWait;
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
    // Nothing received is kept, whatever the outcome.
    EXPECT_FALSE(exists("RXWversion.rtl"));
    EXPECT_FALSE(exists("RXWversion.rtl.part"));
    EXPECT_TRUE(webPagesOpened.isEmpty());
    EXPECT_FALSE(platform::programEnded());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpgradeOutcome,
    ::testing::Values(Served{"Same", version(1, 12, 2), kLatest},
                      Served{"Older", version(1, 11, 9), kLatest},
                      Served{"NewerMajor", version(2, 0, 0), kNewer},
                      Served{"NewerMinor", version(1, 13, 0), kNewer},
                      Served{"NewerRevision", version(1, 12, 3), kNewer},
                      Served{"MajorZero", version(0, 99, 9), kCannotAccess},
                      Served{"Major101", version(101, 0, 0), kCannotAccess},
                      // Larger than a version file: refused before any of it is kept.
                      Served{"WebPage", TestHttpServer::htmlPage(), kFailed},
                      Served{"NotFound", {}, kFailed}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(Upgrade, AStalledTransferEndsAtItsTimeOut) {
    server.serveAndStallAfter(kVersionPath, version(2, 0, 0), 2);
    Form1& main = startChecking(500ms);
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

// What is received is kept only as one whole, sound version record: a short reply, a small page,
// a failure to write it or to give it its name all leave the data folder as it was.
class UpgradeReceived : public Upgrade {};

TEST_F(UpgradeReceived, NoWholeSoundRecordIsRefusedAndNothingKept) {
    const std::vector<std::pair<const char*, QByteArray>> cases = {
        // Read as 1.13.0 with its missing byte as zero, it used to offer an upgrade.
        {"five bytes of a record", version(1, 13, 0).left(5)},
        {"a page of a record's size", "<html>"},
        {"major 0", version(0, 12, 2)},
        {"major 101", version(101, 0, 0)},
        {"major negative", version(-1, 0, 0)},
    };
    Form1& main = startChecking();
    const Files before = dataFiles();
    for (const auto& [what, reply] : cases) {
        SCOPED_TRACE(what);
        server.serve(kVersionPath, reply);
        messages().expect(kCannotAccess);
        main.mnuUpgrade_Click();
        EXPECT_TRUE(main.mnuUpgrade->isEnabled());
        EXPECT_EQ(dataFiles(), before);
    }
}

TEST_F(UpgradeReceived, ALeftoverOfAnEndedCheckIsRemovedBeforeTheTransferStarts) {
    Form1& main = startChecking();
    const Files before = dataFiles();
    writeFile("RXWversion.rtl.part", version(9, 0, 0));
    // Cut off, so that it fails at once; looked at the moment the request arrives.
    server.serveAndCloseAfter(kVersionPath, version(2, 0, 0), 2);
    bool leftoverAtRequest = true;
    server.onRequest([&](const QString& path) {
        if (path == kVersionPath) {
            leftoverAtRequest = exists("RXWversion.rtl.part");
        }
    });
    messages().expect(kFailed);
    main.mnuUpgrade_Click();
    EXPECT_FALSE(leftoverAtRequest);
    EXPECT_EQ(dataFiles(), before);
}

// A failure of the data folder is no failed transfer: it is told with the system's reason, and
// the check is offered again once the player has made room.
TEST_F(UpgradeReceived, AFileThatCannotBeWrittenIsToldAsNotSavedAndLeavesNothing) {
    const std::vector<std::pair<const char*, FileFaults::Step>> cases = {
        {"write", FileFaults::Step::Write},
        {"flush", FileFaults::Step::Flush},
    };
    server.serve(kVersionPath, version(2, 0, 0));
    Form1& main = startChecking();
    const Files before = dataFiles();
    for (const auto& [what, step] : cases) {
        SCOPED_TRACE(what);
        fileFaults().failAt(step, 1);
        messages().expect(kNotSaved + FileFaults::reason(step));
        main.mnuUpgrade_Click();
        EXPECT_TRUE(main.mnuUpgrade->isEnabled());
        EXPECT_EQ(dataFiles(), before);
        EXPECT_TRUE(webPagesOpened.isEmpty());
    }
    // The same server, the data folder mended: the check goes on as before.
    messages().expect(kNewer, MsgAnswer::No);
    main.mnuUpgrade_Click();
    EXPECT_EQ(dataFiles(), before);
}

TEST_F(UpgradeReceived, AVersionFileThePlayerMayOnlyReadIsKeptAndTheCheckGoesOn) {
    // The received record is only compared, never named: the read-only file stays as it is.
    writeFile("RXWversion.rtl", version(9, 0, 0));
    ASSERT_TRUE(QFile::setPermissions(file("RXWversion.rtl"), QFileDevice::ReadOwner));
    server.serve(kVersionPath, version(2, 0, 0));
    Form1& main = startChecking();
    const Files before = dataFiles();
    messages().expect(kNewer, MsgAnswer::No);
    main.mnuUpgrade_Click();
    EXPECT_TRUE(main.mnuUpgrade->isEnabled());
    EXPECT_EQ(dataFiles(), before);
    EXPECT_FALSE(QFile::permissions(file("RXWversion.rtl")).testFlag(QFileDevice::WriteOwner));
}

}  // namespace
