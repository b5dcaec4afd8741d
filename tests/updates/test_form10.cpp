// Loading downloaded result files: the folder's "XWQ*.rtl" files listed, each of the two games'
// files checked and put in place or refused, and what became of each told.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTimer>

#include "app/Form1.h"
#include "platform/windows.h"
#include "shared/filefaults.h"
#include "shared/module1.h"
#include "updates/logic/resultscheck.h"
#include "updates_helpers.h"

using platform::Windows;

namespace {

class Loader : public UpdatesTest {
protected:
    void SetUp() override {
        UpdatesTest::SetUp();
        ASSERT_TRUE(QDir(dataPath()).mkdir(QStringLiteral("fetched")));
        writeFile("Powerball.rtl", kPowerball);
        writeFile("MegaMillions.rtl", kMegaMillions);
    }
    Form10& openOn(const QString& folder) {
        Form10& w = openForm10();
        w.showFolder(folder);
        return w;
    }
    QStringList listed(const Form10& w) const {
        QStringList names;
        for (int i = 0; i < w.File1->count(); ++i) {
            names << w.File1->item(i)->text();
        }
        return names;
    }
    void expectClosedAndHandedBack() {
        EXPECT_EQ(Windows::find(Form10::kName), nullptr);
        EXPECT_TRUE(m1().windowdone);
        EXPECT_TRUE(Windows::find(Form1::kName)->isEnabled());
    }

    const QByteArray kPowerball = history(3);
    const QByteArray kMegaMillions = history(4, 20);
};

TEST_F(Loader, ListsTheFolderTheResultsFilesOfTheFolderShown) {
    for (const char* name : {"XWQPowerball.rtl", "XWQMegaMillions.rtl", "Powerball.rtl",
                             "XWQnotes.txt", "xwqold.RTL"}) {
        writeFile(QStringLiteral("fetched/") + QString::fromLatin1(name), "x");
    }
    Form10& w = openOn(file("fetched"));
    EXPECT_EQ(w.folder(), file("fetched"));
    // Sorted regardless of case, as a file list is.
    EXPECT_EQ(listed(w), (QStringList{"XWQMegaMillions.rtl", "xwqold.RTL", "XWQPowerball.rtl"}));
    w.showFolder(dataPath());
    EXPECT_EQ(listed(w), QStringList{});
}

TEST_F(Loader, OkWithNothingListedSaysSoAndStaysOpen) {
    Form10& w = openOn(file("fetched"));
    messages().expect("You have not displayed the results files you downloaded");
    w.Command1_Click();
    EXPECT_EQ(Windows::find(Form10::kName), &w);
    EXPECT_FALSE(m1().windowdone);
}

TEST_F(Loader, AFolderWithOnlyPowerballReplacesOnlyPowerball) {
    const QByteArray fetched = history(5, 7);
    writeFile("fetched/XWQPowerball.rtl", fetched);
    Form10& w = openOn(file("fetched"));
    messages().expect("Powerball results loaded: 5 draws, up to 9/3/2012.");
    w.Command1_Click();
    EXPECT_EQ(readFile("Powerball.rtl"), fetched);
    EXPECT_EQ(readFile("MegaMillions.rtl"), kMegaMillions);
    EXPECT_EQ(readFile("fetched/XWQPowerball.rtl"), fetched);
    EXPECT_FALSE(exists("temp.rtl"));
    expectClosedAndHandedBack();
}

TEST_F(Loader, ADamagedFileIsRefusedAndItsHistoryKeptByteForByte) {
    writeFile("fetched/XWQMegaMillions.rtl", history(5).left(100));
    writeFile("fetched/XWQPowerball.rtl", "<!DOCTYPE html><html></html>");
    Form10& w = openOn(file("fetched"));
    messages().expect(
        "XWQMegaMillions.rtl is not a valid results file; the MegaMillions results were not "
        "changed.\nXWQPowerball.rtl is not a valid results file; the Powerball results were not "
        "changed.");
    w.Command1_Click();
    EXPECT_EQ(readFile("Powerball.rtl"), kPowerball);
    EXPECT_EQ(readFile("MegaMillions.rtl"), kMegaMillions);
    expectClosedAndHandedBack();
}

TEST_F(Loader, AFailedWriteIsReportedAndTheHistoryKept) {
    writeFile("fetched/XWQPowerball.rtl", history(5));
    Form10& w = openOn(file("fetched"));
    fileFaults().failAt(FileFaults::Step::Flush, 2);  // the new history, after its backup
    messages().expect(QStringLiteral("The Powerball results could not be replaced (%1); they were "
                                     "not changed.")
                          .arg(FileFaults::reason(FileFaults::Step::Flush)));
    w.Command1_Click();
    EXPECT_EQ(readFile("Powerball.rtl"), kPowerball);
    EXPECT_FALSE(exists("temp.rtl"));
}

TEST_F(Loader, OtherResultsFilesAloneLoadNothingAndSaySo) {
    writeFile("fetched/XWQLotto.rtl", history(5));
    Form10& w = openOn(file("fetched"));
    messages().expect(
        "This folder holds none of XWQMegaMillions.rtl, XWQPowerball.rtl. Nothing was loaded.");
    w.Command1_Click();
    EXPECT_EQ(readFile("Powerball.rtl"), kPowerball);
    EXPECT_EQ(readFile("MegaMillions.rtl"), kMegaMillions);
    expectClosedAndHandedBack();
}

TEST_F(Loader, CancelAndTheCloseBoxChangeNothing) {
    writeFile("fetched/XWQPowerball.rtl", history(5));
    openOn(file("fetched")).Command2_Click();
    expectClosedAndHandedBack();
    m1().windowdone = false;
    openOn(file("fetched")).close();
    expectClosedAndHandedBack();
    EXPECT_EQ(readFile("Powerball.rtl"), kPowerball);
}

TEST_F(Loader, TheMainWindowsMenuWaitsForItAndShowsTheNewHistory) {
    writeFile("fetched/XWQPowerball.rtl", history(5, 7));
    Form1& main = *Windows::get<Form1>(Form1::kName);
    QTimer::singleShot(0, &main, [this] {
        auto* w = Windows::live<Form10>(Form10::kName);
        ASSERT_NE(w, nullptr);
        w->showFolder(file("fetched"));
        messages().expect("Powerball results loaded: 5 draws, up to 9/3/2012.");
        w->Command1_Click();
    });
    main.mnuLoadRTLs_Click();
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(readFile("Powerball.rtl"), history(5, 7));
}

TEST_F(Loader, TheDriveListOffersTheRootAndShowsIt) {
    Form10& w = openOn(file("fetched"));
    ASSERT_GE(w.Drive1->count(), 1);
    EXPECT_EQ(w.Drive1->itemText(0), QDir::rootPath());
    w.Drive1->setCurrentIndex(0);
    w.Drive1_Change();
    EXPECT_EQ(w.folder(), QDir::rootPath());
}

// Bytes this process has read so far, from any file: a file read whole would show here.
qint64 bytesRead() {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:")) {
            return line.mid(6).trimmed().toLongLong();
        }
    }
    return -1;
}

const char* const kPowerballRefused =
    "XWQPowerball.rtl is not a valid results file; the Powerball results were not changed.";

// A file larger than any history is refused as a damaged one, without being read: sparse, so the
// largest take no room on disk.
TEST_F(Loader, AFileLargerThanAnyHistoryIsRefusedUnread) {
    ASSERT_GE(bytesRead(), 0);
    for (const qint64 size :
         {kLargestResultsFile + 1, kLargestResultsFile + 28, qint64{1} << 30, qint64{4} << 30}) {
        SCOPED_TRACE(size);
        QFile big(file("fetched/XWQPowerball.rtl"));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(big.write(history(5)), 5 * 28);
        big.close();
        ASSERT_TRUE(QFile::resize(big.fileName(), size));
        Form10& w = openOn(file("fetched"));
        messages().expect(kPowerballRefused);
        const qint64 before = bytesRead();
        w.Command1_Click();
        EXPECT_LT(bytesRead() - before, kLargestResultsFile);
        EXPECT_EQ(readFile("Powerball.rtl"), kPowerball);
        EXPECT_FALSE(exists("temp.rtl"));
        expectClosedAndHandedBack();
        m1().windowdone = false;
    }
}

TEST_F(Loader, AHistoryOfTheMostDrawsIsLoadedOneRecordMoreIsRefused) {
    const QByteArray most = history(32767);
    ASSERT_EQ(most.size(), kLargestResultsFile);
    writeFile("fetched/XWQPowerball.rtl", most);
    Form10& w = openOn(file("fetched"));
    const QDate last = QDate(2012, 3, 1).addDays(2 * 32766);
    messages().expect(QStringLiteral("Powerball results loaded: 32767 draws, up to %1/%2/%3.")
                          .arg(last.day())
                          .arg(last.month())
                          .arg(last.year()));
    w.Command1_Click();
    EXPECT_EQ(readFile("Powerball.rtl"), most);

    // A whole, plausible draw after the most a history can count is still one record too many.
    writeFile("Powerball.rtl", kPowerball);
    writeFile("fetched/XWQPowerball.rtl", most + most.mid(28, 28));
    m1().windowdone = false;
    Form10& again = openOn(file("fetched"));
    messages().expect(kPowerballRefused);
    again.Command1_Click();
    EXPECT_EQ(readFile("Powerball.rtl"), kPowerball);
}

// A history or a backup the player may only read is neither replaced nor deleted.
TEST_F(Loader, AFileThePlayerMayOnlyReadIsKept) {
    struct Case {
        const char* name;
        const char* reason;  // %1: its path
    };
    writeFile("fetched/XWQPowerball.rtl", history(5, 7));
    for (const Case& c : {Case{"Powerball.rtl", "%1 is read-only"},
                          Case{"temp.rtl", "Existing file %1 is not writable"}}) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromLatin1(c.name);
        const QByteArray kept = name == u"temp.rtl" ? history(2) : kPowerball;
        writeFile(name, kept);
        ASSERT_TRUE(QFile::setPermissions(file(name), QFileDevice::ReadOwner));
        Form10& w = openOn(file("fetched"));
        messages().expect(
            QStringLiteral("The Powerball results could not be replaced (%1); they were not "
                           "changed.")
                .arg(QString::fromLatin1(c.reason).arg(file(name))));
        w.Command1_Click();
        EXPECT_EQ(readFile(name), kept);
        EXPECT_EQ(readFile("Powerball.rtl"), kPowerball);
        EXPECT_FALSE(QFile::permissions(file(name)).testFlag(QFileDevice::WriteOwner));
        ASSERT_TRUE(
            QFile::setPermissions(file(name), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        if (name == u"temp.rtl") {
            ASSERT_TRUE(QFile::remove(file(name)));
        }
        m1().windowdone = false;
    }
}

// A pipe under the file's name would hold the window for ever if it were opened.
TEST_F(Loader, WhatIsNoFileIsToldAsUnreadableWithoutWaitingOnIt) {
    const QString pipe = file("fetched/XWQPowerball.rtl");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    writeFile("fetched/XWQMegaMillions.rtl", history(5, 7));
    Form10& w = openOn(file("fetched"));
    messages().expect(
        QStringLiteral("MegaMillions results loaded: 5 draws, up to 9/3/2012.\nXWQPowerball.rtl "
                       "could not be read (%1 is not a file); the Powerball results were not "
                       "changed.")
            .arg(pipe));
    w.Command1_Click();
    EXPECT_EQ(readFile("Powerball.rtl"), kPowerball);
    EXPECT_EQ(readFile("MegaMillions.rtl"), history(5, 7));
}

}  // namespace
