// Data safety of every save of the Pick window: a write, flush, commit or removal that fails, and
// a file the player may only read. Each failure leaves every file as it was and says what could
// not be done.
#include <map>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "pick34/AddEntriesP34.h"
#include "pick3_helpers.h"
#include "platform/windows.h"
#include "shared/filefaults.h"
#include "shared/module1.h"

using namespace fixture;
using platform::MsgAnswer;
using Step = FileFaults::Step;

namespace {

const QString kDated = QStringLiteral("Pick3Night05Mar2012.lot");
const QString kHistory = QStringLiteral("XWPick3Night.rtl");

QByteArray twoDraws() {
    return pick(2, 1, 4, 3, 2012, {1, 1, 1}) + pick(0, 2, 5, 3, 2012, {4, 0, 7});
}

class PickFileSafety : public Pick3Test, public ::testing::WithParamInterface<Step> {
protected:
    using Files = std::map<QString, QByteArray>;

    // Every file of the data folder with its bytes: a leftover temporary file shows here too.
    Files snapshot() const {
        Files all;
        for (const QString& name :
             QDir(dataPath()).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            all[name] = readFile(name);
        }
        return all;
    }
    // Opens the window on the files written, then arms the fault for the save that follows.
    Pick3& openArmed() {
        Pick3& w = open(3);
        before_ = snapshot();
        fileFaults().failAt(GetParam(), 1);
        return w;
    }
    QString failure(const char* what) const {
        return QString::fromLatin1(what) + u' ' + FileFaults::reason(GetParam());
    }
    void expectUnchanged() {
        EXPECT_EQ(snapshot(), before_);
        for (const QString& text : messages().shown()) {
            EXPECT_NE(text, QStringLiteral("Done"));
        }
    }

private:
    Files before_;
};

TEST_P(PickFileSafety, AddingADraw) {
    writeFile(kHistory, twoDraws());
    Pick3& w = openArmed();
    w.DTPicker1->setValue(QDate(2012, 3, 3));
    w.DTPicker1_Change();
    w.Text1->setText("123");
    messages().expect(failure("The draw could not be saved."));
    w.Command1_Click();
    expectUnchanged();
}

TEST_P(PickFileSafety, ReplacingADraw) {
    writeFile(kHistory, twoDraws());
    Pick3& w = openArmed();
    w.Text1->setText("123");
    messages().expect(
        "There is already a draw in the history file for this date. Do you want to replace it?",
        MsgAnswer::Yes);
    messages().expect(failure("The draw could not be saved."));
    w.Command1_Click();
    expectUnchanged();
}

TEST_P(PickFileSafety, DeletingADraw) {
    writeFile(kHistory, twoDraws());
    Pick3& w = openArmed();
    messages().expect("Do you really want to delete this draw?", MsgAnswer::Yes);
    messages().expect(failure("The draw could not be deleted."));
    w.Command2_Click();
    expectUnchanged();
    EXPECT_EQ(w.Text1->text(), QStringLiteral("407"));
}

TEST_P(PickFileSafety, DeletingEntries) {
    writeFile(kDated, entries({{1, 1, 1}, {2, 2, 2}, {3, 3, 3}}));
    Pick3& w = openArmed();
    select(*w.List1, {1});
    messages().expect("Are you sure you want to delete the selected entry?", MsgAnswer::Yes);
    messages().expect(failure("The entry file could not be changed."));
    w.Command5_Click();
    expectUnchanged();
    EXPECT_EQ(w.List1->count(), 3);
    EXPECT_EQ(w.Text2->text(), QStringLiteral("3"));
}

TEST_P(PickFileSafety, SavingAStandingEntry) {
    writeFile(kDated, entries({{1, 1, 1}}));
    writeFile("Pick3StandNight.lot", entries({{9, 9, 9}}));
    Pick3& w = openArmed();
    messages().expect(
        "You already have a standing for this game. Only one standing entry is allowed per game. "
        "Do you want to continue and overwrite your existing file?",
        MsgAnswer::Yes);
    messages().expect(failure("The entries could not be copied."));
    w.mnuStandSave_Click();
    expectUnchanged();
}

TEST_P(PickFileSafety, CopyingToTheOtherDrawTime) {
    writeFile(kDated, entries({{1, 1, 1}}));
    Pick3& w = openArmed();
    messages().expect(failure("The entries could not be copied."));
    w.mnuBoth_Click();
    expectUnchanged();
}

TEST_P(PickFileSafety, AddingAnEntryByHand) {
    writeFile(kDated, entries({{1, 1, 1}}));
    Pick3& w = openArmed();
    w.Command4_Click();
    auto* add = platform::Windows::live<AddEntriesP34>(AddEntriesP34::kName);
    ASSERT_NE(add, nullptr);
    add->Text1->setText("407");
    messages().expect(failure("The entries could not be added."));
    add->Command1_Click();
    expectUnchanged();
    EXPECT_EQ(w.List1->count(), 1);
    EXPECT_EQ(w.Text2->text(), QStringLiteral("1"));
    EXPECT_EQ(add->Text3->text(), QStringLiteral("1"));
}

TEST_P(PickFileSafety, AddingSuggestedPicks) {
    writeFile(kDated, entries({{1, 1, 1}}));
    Pick3& w = openArmed();
    w.Command4_Click();
    auto* add = platform::Windows::live<AddEntriesP34>(AddEntriesP34::kName);
    ASSERT_NE(add, nullptr);
    add->Text2->setText("20");
    messages().expect(failure("The entries could not be added."));
    add->Command2_Click();
    expectUnchanged();
    EXPECT_EQ(w.List1->count(), 1);
    EXPECT_EQ(add->Text3->text(), QStringLiteral("1"));
}

INSTANTIATE_TEST_SUITE_P(Pick, PickFileSafety,
                         ::testing::Values(Step::Write, Step::Flush, Step::Commit),
                         [](const auto& info) {
                             switch (info.param) {
                                 case Step::Write:
                                     return std::string("Write");
                                 case Step::Flush:
                                     return std::string("Flush");
                                 default:
                                     return std::string("Commit");
                             }
                         });

class PickFileRemoval : public Pick3Test {
protected:
    void makeReadOnly(const QString& name) const {
        ASSERT_TRUE(QFile::setPermissions(
            file(name), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    }
};

TEST_F(PickFileRemoval, TheOnlyDrawStaysWhenItsFileCannotBeRemoved) {
    writeFile(kHistory, pick(1, 1, 5, 3, 2012, {4, 0, 7}));
    Pick3& w = open(3);
    fileFaults().failAt(Step::Remove, 1);
    messages().expect("Do you really want to delete this draw?", MsgAnswer::Yes);
    messages().expect(QStringLiteral("The draw could not be deleted. ") +
                      FileFaults::reason(Step::Remove));
    w.Command2_Click();
    EXPECT_EQ(readFile(kHistory), pick(1, 1, 5, 3, 2012, {4, 0, 7}));
    EXPECT_EQ(w.Text1->text(), QStringLiteral("407"));
}

TEST_F(PickFileRemoval, AHistoryThePlayerMayOnlyReadIsNeverDeleted) {
    writeFile(kHistory, pick(1, 1, 5, 3, 2012, {4, 0, 7}));
    makeReadOnly(kHistory);
    Pick3& w = open(3);
    EXPECT_EQ(w.Text1->text(), QStringLiteral("407"));
    messages().expect("Do you really want to delete this draw?", MsgAnswer::Yes);
    messages().expect("The draw could not be deleted. " + file(kHistory) + " is read-only");
    w.Command2_Click();
    EXPECT_EQ(readFile(kHistory), pick(1, 1, 5, 3, 2012, {4, 0, 7}));
}

TEST_F(PickFileRemoval, AnEmptyEntryFileThePlayerMayOnlyReadStaysWhenLeft) {
    writeFile(kDated, pickEntry(0, {1, 2, 3}));
    makeReadOnly(kDated);
    Pick3& w = open(3);
    w.Command6_Click();
    EXPECT_TRUE(exists(kDated));
}

TEST_F(PickFileRemoval, EntriesAreNotAddedToAFileThePlayerMayOnlyRead) {
    writeFile(kDated, entries({{1, 1, 1}}));
    makeReadOnly(kDated);
    Pick3& w = open(3);
    w.Command4_Click();
    auto* add = platform::Windows::live<AddEntriesP34>(AddEntriesP34::kName);
    ASSERT_NE(add, nullptr);
    add->Text1->setText("407");
    messages().expect("The entries could not be added. Existing file " + file(kDated) +
                      " is not writable");
    add->Command1_Click();
    EXPECT_EQ(readFile(kDated), entries({{1, 1, 1}}));
    EXPECT_EQ(w.List1->count(), 1);
}

TEST_F(PickFileRemoval, AStandingFileThePlayerMayOnlyReadIsNotOverwritten) {
    writeFile(kDated, entries({{1, 1, 1}}));
    writeFile("Pick3StandNight.lot", entries({{9, 9, 9}}));
    makeReadOnly("Pick3StandNight.lot");
    Pick3& w = open(3);
    messages().expect(
        "You already have a standing for this game. Only one standing entry is allowed per game. "
        "Do you want to continue and overwrite your existing file?",
        MsgAnswer::Yes);
    messages().expect("The entries could not be copied. Existing file " +
                      file("Pick3StandNight.lot") + " is not writable");
    w.mnuStandSave_Click();
    EXPECT_EQ(readFile("Pick3StandNight.lot"), entries({{9, 9, 9}}));
}

}  // namespace
