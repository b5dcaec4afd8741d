// Loading downloaded result files: the folder's "XWQ*.rtl" files listed, each of the two games'
// files checked and put in place or refused, and what became of each told.
#include <gtest/gtest.h>

#include <QDir>
#include <QTimer>

#include "app/Form1.h"
#include "platform/windows.h"
#include "shared/filefaults.h"
#include "shared/module1.h"
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

}  // namespace
