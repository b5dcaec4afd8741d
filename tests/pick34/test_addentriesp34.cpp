// The Pick entry adding window: manual add and suggested picks written to the listed file and
// handed straight to the Pick window's list and count.
#include <set>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "pick34/AddEntriesP34.h"
#include "pick34/logic/pickadding.h"
#include "pick34/logic/pickentries.h"
#include "pick3_helpers.h"
#include "platform/clock.h"
#include "platform/windows.h"
#include "shared/module1.h"

using namespace fixture;
using platform::Windows;

namespace {

const QString kDated = QStringLiteral("Pick3Night05Mar2012.lot");

class PickAddWindow : public Pick3Test {
protected:
    AddEntriesP34& openAdd(Pick3& w) {
        w.Command4_Click();
        auto* a = Windows::live<AddEntriesP34>(AddEntriesP34::kName);
        if (a == nullptr) {
            qFatal("the adding window is still a stand-in");
        }
        return *a;
    }
    static QStringList lines(const QListWidget& list) {
        QStringList all;
        for (int i = 0; i < list.count(); ++i) {
            all << list.item(i)->text();
        }
        return all;
    }
    // The numbers of the file's counted entries.
    std::multiset<int> numbers(const QString& name, int game) const {
        const PickImage image(readFile(name));
        std::multiset<int> all;
        for (int r = 1; r <= image.count(); ++r) {
            all.insert(pickNumberOf(image.record(r).digits, game));
        }
        return all;
    }
    // Suggested picks on a fresh copy of the file, as the window draws them now.
    QStringList suggest(AddEntriesP34& a, const QByteArray& start, const char* wanted) {
        writeFile(kDated, start);
        a.Text2->setText(QString::fromLatin1(wanted));
        a.Command2_Click();
        const PickImage image(readFile(kDated));
        QStringList drawn;
        for (int r = PickImage(start).count() + 1; r <= image.count(); ++r) {
            drawn << pickentryline(image.record(r), 3);
        }
        return drawn;
    }
};

TEST_F(PickAddWindow, LoadShowsTheFilesCountAndTheGamesLimits) {
    writeFile(kDated, entries({{1, 2, 3}, {4, 5, 6}}));
    Pick3& w = open(3);
    AddEntriesP34& a = openAdd(w);
    EXPECT_EQ(a.windowTitle(), QStringLiteral("Pick 3 Entries"));
    EXPECT_EQ(a.Text3->text(), QStringLiteral("2"));
    EXPECT_EQ(a.Text1->maxLength(), 3);
    EXPECT_EQ(a.Text2->maxLength(), 4);
    EXPECT_FALSE(w.isEnabled());
    a.Command3_Click();
    EXPECT_TRUE(w.isEnabled());

    w.Command7_Click();
    AddEntriesP34& a4 = openAdd(w);
    EXPECT_EQ(a4.windowTitle(), QStringLiteral("Pick 4 Entries"));
    EXPECT_EQ(a4.Text3->text(), QStringLiteral("0"));
    EXPECT_EQ(a4.Text1->maxLength(), 4);
    EXPECT_EQ(a4.Text2->maxLength(), 5);
    // The close box is Close.
    a4.close();
    EXPECT_EQ(Windows::find(AddEntriesP34::kName), nullptr);
    EXPECT_TRUE(w.isEnabled());
}

TEST_F(PickAddWindow, ManualAddAppendsToTheFileAndThePickWindow) {
    Pick3& w = open(3);
    AddEntriesP34& a = openAdd(w);
    a.Text1->setText("007");
    a.Command1_Click();
    EXPECT_EQ(readFile(kDated), pickEntry(1, {0, 0, 7}));
    EXPECT_EQ(a.Text3->text(), QStringLiteral("1"));
    EXPECT_EQ(w.Text2->text(), QStringLiteral("1"));
    EXPECT_EQ(lines(*w.List1), QStringList({"0 0 7 "}));
    EXPECT_EQ(a.Text1->text(), QStringLiteral("007"));
    // The same number again is taken: a typed entry may repeat one.
    a.Command1_Click();
    EXPECT_EQ(lines(*w.List1), QStringList({"0 0 7 ", "0 0 7 "}));
    EXPECT_EQ(PickImage(readFile(kDated)).storedCount(), 2);

    a.Text1->setText("12a");
    messages().expect("Invalid entry number");
    a.Command1_Click();
    a.Text1->clear();
    messages().expect("No number entered");
    a.Command1_Click();
    EXPECT_EQ(w.List1->count(), 2);
    a.Command3_Click();
    // What was added is what the Pick window lists from the file.
    w.DTPicker2_Change();
    EXPECT_EQ(lines(*w.List1), QStringList({"0 0 7 ", "0 0 7 "}));
}

TEST_F(PickAddWindow, EachNumberTypedAfterAnAddIsTypedOverTheLastAndAdded) {
    Pick3& w = open(3);
    AddEntriesP34& a = openAdd(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&a));
    a.Text1->setFocus();
    QTest::keyClicks(a.Text1, QStringLiteral("123"));
    QTest::keyClick(a.Text1, Qt::Key_Return);
    EXPECT_EQ(a.Text1->selectedText(), QStringLiteral("123"));
    QTest::keyClicks(a.Text1, QStringLiteral("456"));
    QTest::keyClick(a.Text1, Qt::Key_Return);
    QTest::keyClicks(a.Text1, QStringLiteral("789"));
    QTest::mouseClick(a.Command1, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), a.Text1);
    EXPECT_EQ(a.Text1->selectedText(), QStringLiteral("789"));
    EXPECT_EQ(lines(*w.List1), QStringList({"1 2 3 ", "4 5 6 ", "7 8 9 "}));
    EXPECT_EQ(numbers(kDated, 3), (std::multiset<int>{123, 456, 789}));
}

TEST_F(PickAddWindow, TheCountWrittenIsTheFilesNotTheBoxes) {
    writeFile(kDated, entries({{1, 2, 3}}));
    Pick3& w = open(3);
    AddEntriesP34& a = openAdd(w);
    a.Text3->setText("40");
    a.Text1->setText("456");
    a.Command1_Click();
    EXPECT_EQ(PickImage(readFile(kDated)).storedCount(), 2);
    EXPECT_EQ(a.Text3->text(), QStringLiteral("2"));
    a.Text3->setText("0");
    a.Text2->setText("5");
    a.Command2_Click();
    EXPECT_EQ(PickImage(readFile(kDated)).storedCount(), 5);
    EXPECT_EQ(PickImage(readFile(kDated)).held(), 5);
    EXPECT_EQ(w.Text2->text(), QStringLiteral("5"));
    EXPECT_EQ(w.List1->count(), 5);
}

TEST_F(PickAddWindow, SuggestedPicksWithAFixedSeedAreNewAndDifferentNumbers) {
    writeFile(kDated, entries({{1, 2, 3}, {4, 5, 6}, {4, 5, 6}}));
    Pick3& w = open(3);
    AddEntriesP34& a = openAdd(w);
    platform::randomize(2012);
    a.Text2->setText("50");
    a.Command2_Click();
    const std::multiset<int> all = numbers(kDated, 3);
    EXPECT_EQ(all.size(), 50u);
    EXPECT_EQ(std::set<int>(all.begin(), all.end()).size(), 49u);  // only 456 twice, as typed
    EXPECT_EQ(all.count(123), 1u);
    EXPECT_EQ(w.List1->count(), 50);
    EXPECT_EQ(w.Text2->text(), QStringLiteral("50"));
    EXPECT_EQ(a.Text3->text(), QStringLiteral("50"));
    // Every line handed to the Pick window is that of the record written.
    const PickImage image(readFile(kDated));
    for (int r = 1; r <= 50; ++r) {
        EXPECT_EQ(w.List1->item(r - 1)->text(), pickentryline(image.record(r), 3));
    }
    // The same seed draws the same picks.
    platform::randomize(2012);
    const QStringList first = suggest(a, entries({{1, 2, 3}, {4, 5, 6}, {4, 5, 6}}), "50");
    EXPECT_EQ(first, lines(*w.List1).mid(50));
}

TEST_F(PickAddWindow, PressesInOneRunDoNotRepeatTheSamePicks) {
    Pick3& w = open(3);
    AddEntriesP34& a = openAdd(w);
    platform::randomize(1);
    const QStringList first = suggest(a, {}, "10");
    const QStringList second = suggest(a, {}, "10");
    ASSERT_EQ(first.size(), 10);
    EXPECT_NE(first, second);
}

TEST_F(PickAddWindow, AtTheLimitBothWaysRefuse) {
    QByteArray full;
    for (int i = 0; i < 1000; ++i) {
        full += pickEntry(i == 0 ? 1000 : 0, {i / 100, i / 10 % 10, i % 10});
    }
    writeFile(kDated, full);
    Pick3& w = open(3);
    AddEntriesP34& a = openAdd(w);
    EXPECT_EQ(a.Text3->text(), QStringLiteral("1000"));
    a.Text1->setText("123");
    messages().expect("Only 1000 entries allowed");
    a.Command1_Click();
    a.Text2->setText("1000");
    messages().expect("It is not sensible to have more than 1000 entries!");
    a.Command2_Click();
    EXPECT_EQ(readFile(kDated), full);
    EXPECT_EQ(w.List1->count(), 1000);
}

TEST_F(PickAddWindow, AWantedTotalAtOrBelowTheCountChangesNothing) {
    writeFile(kDated, entries({{1, 2, 3}, {4, 5, 6}}));
    Pick3& w = open(3);
    AddEntriesP34& a = openAdd(w);
    for (const char* wanted : {"2", "1", ""}) {
        a.Text2->setText(QString::fromLatin1(wanted));
        messages().expect("You already have this number of entries or more");
        a.Command2_Click();
    }
    EXPECT_EQ(readFile(kDated), entries({{1, 2, 3}, {4, 5, 6}}));
    EXPECT_EQ(w.List1->count(), 2);
}

TEST_F(PickAddWindow, PickFourWantedTotalOfTheLimitFillsTheFile) {
    Pick3& w = open(4);
    AddEntriesP34& a = openAdd(w);
    platform::randomize(4);
    a.Text2->setText("10000");
    a.Command2_Click();
    const std::multiset<int> all = numbers("Pick4Night05Mar2012.lot", 4);
    EXPECT_EQ(std::set<int>(all.begin(), all.end()).size(), 10000u);
    EXPECT_EQ(w.Text2->text(), QStringLiteral("10000"));
    EXPECT_EQ(w.List1->count(), 10000);
    EXPECT_EQ(w.List1->item(0)->text().size(), 8);  // four digits, each with its blank
}

}  // namespace
