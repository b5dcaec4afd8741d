// The Pick entry file deletion window: the files it lists, the entries of the one clicked, the
// refusal of the file the Pick window lists, and deletion.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "pick34/Deletepick34.h"
#include "pick3_helpers.h"
#include "platform/windows.h"
#include "shared/filefaults.h"
#include "shared/module1.h"

using namespace fixture;
using platform::MsgAnswer;
using platform::Windows;

namespace {

const char* const kQuestion = "Are you sure you want to delete this lottery selection file?";

class PickDeleteWindow : public Pick3Test {
protected:
    void SetUp() override {
        Pick3Test::SetUp();
        writeFile("Pick3Day01Mar2012.lot", entries({{1, 2, 3}, {0, 0, 7}}));
        writeFile("Pick4StandNight.lot", entries({{1, 2, 3, 4}}));
        writeFile("Pick3Night05Mar2012.lot", entries({{9, 9, 9}}));
        writeFile("XWPick3Night.rtl", pick(1, 1, 5, 3, 2012, {1, 2, 3}));
    }
    Deletepick34& openDelete(Pick3& w) {
        w.mnuDelete_Click();
        auto* d = Windows::live<Deletepick34>(Deletepick34::kName);
        if (d == nullptr) {
            qFatal("the file deletion window is still a stand-in");
        }
        return *d;
    }
    static QStringList lines(const QListWidget& list) {
        QStringList all;
        for (int i = 0; i < list.count(); ++i) {
            all << list.item(i)->text();
        }
        return all;
    }
    static void click(Deletepick34& d, const QString& name) {
        d.File1->setFileName(name);
        ASSERT_EQ(d.File1->fileName(), name);
        d.File1_Click();
    }
};

TEST_F(PickDeleteWindow, ListsThePickEntryFilesAndTheEntriesOfTheOneClicked) {
    Pick3& w = open(3);
    Deletepick34& d = openDelete(w);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("File Deletion"));
    // The heading is laid out whole, on one line.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    EXPECT_GE(d.Label1->width(), d.Label1->sizeHint().width());
    EXPECT_FALSE(d.Label1->wordWrap());
    EXPECT_FALSE(w.isEnabled());
    EXPECT_EQ(lines(*d.File1), QStringList({"Pick3Day01Mar2012.lot", "Pick3Night05Mar2012.lot",
                                            "Pick4StandNight.lot"}));
    EXPECT_EQ(d.List2->count(), 0);
    click(d, "Pick3Day01Mar2012.lot");
    EXPECT_EQ(lines(*d.List2), QStringList({"1 2 3", "0 0 7"}));
    EXPECT_EQ(d.keptpath(), file("Pick3Day01Mar2012.lot"));
    click(d, "Pick4StandNight.lot");
    EXPECT_EQ(lines(*d.List2), QStringList({"1 2 3 4"}));
    writeFile("Pick3Day01Mar2012.lot", pickEntry(0, {1, 2, 3}));
    click(d, "Pick3Day01Mar2012.lot");
    EXPECT_EQ(d.List2->count(), 0);
}

TEST_F(PickDeleteWindow, ALinkIsListedButNeitherReadNorDeleted) {
    QFile::link(file("Pick4StandNight.lot"), file("Pick4Link.lot"));
    Pick3& w = open(3);
    Deletepick34& d = openDelete(w);
    click(d, "Pick4Link.lot");
    EXPECT_EQ(d.List2->count(), 0);
    messages().expect("You have not selected a file for deletion");
    d.Command3_Click();
    EXPECT_TRUE(QFileInfo(file("Pick4Link.lot")).isSymLink());
}

TEST_F(PickDeleteWindow, DeleteBeforeAnyFileIsClickedSaysSo) {
    Pick3& w = open(3);
    Deletepick34& d = openDelete(w);
    // The row a list marks when it takes the focus is no choice.
    d.File1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    EXPECT_EQ(d.List2->count(), 0);
    messages().expect("You have not selected a file for deletion");
    d.Command3_Click();
    EXPECT_TRUE(exists("Pick3Day01Mar2012.lot"));
}

TEST_F(PickDeleteWindow, TheFileThePickWindowListsIsRefusedHoweverItsPathIsSpelt) {
    Pick3& w = open(3);
    ASSERT_EQ(m1().pickentryfile, file("Pick3Night05Mar2012.lot"));
    Deletepick34& d = openDelete(w);
    for (const QString& spelt :
         {file("Pick3Night05Mar2012.lot"), dataPath() + "/./Pick3Night05Mar2012.lot",
          dataPath() + "//Pick3Night05Mar2012.lot"}) {
        m1().pickentryfile = spelt;
        click(d, "Pick3Night05Mar2012.lot");
        EXPECT_EQ(lines(*d.List2), QStringList({"9 9 9"}));
        messages().expect(
            "You cannot delete this file, you currently have it opened in the main program");
        d.Command3_Click();
        EXPECT_TRUE(exists("Pick3Night05Mar2012.lot"));
        d.File1->setCurrentRow(-1);
    }
}

TEST_F(PickDeleteWindow, AFileOnlyCurrentFromTheKeyboardOrACtrlClickIsNotChosen) {
    Pick3& w = open(3);
    Deletepick34& d = openDelete(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    const char* const kNone = "You have not selected a file for deletion";
    // Tab into the list: its first file is current, with nothing chosen.
    d.Label1->setFocus();
    d.File1->setFocus(Qt::TabFocusReason);
    ASSERT_NE(d.File1->currentItem(), nullptr);
    QTest::keyClick(d.File1, Qt::Key_Tab);  // past the entries
    QTest::keyClick(d.List2, Qt::Key_Tab);
    ASSERT_EQ(d.focusWidget(), d.Command3);
    messages().expect(kNone);
    QTest::keyClick(d.Command3, Qt::Key_Return);
    EXPECT_TRUE(messages().allAnswered());
    // Ctrl+click on the chosen file takes the choice back.
    const QRect row = d.File1->visualItemRect(d.File1->item(0));
    QTest::mouseClick(d.File1->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(lines(*d.List2), QStringList({"1 2 3", "0 0 7"}));
    QTest::mouseClick(d.File1->viewport(), Qt::LeftButton, Qt::ControlModifier, row.center());
    EXPECT_EQ(d.File1->currentItem(), d.File1->item(0));
    messages().expect(kNone);
    d.Command3_Click();
    EXPECT_TRUE(exists("Pick3Day01Mar2012.lot"));
}

TEST_F(PickDeleteWindow, YesDeletesTheFileAndNoKeepsIt) {
    Pick3& w = open(3);
    Deletepick34& d = openDelete(w);
    click(d, "Pick3Day01Mar2012.lot");
    messages().expect(kQuestion, MsgAnswer::No, platform::MsgDefault::No);
    d.Command3_Click();
    EXPECT_TRUE(exists("Pick3Day01Mar2012.lot"));
    EXPECT_EQ(d.List2->count(), 2);
    EXPECT_EQ(d.File1->count(), 3);

    messages().expect(kQuestion, MsgAnswer::Yes);
    d.Command3_Click();
    EXPECT_FALSE(exists("Pick3Day01Mar2012.lot"));
    EXPECT_EQ(lines(*d.File1), QStringList({"Pick3Night05Mar2012.lot", "Pick4StandNight.lot"}));
    EXPECT_EQ(d.List2->count(), 0);
    messages().expect("You have not selected a file for deletion");
    d.Command3_Click();
}

TEST_F(PickDeleteWindow, AFileThePlayerMayOnlyReadOrThatCannotBeRemovedIsKept) {
    QFile::setPermissions(file("Pick4StandNight.lot"), QFile::ReadOwner | QFile::ReadGroup);
    Pick3& w = open(3);
    Deletepick34& d = openDelete(w);
    click(d, "Pick4StandNight.lot");
    messages().expect(kQuestion, MsgAnswer::Yes);
    messages().expect("The file could not be deleted. " + file("Pick4StandNight.lot") +
                      " is read-only");
    d.Command3_Click();
    EXPECT_TRUE(exists("Pick4StandNight.lot"));
    EXPECT_EQ(d.List2->count(), 1);

    click(d, "Pick3Day01Mar2012.lot");
    fileFaults().failAt(FileFaults::Step::Remove, 1);
    messages().expect(kQuestion, MsgAnswer::Yes);
    messages().expect("The file could not be deleted. " +
                      FileFaults::reason(FileFaults::Step::Remove));
    d.Command3_Click();
    EXPECT_TRUE(exists("Pick3Day01Mar2012.lot"));
    EXPECT_EQ(d.File1->count(), 3);
}

TEST_F(PickDeleteWindow, CloseAndTheCloseBoxEnableThePickWindow) {
    Pick3& w = open(3);
    openDelete(w).Command1->click();
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(Windows::find(Deletepick34::kName), nullptr);
    openDelete(w).close();
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(Windows::find(Deletepick34::kName), nullptr);
}

}  // namespace
