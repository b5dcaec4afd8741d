// The wheel window: its load and ranking, the options of each of the four windows, the group
// size, Save Wheel with its checks and the main window, the cover page and Close.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSet>

#include "app/Form1.h"
#include "app/windownames.h"
#include "platform/clock.h"
#include "platform/windows.h"
#include "shared/filefaults.h"
#include "shared/module1.h"
#include "support/bytes.h"
#include "wheels/WheelForm.h"
#include "wheels_helpers.h"

using namespace fixture;
using platform::MsgAnswer;
using platform::Windows;

namespace {

const QString kOverwrite = QStringLiteral(
    "You have already created one of thse wheels. Do you want to overwrite the existing entry "
    "with this new entry?");

QStringList shownBoxes(const WheelForm& form) {
    QStringList texts;
    for (const QLineEdit* box : form.Text1)
        if (!box->isHidden())
            texts << box->text();
    return texts;
}

QStringList comboItems(const WheelForm& form) {
    QStringList items;
    for (int i = 0; i < form.Combo1->count(); ++i)
        items << form.Combo1->itemText(i);
    return items;
}

void chooseSize(WheelForm& form, const QString& size) {
    const int index = form.Combo1->findText(size);
    ASSERT_GE(index, 0) << size.toStdString();
    form.Combo1->setCurrentIndex(index);
    emit form.Combo1->activated(index);
}

}  // namespace

class WheelWindow : public WheelWindowTest {
protected:
    // Lotto 4 of 50 with its own extra pool of 5; the 4-4-2 wheel of ten numbers chosen.
    WheelForm& openTenNumberWheel(int bonuspool = 5) {
        startGame(4, 50, bonuspool);
        shipWheel(QStringLiteral("4-4-2-10.whl"));
        WheelForm& form = openWheel();
        form.Option[2]->click();
        typeNumbers(form, {"50", "5", "45", "10", "40", "15", "35", "20", "30", "25"});
        return form;
    }
    static QByteArray tenNumbersWheel(int e1, int e2, int e3) {
        return entry(3, {5, 10, 15, 20}, e1) + entry(3, {15, 20, 25, 30}, e2) +
               entry(3, {35, 40, 45, 50}, e3);
    }
    QByteArray savedWheel() const { return readFile(QStringLiteral("Lotto-4-4-2.lot")); }
    void save(WheelForm& form) {
        messages().expect(QStringLiteral("Done!"));
        form.Command3->click();
    }
};

TEST_F(WheelWindow, LoadShowsTheMostDrawnNumbersOfTheSmallestFullWheel) {
    startGame(6, 49, 26);
    // Position 7 and the extra ball never count; 12 and 9 tie after 5 and 40.
    writeHistory({{5, 40, 12, 30, 9, 22, 44},
                  {5, 40, 12, 30, 9, 23, 44},
                  {5, 40, 12, 31, 8, 24, 44},
                  {5, 40, 9, 32, 7, 25, 44}},
                 44);
    WheelForm& form = openWheel();
    EXPECT_EQ(form.windowTitle(), "6 Wheel for Lotto");
    EXPECT_EQ(m1().resultsfile, file(QStringLiteral("Lotto.rtl")));
    EXPECT_TRUE(form.Option[0]->isChecked());
    EXPECT_EQ(form.wheeltype, 1);
    EXPECT_EQ(comboItems(form), (QStringList{"7", "8", "9", "10", "11", "12", "13", "14"}));
    EXPECT_EQ(form.Combo1->currentText(), "7");
    EXPECT_EQ(shownBoxes(form), (QStringList{"5", "7", "8", "9", "12", "30", "40"}));
    EXPECT_EQ(form.Text25->text(), "7");
    EXPECT_TRUE(form.Text25->isReadOnly());
    EXPECT_TRUE(form.Text1[7]->isHidden());
    EXPECT_TRUE(form.Text1[7]->text().isEmpty());

    chooseSize(form, QStringLiteral("14"));
    EXPECT_EQ(form.numballs, 14);
    EXPECT_EQ(form.Text25->text(), "3003");
    // The 13 numbers drawn, and one random number never drawn.
    const QStringList boxes = shownBoxes(form);
    ASSERT_EQ(boxes.size(), 14);
    int drawn = 0;
    for (int v : {5, 40, 12, 30, 9, 22, 23, 31, 8, 24, 7, 32, 25})
        drawn += boxes.contains(QString::number(v)) ? 1 : 0;
    EXPECT_EQ(drawn, 13);
}

TEST_F(WheelWindow, WithoutDrawsTheBoxesHoldDistinctNumbersOfThePool) {
    startGame(6, 30, 0);
    WheelForm& form = openWheel();
    form.Option[1]->click();
    chooseSize(form, QStringLiteral("24"));
    const QStringList boxes = shownBoxes(form);
    ASSERT_EQ(boxes.size(), 24);
    QSet<int> numbers;
    int previous = 0;
    for (const QString& b : boxes) {
        const int v = b.toInt();
        EXPECT_GE(v, 1);
        EXPECT_LE(v, 30);
        EXPECT_GT(v, previous) << "ascending";
        previous = v;
        numbers.insert(v);
    }
    EXPECT_EQ(numbers.size(), 24);
}

TEST_F(WheelWindow, APoolSmallerThanTheGroupStillOpens) {
    startGame(6, 10, 0);
    WheelForm& form = openWheel();
    form.Option[1]->click();
    chooseSize(form, QStringLiteral("12"));
    EXPECT_EQ(shownBoxes(form),
              (QStringList{"0", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
}

TEST_F(WheelWindow, ChoosingAGuaranteeDiscardsTypedNumbers) {
    startGame(6, 49, 26);
    writeHistory({{1, 2, 3, 4, 5, 6},
                  {7, 8, 9, 10, 11, 12},
                  {13, 14, 15, 16, 17, 18},
                  {19, 20, 21, 22, 23, 24},
                  {25, 26, 27, 28, 29, 30}});
    WheelForm& form = openWheel();
    typeNumbers(form, {"44", "45"});
    form.Option[2]->click();
    EXPECT_EQ(form.wheeltype, 3);
    EXPECT_EQ(form.Combo1->currentText(), "10");
    EXPECT_EQ(form.Text25->text(), "3");
    EXPECT_EQ(shownBoxes(form), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
}

struct Window {
    int k;
    int bonuspool;
    std::vector<const char*> options;  // captions' m, in type order
    int headings;
    const char* extraTitle;    // nullptr: no extra-ball frame
    const char* checkedExtra;  // nullptr: none checked
};

void PrintTo(const Window& w, std::ostream* os) {
    *os << "k=" << w.k << " extra pool " << w.bonuspool;
}

class WheelWindows : public WheelWindowTest, public ::testing::WithParamInterface<Window> {};

TEST_P(WheelWindows, ShowTheirGuaranteesAndExtraBallFrame) {
    const Window& w = GetParam();
    startGame(w.k, 49, w.bonuspool);
    WheelForm& form = openWheel();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("%1 Wheel for Lotto").arg(w.k));
    ASSERT_EQ(form.Option.size(), w.options.size());
    for (std::size_t i = 0; i < w.options.size(); ++i) {
        EXPECT_EQ(form.Option[i]->objectName(), QStringLiteral("Option%1").arg(i + 1));
        EXPECT_EQ(form.Option[i]->text(),
                  QStringLiteral("Guarantee Match ") + QString::fromLatin1(w.options[i]));
    }
    EXPECT_EQ(static_cast<int>(form.headings.size()), w.headings);
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("Any %1 from Group Picked").arg(w.k));
    auto* frame = form.findChild<QGroupBox*>(QStringLiteral("Frame2"));
    if (w.extraTitle == nullptr) {
        EXPECT_EQ(frame, nullptr);
        return;
    }
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), w.extraTitle);
    EXPECT_EQ(frame->isEnabled(), w.bonuspool > 0);
    QString checked;
    for (const QRadioButton* option : form.extraOptions) {
        EXPECT_EQ(option->isEnabledTo(&form), w.bonuspool > 0);
        if (option->isChecked())
            checked = option->objectName();
    }
    EXPECT_EQ(checked, QString::fromLatin1(w.checkedExtra));
}

INSTANTIATE_TEST_SUITE_P(
    Games, WheelWindows,
    ::testing::Values(
        Window{4, 5, {"4", "3", "2"}, 1, "Powerball", "Option9"},
        Window{4, 0, {"4", "3", "2"}, 1, "Not Used", "Option9"},
        Window{5, 5, {"5", "4", "3", "4", "3", "3"}, 3, "Powerball", "Option9"},
        Window{5, 0, {"5", "4", "3", "4", "3", "3"}, 3, "Not Used", nullptr},
        Window{
            6, 26, {"6", "5", "4", "3", "5", "4", "3", "4", "3", "3"}, 4, "Powerball", "Option11"},
        Window{6, 0, {"6", "5", "4", "3", "5", "4", "3", "4", "3", "3"}, 4, "Not Used", nullptr},
        Window{7, 0, {"7", "6", "5", "4", "3"}, 1, nullptr, nullptr}));

TEST_F(WheelWindow, SaveWritesTheWheelWithEachExtraRule) {
    WheelForm& form = openTenNumberWheel();
    writeHistory({{1, 2, 3, 4}, {1, 2, 3, 4}, {1, 2, 3, 4}}, 4);
    form.Text25->setText(QStringLiteral("1"));  // E comes from the wheel table, never the box
    save(form);  // "Optimized" is chosen at load; every draw's extra is 4
    EXPECT_EQ(savedWheel(), tenNumbersWheel(4, 4, 4));

    form.extraOptions[0]->click();  // Spread
    messages().expect(kOverwrite, MsgAnswer::Yes);
    save(form);
    EXPECT_EQ(savedWheel(), tenNumbersWheel(1, 2, 3));

    form.extraOptions[1]->click();  // Random
    platform::randomize(2012);
    int expected[3];
    for (int& e : expected)
        e = wheels::randomUpTo(5, platform::rnd());
    platform::randomize(2012);
    messages().expect(kOverwrite, MsgAnswer::Yes);
    save(form);
    EXPECT_EQ(savedWheel(), tenNumbersWheel(expected[0], expected[1], expected[2]));
    EXPECT_EQ(form.numballs, 10) << "the window stays as it was";
    EXPECT_NE(Windows::find(form.objectName()), nullptr);
}

TEST_F(WheelWindow, AGameWithoutItsOwnExtraPoolGetsNoExtras) {
    WheelForm& form = openTenNumberWheel(0);
    save(form);
    EXPECT_EQ(savedWheel(), tenNumbersWheel(0, 0, 0));
}

TEST_F(WheelWindow, OverwriteAnsweredNoKeepsTheOldWheel) {
    WheelForm& form = openTenNumberWheel();
    form.extraOptions[0]->click();
    save(form);
    const QByteArray first = savedWheel();
    form.Text1[0]->setText(QStringLiteral("49"));
    messages().expect(kOverwrite, MsgAnswer::No, platform::MsgDefault::No);
    form.Command3->click();
    EXPECT_EQ(savedWheel(), first);
}

TEST_F(WheelWindow, AnEmptyOldWheelIsReplacedByAFreshFileWithoutAQuestion) {
    WheelForm& form = openTenNumberWheel();
    form.extraOptions[0]->click();
    // Count 0, with a date and a seventh number left in it, and more records than the wheel.
    writeFile(QStringLiteral("Lotto-4-4-2.lot"), draw(0, 3, 5, 3, 2012, {9, 9, 9, 9, 9, 9, 9}, 9) +
                                                     entry(0, {8}) + entry(0, {7}) + entry(0, {6}));
    save(form);
    EXPECT_EQ(savedWheel(), tenNumbersWheel(1, 2, 3));
}

TEST_F(WheelWindow, AFailedSaveKeepsTheOldWheelAndTheMainWindow) {
    WheelForm& form = openTenNumberWheel();
    form.extraOptions[0]->click();
    save(form);
    const QByteArray old = savedWheel();
    Form1& main = *Windows::live<Form1>(Form1::kName);
    main.findChild<QAction*>(QStringLiteral("mnu442"))->trigger();
    ASSERT_EQ(main.List1->count(), 3);

    const auto expectKept = [&](const char* why) {
        EXPECT_EQ(savedWheel(), old) << why;
        EXPECT_EQ(main.List1->count(), 3) << why;
        EXPECT_EQ(m1().selectionfile, file(QStringLiteral("Lotto-4-4-2.lot"))) << why;
    };
    typeNumbers(form, {"5", "5"});
    messages().expect(QStringLiteral("One or more of your numbers are the same!"));
    form.Command3->click();
    expectKept("same");

    typeNumbers(form, {"51", "1"});
    messages().expect(QStringLiteral("One or more of your numbers are out of range!"));
    form.Command3->click();
    expectKept("range");

    typeNumbers(form, {"1", "2"});
    form.extraOptions[2]->click();  // Optimized, with no history
    messages().expect(QStringLiteral(
        "You have fewer than 3 draws in the history file. The program cannot suggest Optimised "
        "entries yet. Please select Random or Spread"));
    form.Command3->click();
    expectKept("draws");

    form.extraOptions[0]->click();
    writeWheel(QStringLiteral("4-4-2-10.whl"), "01 02 03 04\n03 04 05 06\n07 08 09 11\n");
    messages().expect(
        QStringLiteral("Your wheel data file is corrupt (4-4-2-10.whl, line 3: "
                       "value 11 outside 1..10). Nothing was saved."));
    form.Command3->click();
    expectKept("position beyond n");

    QFile::remove(file(QStringLiteral("wheels/4-4-2-10.whl")));
    messages().expect(QStringLiteral("The wheel file cannot be found!"));
    form.Command3->click();
    expectKept("no data file");
}

TEST_F(WheelWindow, SavingTheWheelShownInTheMainWindowClearsIt) {
    WheelForm& form = openTenNumberWheel();
    form.extraOptions[0]->click();
    save(form);
    Form1& main = *Windows::live<Form1>(Form1::kName);
    messages().expect(QStringLiteral("You have not yet created this wheel"));
    main.findChild<QAction*>(QStringLiteral("mnu443"))->trigger();
    main.findChild<QAction*>(QStringLiteral("mnu442"))->trigger();
    ASSERT_EQ(main.List1->count(), 3);
    ASSERT_EQ(m1().openwheeltype, 3);
    main.List2->addItem(QStringLiteral("a winning line"));
    main.Image2[0]->show();

    messages().expect(kOverwrite, MsgAnswer::Yes);
    save(form);
    EXPECT_EQ(main.List1->count(), 0);
    EXPECT_EQ(main.List2->count(), 0);
    EXPECT_EQ(main.Text2->text(), "0");
    EXPECT_EQ(m1().selectionfile, QString());
    EXPECT_EQ(m1().openwheeltype, 0);
    EXPECT_TRUE(main.Image2[0]->isHidden()) << "wheel4 clears the ball pictures too";
}

TEST_F(WheelWindow, SavingAnotherKindLeavesTheMainWindowAlone) {
    startGame(6, 49, 0);
    shipWheel(QStringLiteral("6-6-6-7.whl"));
    shipWheel(QStringLiteral("6-4-4-8.whl"));
    WheelForm& form = openWheel();
    save(form);  // 6-6-6 of seven random numbers
    Form1& main = *Windows::live<Form1>(Form1::kName);
    main.findChild<QAction*>(QStringLiteral("mnu666"))->trigger();
    ASSERT_EQ(main.List1->count(), 7);
    main.Image2[0]->show();

    form.Option[7]->click();  // 6-4-4
    save(form);
    EXPECT_EQ(main.List1->count(), 7);
    EXPECT_EQ(m1().openwheeltype, 1);

    form.Option[0]->click();
    messages().expect(kOverwrite, MsgAnswer::Yes);
    save(form);
    EXPECT_EQ(main.List1->count(), 0);
    EXPECT_EQ(m1().selectionfile, QString());
    EXPECT_FALSE(main.Image2[0]->isHidden()) << "wheel6 leaves the ball pictures";
}

TEST_F(WheelWindow, CoverPageDescribesTheWheelOnScreen) {
    startGame(6, 49, 26);
    WheelForm& form = openWheel();
    form.Option[1]->click();  // 6-5, eight numbers
    typeNumbers(form, {"07", " 9", "17", "22", "30", "41", "45", "49"});
    form.Command2->click();
    ASSERT_EQ(printer().documents().size(), 1u);
    const platform::PrintedDocument& doc = printer().documents()[0];
    EXPECT_EQ(doc.fontName, "Courier New");
    EXPECT_EQ(doc.fontSize, 10);
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(doc.pages[0].texts,
              (QStringList{"", "", "Wheel for Lotto", QString(44, u'-'),
                           "Guarantee Match 5 if any 6 drawn from the following number group:", "",
                           "7 9 17 22 30 41 45 49 ", QString(60, u'-'), "", "Number of Balls is 8",
                           "", "Number of game entries required for coverage is 4", "",
                           "File Maintenance Name: Lotto-6-6-5.lot"}));
}

TEST_F(WheelWindow, APrinterFailureEndsThePageAndIsReported) {
    startGame(7, 49, 0);
    WheelForm& form = openWheel();
    printer().failAtStep(5);  // font, two empty lines, the title, then the rule fails
    messages().expect(QStringLiteral("There seems to be an unexpected print error."));
    form.Command2->click();
    ASSERT_EQ(printer().documents().size(), 1u);
    EXPECT_EQ(printer().documents()[0].pages[0].texts, (QStringList{"", "", "Wheel for Lotto"}));
}

TEST_F(WheelWindow, WithoutAPrinterPrintCoverIsOff) {
    installPrinters({});
    messages().expect(QStringLiteral(
        "Printing has been disabled due to the fact that no printer drivers can be detected."));
    startGame(5, 49, 0);
    WheelForm& form = openWheel();
    EXPECT_FALSE(form.Command2->isEnabledTo(&form));
    EXPECT_TRUE(form.Command3->isEnabledTo(&form));
}

TEST_F(WheelWindow, CloseAndTheCloseBoxGiveTheMainWindowBack) {
    for (bool box : {false, true}) {
        Form1& main = startGame(5, 49, 0);
        WheelForm& form = openWheel();
        EXPECT_FALSE(main.isEnabled());
        if (box)
            form.close();
        else
            form.Command1->click();
        EXPECT_TRUE(main.isEnabled()) << box;
        EXPECT_EQ(Windows::find(windownames::Wheel5), nullptr) << box;
    }
}

TEST_F(WheelWindow, AFailedWriteKeepsTheOldWheelWholeAndSaysWhy) {
    WheelForm& form = openTenNumberWheel();
    form.extraOptions[0]->click();
    save(form);
    const QByteArray old = savedWheel();
    Form1& main = *Windows::live<Form1>(windownames::Form1);
    main.findChild<QAction*>(QStringLiteral("mnu442"))->trigger();
    form.extraOptions[1]->click();  // Random: a new wheel differs from the old one
    const QString full = FileFaults::reason(FileFaults::Step::Write);
    const QStringList files = QDir(dataPath()).entryList(QDir::Files);
    for (const FileFaults::Step step :
         {FileFaults::Step::Write, FileFaults::Step::Flush, FileFaults::Step::Commit}) {
        fileFaults().failAt(step, 1);
        messages().expect(kOverwrite, MsgAnswer::Yes);
        messages().expect(QStringLiteral("The wheel could not be saved. %1").arg(full));
        form.Command3->click();
        EXPECT_EQ(savedWheel(), old) << static_cast<int>(step);
        EXPECT_EQ(main.List1->count(), 3) << static_cast<int>(step);
        EXPECT_EQ(m1().openwheeltype, 3) << static_cast<int>(step);
        EXPECT_EQ(QDir(dataPath()).entryList(QDir::Files), files)
            << "no temporary file is left behind";
    }
}

TEST_F(WheelWindow, AWheelThePlayerMayOnlyReadIsNotReplaced) {
    WheelForm& form = openTenNumberWheel();
    form.extraOptions[0]->click();
    save(form);
    const QByteArray old = savedWheel();
    const QString path = file(QStringLiteral("Lotto-4-4-2.lot"));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    form.Text1[0]->setText(QStringLiteral("49"));
    messages().expect(kOverwrite, MsgAnswer::Yes);
    messages().expect(
        QStringLiteral("The wheel could not be saved. Existing file %1 is not writable").arg(path));
    form.Command3->click();
    EXPECT_EQ(savedWheel(), old);
}
