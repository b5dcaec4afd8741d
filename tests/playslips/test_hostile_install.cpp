// Get Latest List and Install against servers that try to make them hold too much or wait too
// long: each blocking request ends within its limit, the settings stay as they were, and the
// player is told. A server that never stops sending holds neither the main thread nor the
// program's end.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "app/Form1.h"
#include "platform/webservers.h"
#include "platform/windows.h"
#include "playslips/PrintManager.h"
#include "playslips_helpers.h"
#include "support/foldersnapshot.h"
#include "support/hostilereplies.h"
#include "support/testhttpserver.h"

using platform::MsgAnswer;
using platform::Windows;

namespace {

const QString kListPath = QStringLiteral("/playslips/XW/playslips.txt");
const QString kFilePath = QStringLiteral("/playslips/XW/XWLotto.dat");
const QByteArray kList = "Lotto 6/49#XWLotto.dat#\r\nDaily Game#XWDaily.dat#\r\n";

class HostilePlayslips : public PlayslipTest, public ::testing::WithParamInterface<hostile::Row> {
protected:
    void SetUp() override {
        PlayslipTest::SetUp();
        w = &openPrintManager(server.url());
        shorten(hostile::timeoutsFor(GetParam()));
        writeFile("Lotto.dat", old);
    }
    void shorten(hostile::Timeouts timeouts) {
        w->requestTimeout = timeouts.progress;
        w->requestLimit = timeouts.wholeRequest;
    }
    QStringList listed() const {
        QStringList items;
        for (int i = 0; i < w->List1->count(); ++i) {
            items << w->List1->item(i)->text();
        }
        return items;
    }

    TestHttpServer server;
    PrintManager* w = nullptr;
    const QByteArray record = fixture::slip(25, -1, 0, 5, 150);
    const QByteArray old = fixture::slip(35, 0, 0, 3, 100);
};

TEST_P(HostilePlayslips, TheListEndsWithinItsLimit) {
    GetParam().serve(server, kListPath, kList);
    const auto before = folderFiles(dataPath());
    if (!GetParam().completes()) {
        messages().expect(QStringLiteral("Failed to retrieve the data."));
    }
    const hostile::MainThreadWatch watch;
    QElapsedTimer clock;
    clock.start();
    w->Command8_Click();
    hostile::expectEndedInTime(GetParam(), clock);
    EXPECT_LE(watch.longestOwnGap(), hostile::kLongestStall);
    EXPECT_EQ(listed(),
              GetParam().completes() ? QStringList({"Lotto 6/49", "Daily Game"}) : QStringList());
    EXPECT_EQ(folderFiles(dataPath()), before);
}

TEST_P(HostilePlayslips, InstallEndsWithinItsLimitAndKeepsTheSettings) {
    server.serve(kListPath, kList);
    GetParam().serve(server, kFilePath, record);
    w->Command8_Click();
    ASSERT_EQ(w->List1->count(), 2);
    w->List1->setCurrentRow(0);
    auto expected = folderFiles(dataPath());
    if (GetParam().completes()) {
        expected["Lotto.dat"] = record;
    }
    messages().expect(QStringLiteral("This will replace any current configuration for this "
                                     "game. Are you sure you want to proceed?"),
                      MsgAnswer::Yes);
    messages().expect(GetParam().completes() ? QStringLiteral("Done")
                                             : QStringLiteral("Download Failed"));
    const hostile::MainThreadWatch watch;
    QElapsedTimer clock;
    clock.start();
    w->Command6_Click();
    hostile::expectEndedInTime(GetParam(), clock);
    EXPECT_LE(watch.longestOwnGap(), hostile::kLongestStall);
    EXPECT_EQ(folderFiles(dataPath()), expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, HostilePlayslips, ::testing::ValuesIn(hostile::rows()),
                         [](const auto& info) { return std::string(info.param.name); });

using EndlessPlayslips = HostilePlayslips;

TEST_P(EndlessPlayslips, TheProgramEndsAtOnceDuringTheList) {
    shorten(hostile::kNoShortTimeouts);
    GetParam().serve(server, kListPath, kList);
    const auto before = folderFiles(dataPath());
    QElapsedTimer sinceEnd;
    hostile::endProgramOnRequest(server, kListPath, sinceEnd);
    w->Command8_Click();
    hostile::expectEndedAtOnceThenCloses(sinceEnd, [] { Windows::unloadAll(); });
    EXPECT_EQ(folderFiles(dataPath()), before);
}

TEST_P(EndlessPlayslips, TheProgramEndsAtOnceDuringAnInstall) {
    shorten(hostile::kNoShortTimeouts);
    server.serve(kListPath, kList);
    GetParam().serve(server, kFilePath, record);
    w->Command8_Click();
    ASSERT_EQ(w->List1->count(), 2);
    w->List1->setCurrentRow(0);
    const auto before = folderFiles(dataPath());
    messages().expect(QStringLiteral("This will replace any current configuration for this "
                                     "game. Are you sure you want to proceed?"),
                      MsgAnswer::Yes);
    QElapsedTimer sinceEnd;
    hostile::endProgramOnRequest(server, kFilePath, sinceEnd);
    w->Command6_Click();
    hostile::expectEndedAtOnceThenCloses(sinceEnd, [] { Windows::unloadAll(); });
    EXPECT_EQ(folderFiles(dataPath()), before);
}

INSTANTIATE_TEST_SUITE_P(Rows, EndlessPlayslips, ::testing::ValuesIn(hostile::endlessRows()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
