// Entry-file maintenance: the files of the data folder, their entries, and Delete, which never
// takes the file open in the main window nor one the player may only read.
#include <gtest/gtest.h>

#include <QFile>

#include "entries/Form8.h"
#include "entries/entrieswindows.h"
#include "entries_helpers.h"
#include "platform/windows.h"
#include "shared/filefaults.h"
#include "shared/module1.h"
#include "support/bytes.h"

using platform::MsgAnswer;
using platform::Windows;

namespace {

const char* const kSure = "Are you sure you want to delete this lottery selection file?";
const char* const kOpen =
    "You cannot delete this file, you currently have it opened in the main program";

QByteArray pick(long count, int d1, int d2, int d3, int d4 = 0) {
    return fixture::le32(count) + fixture::le16(0) + fixture::le16(5) + fixture::le16(3) +
           fixture::le16(2012) + fixture::le16(d1) + fixture::le16(d2) + fixture::le16(d3) +
           fixture::le16(d4) + fixture::le16(1);
}

}  // namespace

class MaintenanceTest : public EntriesTest {
protected:
    void SetUp() override {
        EntriesTest::SetUp();
        registerEntriesWindows();
    }
    Form1& startWithFiles() {
        Form1& main = startGame(6, 49, 10);
        writeFile("Lotto-6-5-4.lot", fixture::entry(1, {1, 2, 3, 4, 5, 6}));
        writeFile("StandLotto.lot", fixture::entry(1, {7, 8, 9, 10, 11, 12}, 3));
        writeFile("Pick3StandDay.lot", pick(2, 1, 2, 3) + pick(0, 4, 5, 6));
        writeFile("temp.lot", QByteArray());
        writeFile("notes.txt", "1 2 3");
        listDated(main, {{{1, 5, 12, 23, 34, 45}, 7}});
        return main;
    }
    static Form8& maintenance() { return *Windows::get<Form8>(Form8::kName); }
    static void choose(Form8& w, const QString& name) {
        w.File1->setFileName(name);
        w.File1_Click();
    }
};

TEST_F(MaintenanceTest, ListsEveryEntryFileAndTheEntriesOfTheOneClicked) {
    startWithFiles();
    Form8& w = maintenance();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("File Deletion"));
    EXPECT_EQ(lines(*w.File1), (QStringList{"Lotto-6-5-4.lot", "Lotto05Mar2012.lot",
                                            "Pick3StandDay.lot", "StandLotto.lot", "temp.lot"}));
    choose(w, "StandLotto.lot");
    EXPECT_EQ(lines(*w.List2), QStringList{"07 08 09 10 11 12 BB 03"});
    choose(w, "Pick3StandDay.lot");
    EXPECT_EQ(lines(*w.List2), (QStringList{"1 2 3", "4 5 6"}));
    choose(w, "temp.lot");
    EXPECT_EQ(w.List2->count(), 0);
    EXPECT_EQ(w.List2->font().family(), QStringLiteral("Courier New"));
}

TEST_F(MaintenanceTest, NothingChosenIsSaid) {
    startWithFiles();
    Form8& w = maintenance();
    messages().expect("You have not selected a file");
    w.viewandcreate();
    messages().expect("You have not selected a file for deletion");
    w.Command3_Click();
}

TEST_F(MaintenanceTest, TheOpenFileIsRefusedHoweverItsPathIsWritten) {
    startWithFiles();
    Form8& w = maintenance();
    choose(w, "Lotto05Mar2012.lot");
    for (const QString& path : {m1().selectionfile, dataPath() + "/./Lotto05Mar2012.lot",
                                dataPath() + "//Lotto05Mar2012.lot"}) {
        m1().selectionfile = path;
        messages().expect(kOpen);
        w.Command3_Click();
        EXPECT_TRUE(exists("Lotto05Mar2012.lot"));
    }
    // Through a link to the data folder as well.
    ASSERT_TRUE(
        QFile::link(dataPath(), dataPath() + "/../" + QFileInfo(dataPath()).fileName() + "-link"));
    m1().selectionfile = dataPath() + "-link/Lotto05Mar2012.lot";
    messages().expect(kOpen);
    w.Command3_Click();
    EXPECT_TRUE(exists("Lotto05Mar2012.lot"));
    QFile::remove(dataPath() + "-link");
}

TEST_F(MaintenanceTest, DeletesAnyOtherFileAfterTheQuestion) {
    startWithFiles();
    Form8& w = maintenance();
    choose(w, "StandLotto.lot");
    messages().expect(kSure, MsgAnswer::No, platform::MsgDefault::No);
    w.Command3_Click();
    EXPECT_TRUE(exists("StandLotto.lot"));
    EXPECT_EQ(w.List2->count(), 1);

    for (const char* name : {"StandLotto.lot", "Lotto-6-5-4.lot", "temp.lot"}) {
        choose(w, name);
        messages().expect(kSure, MsgAnswer::Yes);
        w.Command3_Click();
        EXPECT_FALSE(exists(name)) << name;
        EXPECT_FALSE(lines(*w.File1).contains(name));
        EXPECT_EQ(w.List2->count(), 0);
    }
    // A file named in another letter case is another file.
    writeFile("lotto05mar2012.lot", fixture::entry(1, {1, 2, 3}));
    w.File1->refresh();
    choose(w, "lotto05mar2012.lot");
    messages().expect(kSure, MsgAnswer::Yes);
    w.Command3_Click();
    EXPECT_FALSE(exists("lotto05mar2012.lot"));
    EXPECT_TRUE(exists("Lotto05Mar2012.lot"));
}

TEST_F(MaintenanceTest, AReadOnlyFileIsNeverDeleted) {
    startWithFiles();
    ASSERT_TRUE(QFile::setPermissions(file("StandLotto.lot"), QFileDevice::ReadOwner));
    Form8& w = maintenance();
    choose(w, "StandLotto.lot");
    messages().expect("StandLotto.lot is read-only and was not deleted.");
    w.Command3_Click();
    EXPECT_TRUE(exists("StandLotto.lot"));
}

TEST_F(MaintenanceTest, AFailedRemovalIsReportedAndTheFileStaysListed) {
    startWithFiles();
    Form8& w = maintenance();
    choose(w, "StandLotto.lot");
    fileFaults().failAt(FileFaults::Step::Remove, 1);
    messages().expect(kSure, MsgAnswer::Yes);
    messages().expect(QStringLiteral("StandLotto.lot could not be deleted (%1).")
                          .arg(FileFaults::reason(FileFaults::Step::Remove)));
    w.Command3_Click();
    EXPECT_TRUE(exists("StandLotto.lot"));
    EXPECT_TRUE(lines(*w.File1).contains("StandLotto.lot"));
}

TEST_F(MaintenanceTest, CloseHandsTheMainWindowBack) {
    Form1& main = startWithFiles();
    main.mnuDelete_Click();
    EXPECT_FALSE(main.isEnabled());
    Windows::live<Form8>(Form8::kName)->close();  // the title bar's close box
    EXPECT_TRUE(main.isEnabled());
    EXPECT_EQ(Windows::find(Form8::kName), nullptr);
}
