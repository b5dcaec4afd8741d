// Get Latest List and Install against the loopback test server: the connection and site
// checks, the list, and a downloaded settings file installed only when it is whole and its name
// is a game's settings file in the data folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QTest>

#include "app/Form1.h"
#include "platform/internetcheck.h"
#include "platform/webservers.h"
#include "platform/windows.h"
#include "playslips/PrintManager.h"
#include "playslips_helpers.h"
#include "shared/filefaults.h"
#include "shared/module1.h"
#include "support/testhttpserver.h"
#include "support/waits.h"

using platform::MsgAnswer;
using platform::Windows;
using Step = FileFaults::Step;

namespace {

const QString kListPath = QStringLiteral("/playslips/XW/playslips.txt");
const QString kFilePath = QStringLiteral("/playslips/XW/XWLotto.dat");
const QString kFailedList = QStringLiteral("Failed to retrieve the data.");
const QString kConfirm = QStringLiteral(
    "This will replace any current configuration for this game. Are you sure you want to "
    "proceed?");
const QString kFailed = QStringLiteral("Download Failed");
// The wait for progress of the cases that stall.
constexpr std::chrono::milliseconds kStallTimeout{500};

class PlayslipDownload : public PlayslipTest {
protected:
    void SetUp() override {
        PlayslipTest::SetUp();
        w = &openPrintManager(server.url());
        w->requestTimeout = kPatientWait;  // no busy machine ends a reply at this one
        server.serve(kListPath, "Lotto 6/49#XWLotto.dat#\r\nDaily Game#XWDaily.dat#\r\n");
    }
    QStringList listed() const {
        QStringList items;
        for (int i = 0; i < w->List1->count(); ++i) {
            items << w->List1->item(i)->text();
        }
        return items;
    }
    // Gets the list and installs its first row.
    void install(const QString& message) {
        w->Command8_Click();
        w->List1->setCurrentRow(0);
        messages().expect(kConfirm, MsgAnswer::Yes);
        messages().expect(message);
        w->Command6_Click();
    }
    QStringList dataFiles() const { return QDir(dataPath()).entryList(QDir::Files); }

    TestHttpServer server;
    PrintManager* w = nullptr;
    const QByteArray record = fixture::slip(25, -1, 0, 5, 150);
    const QByteArray old = fixture::slip(35, 0, 0, 3, 100);
};

TEST_F(PlayslipDownload, TheListShowsTheFirstFieldOfEveryRow) {
    w->Command8_Click();
    EXPECT_EQ(listed(), QStringList({"Lotto 6/49", "Daily Game"}));
    EXPECT_TRUE(w->Command6->isEnabled());
    ASSERT_EQ(w->configfiletable.size(), 2U);
    EXPECT_EQ(w->configfiletable[1].file, "XWDaily.dat");
    EXPECT_EQ(server.requests(kListPath), 1);
}

TEST_F(PlayslipDownload, NothingToInstallDisablesInstall) {
    server.serve(kListPath, "There are no files currently available for installing.##");
    w->Command8_Click();
    EXPECT_EQ(listed(), QStringList({"There are no files currently available for installing."}));
    EXPECT_FALSE(w->Command6->isEnabled());
}

TEST_F(PlayslipDownload, AnyListFailureSaysSoAndLeavesTheListEmpty) {
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"web page with 200", [&] { server.serveHtmlPage(kListPath); }},
        {"404", [&] { server.serveStatus(kListPath, 404); }},
        {"500", [&] { server.serveStatus(kListPath, 500); }},
        {"cut off", [&] { server.serveAndCloseAfter(kListPath, QByteArray(400, 'a'), 100); }},
        {"stall",
         [&] {
             server.serveAndStallAfter(kListPath, "Lotto#XWLotto.dat#", 5);
             w->requestTimeout = kStallTimeout;
         }},
        // A reply of 200 that holds no row is no list either.
        {"200 without a row", [&] { server.serve(kListPath, "\x1f\x8b\x08 no row here"); }},
        {"empty 200", [&] { server.serve(kListPath, {}); }},
    };
    for (const auto& [what, serve] : cases) {
        SCOPED_TRACE(what);
        w->requestTimeout = kPatientWait;
        w->List1->addItem(QStringLiteral("from before"));
        serve();
        messages().expect(kFailedList);
        w->Command8_Click();
        EXPECT_EQ(w->List1->count(), 0);
        EXPECT_TRUE(w->configfiletable.empty());
    }
}

TEST_F(PlayslipDownload, NoConnectionOrNoSiteDisablesInstall) {
    platform::setInternetCheckHandler({[] { return false; }, [] { return true; }});
    messages().expect(QStringLiteral("You appear not to be connected to the internet"));
    w->Command8_Click();
    EXPECT_FALSE(w->Command6->isEnabled());

    platform::setInternetCheckHandler({[] { return true; }, [] { return true; }});
    platform::setWebServers({server.url(), server.url(), TestHttpServer::refusedUrl()});
    messages().expect(QStringLiteral("Site not responding at the moment"));
    w->Command8_Click();
    EXPECT_FALSE(w->Command6->isEnabled());
    EXPECT_EQ(server.totalRequests(), 0);
}

TEST_F(PlayslipDownload, InstallWritesTheGamesSettingsFileUnderTheShortenedName) {
    writeFile("Lotto.dat", old);
    const QStringList before = dataFiles();
    server.serve(kFilePath, record);
    install(QStringLiteral("Done"));
    EXPECT_EQ(readFile("Lotto.dat"), record);
    EXPECT_EQ(dataFiles(), before);  // no scratch file left
}

TEST_F(PlayslipDownload, ASettingsRecordWithATailIsInstalledAsTheRecordAlone) {
    server.serve(kFilePath, record + QByteArray(18000 - 17434, 'z'));
    install(QStringLiteral("Done"));
    EXPECT_EQ(readFile("Lotto.dat"), record);
}

TEST_F(PlayslipDownload, ABadDownloadLeavesTheSettingsAsTheyWere) {
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"16999 bytes", [&] { server.serve(kFilePath, record.left(16999)); }},
        {"18001 bytes", [&] { server.serve(kFilePath, record + QByteArray(567, 'z')); }},
        {"17000 bytes, a record cut off", [&] { server.serve(kFilePath, record.left(17000)); }},
        {"empty", [&] { server.serve(kFilePath, {}); }},
        {"cut off by the server", [&] { server.serveAndCloseAfter(kFilePath, record, 9000); }},
        {"longer than its length header",
         [&] { server.serveWithLength(kFilePath, record, 17000); }},
        {"web page with 200", [&] { server.serveHtmlPage(kFilePath); }},
        {"404", [&] { server.serveStatus(kFilePath, 404); }},
        {"stall",
         [&] {
             server.serveAndStallAfter(kFilePath, record, 1000);
             w->requestTimeout = kStallTimeout;
         }},
        {"a board count beyond J",
         [&] { server.serve(kFilePath, fixture::slip(25, -1, 0, 11, 150)); }},
    };
    writeFile("Lotto.dat", old);
    const QStringList before = dataFiles();
    for (const auto& [what, serve] : cases) {
        SCOPED_TRACE(what);
        w->requestTimeout = kPatientWait;
        serve();
        install(kFailed);
        EXPECT_EQ(readFile("Lotto.dat"), old);
    }
    // Nothing half-written is left behind.
    EXPECT_EQ(dataFiles(), before);
}

TEST_F(PlayslipDownload, ANameFromTheServerOutsideTheGamesSettingsIsNeverFetched) {
    writeFile("game1.dat", "slot");
    writeFile("print.dat", "printer");
    for (const char* name : {"XW../Lotto.dat", "XW/tmp/Lotto.dat", "XWgame1.dat", "XWprint.dat",
                             "XWtempfile.dat", "XWLottoadjusts.dat", "XWLotto.exe", ""}) {
        SCOPED_TRACE(name);
        server.serve(kListPath, QByteArray("Bad#") + name + "#");
        server.serve(QStringLiteral("/playslips/XW/") + QString::fromLatin1(name), record);
        install(kFailed);
    }
    // Only the site check and the list were asked for.
    EXPECT_EQ(server.totalRequests(), server.requests(kListPath) + server.requests("/"));
    EXPECT_EQ(readFile("game1.dat"), "slot");
    EXPECT_EQ(readFile("print.dat"), "printer");
    EXPECT_FALSE(exists("Lotto.dat"));
}

TEST_F(PlayslipDownload, InstallNeedsALineAndAYes) {
    w->Command8_Click();
    messages().expect(QStringLiteral("You have not selected a Game from the list to install."));
    w->Command6_Click();
    w->List1->setCurrentRow(0);
    messages().expect(kConfirm, MsgAnswer::No, platform::MsgDefault::No);
    w->Command6_Click();
    EXPECT_EQ(server.requests(kFilePath), 0);
}

class PlayslipInstallFailure : public PlayslipDownload,
                               public ::testing::WithParamInterface<Step> {};

TEST_P(PlayslipInstallFailure, IsReportedAndTheOldSettingsKept) {
    writeFile("Lotto.dat", old);
    server.serve(kFilePath, record);
    fileFaults().failAt(GetParam(), 1);
    install(kFailed + QStringLiteral(": ") + FileFaults::reason(GetParam()));
    EXPECT_EQ(readFile("Lotto.dat"), old);
}

INSTANTIATE_TEST_SUITE_P(Steps, PlayslipInstallFailure,
                         ::testing::Values(Step::Write, Step::Flush, Step::Commit));

}  // namespace
