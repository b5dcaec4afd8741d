// The download run against a loopback server: every way a transfer ends, and the game's history
// byte for byte as it was whenever a download did not succeed.
#include <cstdio>
#include <string_view>

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "app/Form1.h"
#include "platform/events.h"
#include "platform/webservers.h"
#include "platform/windows.h"
#include "shared/filefaults.h"
#include "shared/module1.h"
#include "support/bytes.h"
#include "support/testhttpserver.h"
#include "support/waits.h"
#include "updates_helpers.h"

using namespace std::chrono_literals;
using platform::MsgAnswer;
using platform::Windows;

namespace {

const QString kPowerballPath = QStringLiteral("/results/XWQPowerball.rtl");
const QString kMegaMillionsPath = QStringLiteral("/results/XWQMegaMillions.rtl");
const char* const kFailedAskOther =
    "The download failed or was cancelled for Powerball Do you want to try the other server?";
const char* const kCorrupt =
    "The download was corrupt for Powerball Do you want to continue downloading the other "
    "results?";
const char* const kFailedLabel =
    "Download Failed or Was Cancelled. Some results may not have been updated.";

class Download : public UpdatesTest {
protected:
    void SetUp() override {
        UpdatesTest::SetUp();
        platform::setWebServers({server.url(), server.url(), server.url()});
        writeFile("Powerball.rtl", kLocalPowerball);
        writeFile("MegaMillions.rtl", kLocalMegaMillions);
    }
    // The downloader with only Powerball checked, unless both are asked for.
    RDL& open(bool both = false) {
        RDL& w = openRDL();
        // Only a case that stalls meets a short wait for progress; no busy machine ends
        // another at this one.
        w.requesttimeout = kPatientWait;
        w.Check[8]->setChecked(both);
        return w;
    }
    QStringList files() const {
        return QDir(dataPath()).entryList({QStringLiteral("*.rtl")}, QDir::Files, QDir::Name);
    }
    // Both histories byte for byte as before, and nothing received or backed up left behind.
    void expectHistoriesUnchanged() {
        EXPECT_EQ(readFile("Powerball.rtl"), kLocalPowerball);
        EXPECT_EQ(readFile("MegaMillions.rtl"), kLocalMegaMillions);
        EXPECT_EQ(files(), (QStringList{"MegaMillions.rtl", "Powerball.rtl"}));
    }
    static bool idle(const RDL& w) {
        return w.Command1->isEnabled() && w.Command3->isEnabled() && !w.Command2->isEnabled();
    }

    TestHttpServer server;
    const QByteArray kLocalPowerball = history(4);
    const QByteArray kLocalMegaMillions = history(6, 20);
    const QByteArray kServedPowerball = history(7, 3);
    const QByteArray kServedMegaMillions = history(9, 30);
};

TEST_F(Download, GoodFilesReplaceBothHistoriesByteForByte) {
    server.serve(kPowerballPath, kServedPowerball);
    server.serve(kMegaMillionsPath, kServedMegaMillions);
    RDL& w = open(true);
    w.Command1_Click();
    EXPECT_EQ(w.Label1->text(), "All Selected Results Downloaded Successfully.");
    EXPECT_EQ(readFile("Powerball.rtl"), kServedPowerball);
    EXPECT_EQ(readFile("MegaMillions.rtl"), kServedMegaMillions);
    EXPECT_EQ(files(), (QStringList{"MegaMillions.rtl", "Powerball.rtl"}));
    EXPECT_EQ(w.Text1->text(), "Downloading MegaMillions");
    EXPECT_EQ(w.ProgressBar1->value(), 100);
    EXPECT_TRUE(idle(w));
}

TEST_F(Download, TheMainWindowsMenuWaitsForItAndGetsItBackAfterClose) {
    server.serve(kPowerballPath, kServedPowerball);
    Form1& main = *Windows::get<Form1>(Form1::kName);
    QTimer::singleShot(0, &main, [this, &main] {
        auto* w = Windows::live<RDL>(RDL::kName);
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(main.isEnabled());
        w->Check[8]->setChecked(false);
        w->Command1->click();
        EXPECT_EQ(w->Label1->text(), "All Selected Results Downloaded Successfully.");
        w->Command3->click();
    });
    main.mnuResults_Click();
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(Windows::find(RDL::kName), nullptr);
    EXPECT_EQ(readFile("Powerball.rtl"), kServedPowerball);
}

TEST_F(Download, AStaleReceivedFileLeavesNoTailInTheHistory) {
    writeFile("XWQPowerball.rtl.part", history(30));
    // A file under the server's name is the player's (the loader takes it from any folder).
    writeFile("XWQPowerball.rtl", history(12));
    server.serve(kPowerballPath, kServedPowerball);
    RDL& w = open();
    w.Command1_Click();
    EXPECT_EQ(readFile("Powerball.rtl"), kServedPowerball);
    EXPECT_FALSE(exists("XWQPowerball.rtl.part"));
    EXPECT_EQ(readFile("XWQPowerball.rtl"), history(12));
    EXPECT_EQ(w.Label1->text(), "All Selected Results Downloaded Successfully.");
}

// A transfer that fails: the other server is offered; No ends the run with the history kept.
struct Failing {
    const char* label;
    void (*serve)(TestHttpServer&, const QByteArray&);
};

void PrintTo(const Failing& f, std::ostream* os) {
    *os << f.label;
}

class FailedTransfer : public Download, public ::testing::WithParamInterface<Failing> {};

TEST_P(FailedTransfer, OffersTheOtherServerAndKeepsTheHistory) {
    GetParam().serve(server, kServedPowerball);
    RDL& w = open();
    if (std::string_view(GetParam().label) == "Stall") {
        w.requesttimeout = 500ms;
    }
    messages().expect(kFailedAskOther, MsgAnswer::No);
    w.Command1_Click();
    EXPECT_EQ(w.Label1->text(), kFailedLabel);
    expectHistoriesUnchanged();
    EXPECT_TRUE(idle(w));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedTransfer,
    ::testing::Values(
        Failing{"NotFound", [](TestHttpServer&, const QByteArray&) {}},
        Failing{"ServerError",
                [](TestHttpServer& s, const QByteArray&) { s.serveStatus(kPowerballPath, 500); }},
        Failing{"Truncated",
                [](TestHttpServer& s, const QByteArray& b) {
                    s.serveAndCloseAfter(kPowerballPath, b, 100);
                }},
        Failing{"LengthAboveTheBody",
                [](TestHttpServer& s, const QByteArray& b) {
                    s.serveWithLength(kPowerballPath, b, b.size() + 28);
                }},
        Failing{"NoLengthHeader",
                [](TestHttpServer& s, const QByteArray& b) {
                    s.serveWithoutLength(kPowerballPath, b);
                }},
        Failing{"Stall", [](TestHttpServer& s,
                            const QByteArray& b) { s.serveAndStallAfter(kPowerballPath, b, 56); }},
        Failing{"Refused",
                [](TestHttpServer&, const QByteArray&) {
                    platform::setWebServers({TestHttpServer::refusedUrl(),
                                             TestHttpServer::refusedUrl(),
                                             TestHttpServer::refusedUrl()});
                }}),
    [](const auto& info) { return std::string(info.param.label); });

// A file that arrives whole but is no results history: refused as corrupt.
class RefusedFile : public Download, public ::testing::WithParamInterface<Failing> {};

TEST_P(RefusedFile, IsReportedCorruptAndTheHistoryKept) {
    GetParam().serve(server, kServedPowerball);
    RDL& w = open();
    messages().expect(kCorrupt, MsgAnswer::Yes);
    w.Command1_Click();
    EXPECT_EQ(w.Label1->text(), "Some Selected Results Failed to Download.");
    expectHistoriesUnchanged();
    EXPECT_TRUE(idle(w));
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedFile,
                         ::testing::Values(Failing{"HtmlPage",
                                                   [](TestHttpServer& s, const QByteArray&) {
                                                       s.serveHtmlPage(kPowerballPath);
                                                   }},
                                           Failing{"CutAtARecord",
                                                   [](TestHttpServer& s, const QByteArray& b) {
                                                       s.serve(kPowerballPath, b.left(3 * 28));
                                                   }},
                                           Failing{"CountZero",
                                                   [](TestHttpServer& s, const QByteArray& b) {
                                                       s.serve(kPowerballPath,
                                                               fixture::le32(0) + b.mid(4));
                                                   }},
                                           Failing{"LaterBallOutOfRange",
                                                   [](TestHttpServer& s, const QByteArray& b) {
                                                       QByteArray bad = b;
                                                       bad[5 * 28 + 12] = 70;
                                                       s.serve(kPowerballPath, bad);
                                                   }}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(Download, CorruptAnsweredNoEndsTheRunBeforeTheOtherGames) {
    server.serveHtmlPage(kPowerballPath);
    server.serve(kMegaMillionsPath, kServedMegaMillions);
    RDL& w = open(true);
    messages().expect(kCorrupt, MsgAnswer::No);
    w.Command1_Click();
    EXPECT_EQ(w.Label1->text(), "Download Failed. Some results may not have been updated.");
    EXPECT_EQ(server.requests(kMegaMillionsPath), 0);
    expectHistoriesUnchanged();
}

TEST_F(Download, TheSecondServerFetchesEveryCheckedGameAgain) {
    server.serve(kPowerballPath, history(5));
    const QByteArray secondPowerball = history(8, 11);
    server.serve("/dwnld/XWQPowerball.rtl", secondPowerball);
    server.serve("/dwnld/XWQMegaMillions.rtl", kServedMegaMillions);
    RDL& w = open(true);
    messages().expect(
        "The download failed or was cancelled for MegaMillions Do you want to try the other "
        "server?",
        MsgAnswer::Yes);
    w.Command1_Click();
    EXPECT_EQ(server.requests(kPowerballPath), 1);
    EXPECT_EQ(server.requests(kMegaMillionsPath), 1);
    EXPECT_EQ(server.requests("/dwnld/XWQPowerball.rtl"), 1);
    EXPECT_EQ(readFile("Powerball.rtl"), secondPowerball);
    EXPECT_EQ(readFile("MegaMillions.rtl"), kServedMegaMillions);
    EXPECT_EQ(w.Label1->text(), "All Selected Results Downloaded Successfully.");
    EXPECT_TRUE(idle(w));
}

TEST_F(Download, BothServersFailingLeavesTheButtonsReadyForAnotherTry) {
    RDL& w = open();
    messages().expect(kFailedAskOther, MsgAnswer::Yes);
    messages().expect(kFailedAskOther, MsgAnswer::Yes);
    messages().expect("Both servers tried please try again later");
    w.Command1_Click();
    EXPECT_EQ(server.requests(kPowerballPath), 1);
    EXPECT_EQ(server.requests("/dwnld/XWQPowerball.rtl"), 1);
    EXPECT_TRUE(idle(w));
    EXPECT_EQ(w.Label1->text(), kFailedLabel);
    expectHistoriesUnchanged();
}

TEST_F(Download, CancelInTheMiddleOfTheBodyKeepsTheHistory) {
    server.serveDripping(kPowerballPath, history(200), 256, 20ms);
    RDL& w = open();
    EXPECT_FALSE(w.Command2->isEnabled());
    whenTrue(
        &w,
        [&] {
            return server.requests(kPowerballPath) == 1 &&
                   w.Label1->text() == "Receiving a response from the host computer";
        },
        [&] {
            EXPECT_TRUE(w.Command2->isEnabled());
            EXPECT_FALSE(w.Command1->isEnabled());
            EXPECT_FALSE(w.Command3->isEnabled());
            w.Command2->click();
        });
    messages().expect(kFailedAskOther, MsgAnswer::No);
    w.Command1_Click();
    EXPECT_EQ(w.Label1->text(), kFailedLabel);
    expectHistoriesUnchanged();
    EXPECT_TRUE(idle(w));
}

TEST_F(Download, TheCloseBoxDuringARunCancelsItAndThenCloses) {
    server.serveDripping(kPowerballPath, history(200), 256, 20ms);
    RDL& w = open();
    whenTrue(
        &w, [&] { return w.Label1->text() == "Receiving a response from the host computer"; },
        [&] { w.close(); });
    w.Command1_Click();
    platform::doEvents();
    EXPECT_EQ(Windows::find(RDL::kName), nullptr);
    EXPECT_TRUE(m1().windowdone);
    expectHistoriesUnchanged();
}

TEST_F(Download, AFailedReplacementIsReportedAndKeepsTheHistory) {
    server.serve(kPowerballPath, kServedPowerball);
    RDL& w = open();
    fileFaults().failAt(FileFaults::Step::Commit, 2);  // the backup is written first
    messages().expect(QStringLiteral("The results for Powerball could not be replaced (%1). Your "
                                     "results for Powerball were not changed.")
                          .arg(FileFaults::reason(FileFaults::Step::Commit)));
    w.Command1_Click();
    EXPECT_EQ(w.Label1->text(), "Some Selected Results Failed to Download.");
    expectHistoriesUnchanged();
}

TEST_F(Download, AReceivedFileThatCannotBeWrittenSaysWhyAndEndsTheRun) {
    server.serve(kPowerballPath, kServedPowerball);
    server.serve(kMegaMillionsPath, kServedMegaMillions);
    RDL& w = open(true);
    fileFaults().failAt(FileFaults::Step::Write, 1);
    messages().expect(QStringLiteral("The results could not be saved. %1")
                          .arg(FileFaults::reason(FileFaults::Step::Write)));
    w.Command1_Click();
    EXPECT_EQ(w.Label1->text(), "Download Failed. Some results may not have been updated.");
    EXPECT_EQ(server.requests(kMegaMillionsPath), 0);
    expectHistoriesUnchanged();
    EXPECT_TRUE(idle(w));
}

TEST_F(Download, ADeclinedReplacementIsReportedAsKept) {
    server.serve(kPowerballPath, kServedPowerball);
    server.serve(kMegaMillionsPath, kServedMegaMillions);
    RDL& w = open(true);
    w.mnuYes_Click();
    messages().expect(
        "Do you want to replace your current results for Powerball with those up to 13/3/2012",
        MsgAnswer::No);
    messages().expect(
        "Do you want to replace your current results for MegaMillions with those up to 17/3/2012",
        MsgAnswer::Yes);
    w.Command1_Click();
    EXPECT_EQ(w.Label1->text(),
              "Selected Results Downloaded. Kept your current results for Powerball.");
    EXPECT_EQ(readFile("Powerball.rtl"), kLocalPowerball);
    EXPECT_EQ(readFile("MegaMillions.rtl"), kServedMegaMillions);
    EXPECT_EQ(files(), (QStringList{"MegaMillions.rtl", "Powerball.rtl"}));
}

TEST_F(Download, AShorterHistoryIsAskedAboutUnderTheDefault) {
    server.serve(kPowerballPath, history(3));
    RDL& w = open();
    messages().expect(
        "You seem to have more results in your history file for Powerball than the downloaded "
        "ones. Do you still want to overwrite your current result history with the downloaded "
        "result history.",
        MsgAnswer::No);
    w.Command1_Click();
    EXPECT_EQ(w.Label1->text(),
              "Selected Results Downloaded. Kept your current results for Powerball.");
    expectHistoriesUnchanged();
}

// Run in a process of its own by the tests below, which end that process mid-download: while
// the body arrives, or (KESTROVA_CHILD_WRITING set) while the received file is being written.
TEST_F(Download, DISABLED_ChildDownloadsUntilEnded) {
    const QString folder = qEnvironmentVariable("KESTROVA_CHILD_DATA");
    if (folder.isEmpty()) {
        GTEST_SKIP();
    }
    m1().datapath = folder;
    platform::setWebServers({qEnvironmentVariable("KESTROVA_CHILD_SERVER"), {}, {}});
    RDL& w = open();
    w.requesttimeout = 60s;
    const bool writing = qEnvironmentVariableIsSet("KESTROVA_CHILD_WRITING");
    const QString part = QDir(folder).filePath("XWQPowerball.rtl.part");
    if (writing) {
        // Every pass of the event loop takes a while, so each chunk does: the ending finds the
        // file half written.
        auto* slow = new QTimer(&w);
        QObject::connect(slow, &QTimer::timeout, slow, [] { QThread::msleep(5); });
        slow->start(0);
    }
    // Tells the test that ends this process that the moment has come.
    whenTrue(
        &w,
        [&] {
            return writing ? QFileInfo(part).size() > 0
                           : w.Label1->text() == "Receiving a response from the host computer";
        },
        [] {
            std::fputs("\nkestrova-receiving\n", stdout);
            std::fflush(stdout);
        },
        60s);
    w.Command1_Click();
}

class EndedDownload : public Download {
protected:
    // Runs the case above in a child process and ends it (kill -9) once it says the moment came.
    void runAndKill(bool whileWriting) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KESTROVA_CHILD_DATA", dataPath());
        env.insert("KESTROVA_CHILD_SERVER", server.url());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        if (whileWriting) {
            env.insert("KESTROVA_CHILD_WRITING", "1");
        }
        // The ended process cannot remove its own temporary folder: it goes with this test's.
        ASSERT_TRUE(QDir(dataPath()).mkpath("tmp"));
        env.insert("TMPDIR", file("tmp"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_also_run_disabled_tests",
                     "--gtest_filter=Download.DISABLED_ChildDownloadsUntilEnded"});
        ASSERT_TRUE(child.waitForStarted(kChildProcessWaitMs));
        QByteArray output;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                output += child.readAllStandardOutput();
                return output.contains("kestrova-receiving") ||
                       child.state() == QProcess::NotRunning;
            },
            kChildProcessWaitMs));
        EXPECT_TRUE(output.contains("kestrova-receiving")) << output.toStdString();
        EXPECT_EQ(server.requests(kPowerballPath), 1);
        child.kill();
        ASSERT_TRUE(child.waitForFinished(kChildProcessWaitMs));
        EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    }
    // Nothing under a received file's final name, and the histories as they were.
    void expectNothingReceivedInstalled() {
        EXPECT_EQ(readFile("Powerball.rtl"), kLocalPowerball);
        EXPECT_EQ(readFile("MegaMillions.rtl"), kLocalMegaMillions);
        EXPECT_EQ(QDir(dataPath()).entryList({"XWQ*.rtl"}, QDir::Files), QStringList());
        EXPECT_FALSE(exists("temp.rtl"));
    }
};

TEST_F(EndedDownload, WhileTheBodyArrivesLeavesTheOldHistory) {
    server.serveDripping(kPowerballPath, history(400), 256, 50ms);
    runAndKill(false);
    expectNothingReceivedInstalled();
}

TEST_F(EndedDownload, WhileTheFileIsWrittenLeavesOnlyALeftoverTheNextRunRemoves) {
    const QByteArray big = history(6000);
    server.serve(kPowerballPath, big);
    runAndKill(true);
    expectNothingReceivedInstalled();
    // Part of the body, under the temporary name only.
    const QByteArray left = readFile("XWQPowerball.rtl.part");
    EXPECT_GT(left.size(), 0);
    EXPECT_LT(left.size(), big.size());
    EXPECT_EQ(left, big.left(left.size()));

    server.serve(kPowerballPath, kServedPowerball);
    RDL& w = open();
    w.Command1_Click();
    EXPECT_EQ(w.Label1->text(), "All Selected Results Downloaded Successfully.");
    EXPECT_EQ(readFile("Powerball.rtl"), kServedPowerball);
    EXPECT_FALSE(exists("XWQPowerball.rtl.part"));
}

}  // namespace
