// The entries frame: dated, standing and wheel entry files, the view states, the wheel menus,
// and deleting entries.
#include <optional>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/module1routines.h"
#include "entries_helpers.h"
#include "platform/events.h"
#include "platform/messagebox.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "support/bytes.h"

using platform::MsgAnswer;

namespace {

const EntryRow kA{{1, 5, 12, 23, 34, 45}, 7};
const EntryRow kB{{2, 6, 13, 24, 35, 46}, 8};
const EntryRow kC{{3, 7, 14, 25, 36, 47}, 9};
const EntryRow kD{{4, 8, 15, 26, 37, 48}, 10};
const EntryRow kE{{9, 10, 11, 16, 17, 18}, 11};

class EntryFiles : public EntriesTest {
protected:
    void expectDatedView(Form1& form) {
        EXPECT_EQ(m1().selectionfile, file("Lotto05Mar2012.lot"));
        EXPECT_EQ(m1().openwheeltype, 0);
        EXPECT_TRUE(form.Command3->isHidden());
        EXPECT_FALSE(form.DTPicker2->isHidden());
    }
};

TEST_F(EntryFiles, TheEntryDateListsItsDatedFile) {
    Form1& form = startGame(6, 49, 26);
    form.List2->addItem("old win");
    form.Text3->setText(" 2");
    listDated(form, {kA, kB});
    EXPECT_EQ(lines(*form.List1),
              (QStringList{"01 05 12 23 34 45 PB 07", "02 06 13 24 35 46 PB 08"}));
    EXPECT_EQ(form.Text2->text(), QStringLiteral("2"));
    EXPECT_EQ(form.List2->count(), 0);
    EXPECT_EQ(form.Text3->text(), QStringLiteral("0"));
    expectDatedView(form);
}

TEST_F(EntryFiles, ADateWithoutEntriesLeavesAnEmptyFileUntilTheViewMovesOn) {
    Form1& form = startGame(6, 49);
    form.DTPicker2_Change();
    EXPECT_EQ(form.List1->count(), 0);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("0"));
    EXPECT_TRUE(exists("Lotto05Mar2012.lot"));
    form.DTPicker2->setValue(QDate(2012, 3, 6));
    form.DTPicker2_Change();
    EXPECT_FALSE(exists("Lotto05Mar2012.lot"));
    EXPECT_EQ(m1().selectionfile, file("Lotto06Mar2012.lot"));
}

TEST_F(EntryFiles, TheDatedFileNameFollowsTheDateOrder) {
    Form1& form = startGame(6, 49);
    const std::pair<const char*, const char*> orders[] = {{"DDMMYY", "Lotto05Mar2012.lot"},
                                                          {"MMDDYY", "LottoMar052012.lot"},
                                                          {"YYMMDD", "Lotto2012Mar05.lot"}};
    for (const auto& [order, name] : orders) {
        m1().dateorder = order;
        form.DTPicker2_Change();
        EXPECT_EQ(m1().selectionfile, file(name)) << order;
    }
}

TEST_F(EntryFiles, WithoutAGameNothingIsListedAndNoFileIsMade) {
    Form1& form = start();  // every slot undefined
    form.DTPicker2_Change();
    EXPECT_TRUE(m1().selectionfile.isEmpty());
    EXPECT_FALSE(exists("05Mar2012.lot"));
}

TEST_F(EntryFiles, AnUndefinedGameSlotLeavesTheEntryDateAlone) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {kA});
    m1().gamefile = slotFileName(2);
    m1().gamenumber = 2;
    form.setupgame();
    ASSERT_FALSE(form.Frame5->isEnabled());
    form.DTPicker2->setValue(QDate(2012, 3, 6));
    form.DTPicker2_Change();
    EXPECT_EQ(m1().selectionfile, file("Lotto05Mar2012.lot"));
    EXPECT_FALSE(exists("Lotto06Mar2012.lot"));
    EXPECT_EQ(form.List1->count(), 1);

    // A disabled window with its frame enabled is one that a child is handing back: it lists.
    form.Frame5->setEnabled(true);
    form.setEnabled(false);
    form.DTPicker2_Change();
    EXPECT_EQ(m1().selectionfile, file("Lotto06Mar2012.lot"));
    EXPECT_EQ(form.List1->count(), 0);
}

TEST_F(EntryFiles, OpenStandingEntryListsItAndOffersTheWayBack) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {});
    writeFile("StandLotto.lot", entryFile({kC}));
    form.mnuStandOpen_Click();
    EXPECT_EQ(m1().selectionfile, file("StandLotto.lot"));
    EXPECT_EQ(lines(*form.List1), QStringList{"03 07 14 25 36 47 PB 09"});
    EXPECT_EQ(form.Text2->text(), QStringLiteral("1"));
    EXPECT_EQ(m1().openwheeltype, 0);
    EXPECT_FALSE(form.Command3->isHidden());
    EXPECT_FALSE(form.DTPicker2->isHidden());
    EXPECT_FALSE(exists("Lotto05Mar2012.lot"));  // the empty dated file that was left

    form.Command3_Click();
    expectDatedView(form);
    EXPECT_EQ(form.List1->count(), 0);
}

TEST_F(EntryFiles, AMissingStandingEntryChangesNothing) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {kA});
    messages().expect("You do not have a standing entry for this game!");
    form.mnuStandOpen_Click();
    EXPECT_FALSE(exists("StandLotto.lot"));
    EXPECT_EQ(form.List1->count(), 1);
    expectDatedView(form);
}

TEST_F(EntryFiles, SaveAsStandingEntryCopiesTheShownFileWhole) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {kA, kB});
    messages().expect("Done!");
    form.mnustandcreate_Click();
    EXPECT_EQ(readFile("StandLotto.lot"), entryFile({kA, kB}));
    EXPECT_EQ(m1().selectionfile, file("Lotto05Mar2012.lot"));

    writeFile("Lotto05Mar2012.lot", entryFile({kC}));
    messages().expect(
        "You already have a standing for this game. Only one standing entry is allowed per "
        "game. Do you want to continue and overwrite your existing file?",
        MsgAnswer::No, platform::MsgDefault::No);
    form.mnustandcreate_Click();
    EXPECT_EQ(readFile("StandLotto.lot"), entryFile({kA, kB}));

    messages().expect(
        "You already have a standing for this game. Only one standing entry is allowed per "
        "game. Do you want to continue and overwrite your existing file?",
        MsgAnswer::Yes);
    messages().expect("Done!");
    form.mnustandcreate_Click();
    EXPECT_EQ(readFile("StandLotto.lot"), entryFile({kC}));
}

TEST_F(EntryFiles, SaveAsStandingEntryRefusesAnEmptyListAndTheStandingFileItself) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {});
    messages().expect("You do not have any entries displayed to save as a standing entry");
    form.mnustandcreate_Click();
    EXPECT_FALSE(exists("StandLotto.lot"));

    writeFile("StandLotto.lot", entryFile({kC}));
    form.mnuStandOpen_Click();
    messages().expect("Done.");
    form.mnustandcreate_Click();
    EXPECT_EQ(readFile("StandLotto.lot"), entryFile({kC}));
}

TEST_F(EntryFiles, AStandingEntryThatCannotBeWrittenIsReported) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {kA});
    ASSERT_TRUE(QDir().mkpath(file("StandLotto.lot")));  // a folder in the way of the file
    messages().expect("The standing entry could not be saved.");
    form.mnustandcreate_Click();
    EXPECT_TRUE(QFileInfo(file("StandLotto.lot")).isDir());
}

TEST_F(EntryFiles, TheKindIsToldFromTheFileNameNotTheFolder) {
    Form1& form = startGame(6, 49, 26);
    const QString folder = file("jean-luc-Standard");
    ASSERT_TRUE(QDir().mkpath(folder));
    m1().datapath = folder;
    form.DTPicker2_Change();
    ASSERT_EQ(m1().selectionfile, folder + "/Lotto05Mar2012.lot");
    // A dated file: saving it as the standing entry copies it, and deleting asks no wheel question.
    writeFile("jean-luc-Standard/Lotto05Mar2012.lot", entryFile({kA, kB}));
    form.DTPicker2_Change();
    messages().expect("Done!");
    form.mnustandcreate_Click();
    EXPECT_EQ(readFile("jean-luc-Standard/StandLotto.lot"), entryFile({kA, kB}));
    select(form, {1});
    messages().expect("Are you sure you want to delete the selected entry?", MsgAnswer::Yes,
                      platform::MsgDefault::No);
    form.Command5_Click();
    EXPECT_EQ(form.Text2->text(), QStringLiteral("1"));
}

struct WheelCase {
    int item;
    const char* name;
    const char* file;
    int balls;
    int type;
};
std::ostream& operator<<(std::ostream& os, const WheelCase& c) {
    return os << c.name;
}

class WheelItems : public EntriesTest, public ::testing::WithParamInterface<WheelCase> {};

TEST_P(WheelItems, OpenTheirWheelFileAndShowOnlyForTheirBallCount) {
    const WheelCase c = GetParam();
    Form1& form = startGame(c.balls, 49);
    EXPECT_EQ(form.mnuWheelItem[c.item]->objectName(), QString::fromLatin1(c.name));
    setwheelmenus(form, static_cast<qint16>(c.balls));
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(form.mnuWheelItem[i]->isVisible(),
                  form.mnuWheelItem[i]->objectName().at(3).digitValue() == c.balls)
            << i;
    }
    listDated(form, {});
    writeFile(c.file, entryFile({EntryRow{{1, 2, 3, 4}, 0}, EntryRow{{5, 6, 7, 8}, 0}}));
    form.mnuWheelItem_Click(c.item);
    EXPECT_EQ(m1().selectionfile, file(c.file));
    EXPECT_EQ(m1().openwheeltype, c.type);
    EXPECT_EQ(lines(*form.List1), (QStringList{"01 02 03 04 ", "05 06 07 08 "}));
    EXPECT_EQ(form.Text2->text(), QStringLiteral("2"));
    EXPECT_FALSE(form.Command3->isHidden());
    EXPECT_TRUE(form.DTPicker2->isHidden());
    EXPECT_FALSE(exists("Lotto05Mar2012.lot"));
}

INSTANTIATE_TEST_SUITE_P(AllTwentyFour, WheelItems,
                         ::testing::Values(WheelCase{0, "mnu777", "Lotto-7-7-7.lot", 7, 1},
                                           WheelCase{1, "mnu776", "Lotto-7-7-6.lot", 7, 2},
                                           WheelCase{2, "mnu775", "Lotto-7-7-5.lot", 7, 3},
                                           WheelCase{3, "mnu774", "Lotto-7-7-4.lot", 7, 4},
                                           WheelCase{4, "mnu773", "Lotto-7-7-3.lot", 7, 5},
                                           WheelCase{5, "mnu666", "Lotto-6-6-6.lot", 6, 1},
                                           WheelCase{6, "mnu665", "Lotto-6-6-5.lot", 6, 2},
                                           WheelCase{7, "mnu664", "Lotto-6-6-4.lot", 6, 3},
                                           WheelCase{8, "mnu663", "Lotto-6-6-3.lot", 6, 4},
                                           WheelCase{9, "mnu655", "Lotto-6-5-5.lot", 6, 5},
                                           WheelCase{10, "mnu654", "Lotto-6-5-4.lot", 6, 6},
                                           WheelCase{11, "mnu653", "Lotto-6-5-3.lot", 6, 7},
                                           WheelCase{12, "mnu644", "Lotto-6-4-4.lot", 6, 8},
                                           WheelCase{13, "mnu643", "Lotto-6-4-3.lot", 6, 9},
                                           WheelCase{14, "mnu633", "Lotto-6-3-3.lot", 6, 10},
                                           WheelCase{15, "mnu555", "Lotto-5-5-5.lot", 5, 1},
                                           WheelCase{16, "mnu554", "Lotto-5-5-4.lot", 5, 2},
                                           WheelCase{17, "mnu553", "Lotto-5-5-3.lot", 5, 3},
                                           WheelCase{18, "mnu544", "Lotto-5-4-4.lot", 5, 4},
                                           WheelCase{19, "mnu543", "Lotto-5-4-3.lot", 5, 5},
                                           WheelCase{20, "mnu533", "Lotto-5-3-3.lot", 5, 6},
                                           WheelCase{21, "mnu444", "Lotto-4-4-4.lot", 4, 1},
                                           WheelCase{22, "mnu443", "Lotto-4-4-3.lot", 4, 2},
                                           WheelCase{23, "mnu442", "Lotto-4-4-2.lot", 4, 3}),
                         [](const ::testing::TestParamInfo<WheelCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(EntryFiles, OtherBallCountsLeaveTheWheelMenusAsTheyWere) {
    Form1& form = startGame(6, 49);
    setwheelmenus(form, 5);
    setwheelmenus(form, 3);
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(form.mnuWheelItem[i]->isVisible(), i >= 15 && i <= 20) << i;
    }
}

TEST_F(EntryFiles, AWheelNeverCreatedKeepsTheShownWheelAndItsType) {
    Form1& form = startGame(6, 49);
    writeFile("Lotto-6-6-5.lot", entryFile({EntryRow{{1, 2, 3, 4, 5, 6}, 0}}));
    form.mnuWheelItem_Click(6);
    ASSERT_EQ(m1().openwheeltype, 2);
    messages().expect("You have not yet created this wheel");
    form.mnuWheelItem_Click(7);
    EXPECT_EQ(m1().openwheeltype, 2);
    EXPECT_EQ(m1().selectionfile, file("Lotto-6-6-5.lot"));
    EXPECT_EQ(form.List1->count(), 1);
    EXPECT_FALSE(exists("Lotto-6-6-4.lot"));

    messages().expect("You have not yet created this wheel");
    form.openwheel(file("Lotto-6-3-3.lot"));
    EXPECT_EQ(m1().openwheeltype, 2);
}

TEST_F(EntryFiles, DatedEntryLeavesAWheelAndDeletesItWhenEmpty) {
    Form1& form = startGame(6, 49);
    writeFile("Lotto-6-6-6.lot", entryFile({}));
    form.mnuWheelItem_Click(5);
    writeFile("Lotto05Mar2012.lot", entryFile({kA}));
    form.Command3_Click();
    expectDatedView(form);
    EXPECT_EQ(form.List1->count(), 1);
    EXPECT_FALSE(exists("Lotto-6-6-6.lot"));
}

TEST_F(EntryFiles, AStandingViewReachedFromAWheelKeepsThePickerHidden) {
    Form1& form = startGame(6, 49);
    writeFile("Lotto-6-6-6.lot", entryFile({kA}));
    writeFile("StandLotto.lot", entryFile({kB}));
    form.mnuWheelItem_Click(5);
    form.mnuStandOpen_Click();
    EXPECT_EQ(m1().openwheeltype, 0);
    EXPECT_TRUE(form.DTPicker2->isHidden());
    EXPECT_FALSE(form.Command3->isHidden());
}

class DeleteEntries : public EntriesTest {};

TEST_F(DeleteEntries, TheFirstEntryMovesEveryLaterOneDown) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {kA, kB, kC});
    select(form, {0});
    messages().expect("Are you sure you want to delete the selected entry?", MsgAnswer::Yes);
    form.Command5_Click();
    // Record 1 holds the former second entry with the lowered count; the file keeps its length.
    EXPECT_EQ(readFile("Lotto05Mar2012.lot"),
              entryFile({kB, kC}) + entryFile({kC}).replace(0, 4, QByteArray(4, '\0')));
    EXPECT_EQ(lines(*form.List1),
              (QStringList{"02 06 13 24 35 46 PB 08", "03 07 14 25 36 47 PB 09"}));
    EXPECT_EQ(form.Text2->text(), QStringLiteral("2"));
}

TEST_F(DeleteEntries, SeveralAtOnceKeepTheOthersInOrderWithoutAMessage) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {kA, kB, kC, kD, kE});
    form.List2->addItem("old win");
    select(form, {1, 3});
    messages().expect("Are you sure you want to delete the 2 selected entries?", MsgAnswer::Yes);
    form.Command5_Click();
    QByteArray e = entryFile({kE});
    e.replace(0, 4, QByteArray(4, '\0'));
    EXPECT_EQ(readFile("Lotto05Mar2012.lot"), entryFile({kA, kC, kE}) + e + e);
    EXPECT_EQ(form.List1->count(), 3);
    EXPECT_EQ(form.List1->item(1)->text(), QStringLiteral("03 07 14 25 36 47 PB 09"));
    EXPECT_EQ(form.Text2->text(), QStringLiteral("3"));
    EXPECT_EQ(form.List2->count(), 0);
}

TEST_F(DeleteEntries, DeletingEveryEntryEmptiesTheListAndSaysDone) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {kA, kB});
    select(form, {0, 1});
    messages().expect("Are you sure you want to delete the 2 selected entries?", MsgAnswer::Yes);
    messages().expect("Done");
    form.Command5_Click();
    EXPECT_EQ(form.List1->count(), 0);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("0"));
    EXPECT_EQ(readFile("Lotto05Mar2012.lot").left(4), QByteArray(4, '\0'));
    EXPECT_EQ(readFile("Lotto05Mar2012.lot").size(), 56);
}

// Lines past what the file holds have nothing to delete: they stay, marked, and move up; the
// current line, deleted, passes to the line above.
TEST_F(DeleteEntries, LinesPastTheFileKeepTheirMarksAndTheCurrentLineMovesUp) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {kA, kB, kC, kD, kE});
    // Another window has since taken the last entry out of the file.
    writeFile("Lotto05Mar2012.lot", entryFile({kA, kB, kC, kD}));
    form.List1->setCurrentRow(2);
    select(form, {1, 2, 4});
    messages().expect("Are you sure you want to delete the 3 selected entries?", MsgAnswer::Yes);
    form.Command5_Click();
    QByteArray d = entryFile({kD});
    d.replace(0, 4, QByteArray(4, '\0'));
    EXPECT_EQ(readFile("Lotto05Mar2012.lot"), entryFile({kA, kD}) + d + d);
    EXPECT_EQ(lines(*form.List1), (QStringList{"01 05 12 23 34 45 PB 07", "04 08 15 26 37 48 PB 10",
                                               "09 10 11 16 17 18 PB 11"}));
    EXPECT_EQ(selectedRows(*form.List1), (std::vector<int>{2}));
    EXPECT_EQ(form.List1->currentRow(), 0);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("2"));
}

TEST_F(DeleteEntries, AFileThatCannotBeChangedIsReportedAndTheListKept) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {kA, kB});
    ASSERT_TRUE(QFile::remove(file("Lotto05Mar2012.lot")));
    ASSERT_TRUE(QDir().mkpath(file("Lotto05Mar2012.lot")));
    select(form, {0});
    messages().expect("Are you sure you want to delete the selected entry?", MsgAnswer::Yes);
    messages().expect("The entry file could not be changed.");
    form.Command5_Click();
    EXPECT_EQ(form.List1->count(), 2);
    EXPECT_EQ(form.Text2->text(), QStringLiteral("2"));
}

TEST_F(DeleteEntries, RefusalsAndNoLeaveTheFileUntouched) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {});
    messages().expect("There are no entries to delete");
    form.Command5_Click();

    listDated(form, {kA, kB});
    form.List1->clearSelection();
    messages().expect("You have not selected any entries for deletion.");
    form.Command5_Click();

    select(form, {1});
    messages().expect("Are you sure you want to delete the selected entry?", MsgAnswer::No);
    form.Command5_Click();
    EXPECT_EQ(readFile("Lotto05Mar2012.lot"), entryFile({kA, kB}));
    EXPECT_EQ(form.List1->count(), 2);
}

TEST_F(DeleteEntries, AWheelEntryAsksAboutTheGuaranteeFirst) {
    Form1& form = startGame(6, 49);
    writeFile("Lotto-6-6-5.lot", entryFile({kA, kB}));
    form.mnuWheelItem_Click(6);
    select(form, {0});
    messages().expect(
        "Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to "
        "continue?",
        MsgAnswer::No);
    form.Command5_Click();
    EXPECT_EQ(readFile("Lotto-6-6-5.lot"), entryFile({kA, kB}));

    messages().expect(
        "Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to "
        "continue?",
        MsgAnswer::Yes);
    messages().expect("Are you sure you want to delete the selected entry?", MsgAnswer::Yes);
    form.Command5_Click();
    EXPECT_EQ(form.Text2->text(), QStringLiteral("1"));
}

}  // namespace

// A damaged entry file is named once when it is listed while the game is loaded, and left as it
// is: moving on neither deletes it nor names it again. A missing or empty file is no damage.
namespace {

struct EntryFileCase {
    const char* name;
    std::optional<QByteArray> bytes;  // none: no file
    bool damaged;
    int listed;
};

void PrintTo(const EntryFileCase& c, std::ostream* os) {
    *os << c.name;
}

const EntryFileCase kEntryFiles[] = {
    {"NegativeCount", fixture::entry(-1, {1, 2, 3, 4, 5, 6}), true, 0},
    {"CountPastTheRecordsHeld",
     fixture::entry(3, {1, 2, 3, 4, 5, 6}) + fixture::entry(0, {7, 8, 9, 10, 11, 12}), true, 2},
    {"PartRecordAtTheEnd", fixture::entry(1, {1, 2, 3, 4, 5, 6}) + QByteArray(5, '\x11'), true, 1},
    {"ZeroCountBeforeAPartRecord", fixture::entry(0, {1, 2, 3, 4, 5, 6}) + QByteArray(5, '\x11'),
     true, 0},
    {"Sound", fixture::entry(1, {1, 2, 3, 4, 5, 6}), false, 1},
    {"Empty", QByteArray(), false, 0},
    {"Missing", std::nullopt, false, 0},
};

}  // namespace

class DamagedEntryFile : public EntriesTest, public ::testing::WithParamInterface<EntryFileCase> {};

TEST_P(DamagedEntryFile, IsNamedOncePerLoadAndLeftAsItIs) {
    const EntryFileCase& c = GetParam();
    const QString name = QStringLiteral("Lotto05Mar2012.lot");
    if (c.bytes) {
        writeFile(name, *c.bytes);
    }
    if (c.damaged) {
        messages().expect(damagedEntryFileBox(name));
    }
    Form1& form = startGame(6, 49);
    platform::doEvents();
    EXPECT_TRUE(messages().allAnswered());
    EXPECT_EQ(form.List1->count(), c.listed);

    // Away and back: not named again, and not taken for an empty file on the way.
    for (const QDate day : {QDate(2012, 3, 6), QDate(2012, 3, 5)}) {
        form.DTPicker2->setValue(day);
        form.DTPicker2_Change();
    }
    EXPECT_TRUE(messages().allAnswered());

    // Nothing is written onto it by deleting entries either.
    if (c.damaged && c.listed > 0) {
        select(form, {0});
        messages().expect("Are you sure you want to delete the selected entry?", MsgAnswer::Yes);
        messages().expect("The entries could not be deleted. The entry file is damaged.");
        form.Command5_Click();
        EXPECT_EQ(form.List1->count(), c.listed);
    }
    EXPECT_EQ(readFile(name), c.bytes.value_or(QByteArray()));
}

INSTANTIATE_TEST_SUITE_P(EntryFiles, DamagedEntryFile, ::testing::ValuesIn(kEntryFiles),
                         [](const auto& info) { return std::string(info.param.name); });
