// Printing the entry list and the winning lines.
#include <gtest/gtest.h>

#include <QApplication>

#include "entries_helpers.h"
#include "shared/module1.h"

namespace {

class ListPrint : public EntriesTest {};

const QString kIndent(16, u' ');

TEST_F(ListPrint, TheEntryListPrintsAfterThreeEmptyLinesInCourier) {
    Form1& form = startGame(6, 49, 26);
    listDated(form, {{{1, 5, 12, 23, 34, 45}, 7}, {{2, 6, 13, 24, 35, 46}, 8}, {{3}, 9}});
    form.Command9_Click();
    ASSERT_EQ(printer().documents().size(), 1u);
    const platform::PrintedDocument& doc = printer().documents()[0];
    EXPECT_EQ(doc.fontName, QStringLiteral("Courier New"));
    EXPECT_EQ(doc.fontSize, 10);
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(doc.pages[0].texts,
              (QStringList{"", "", "", kIndent + "01 05 12 23 34 45 PB 07",
                           kIndent + "02 06 13 24 35 46 PB 08", kIndent + "03 PB 09"}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ListPrint, TheWinningLinesPrintTheSameWayAndOverflowOntoANewPage) {
    Form1& form = startGame(6, 49, 26);
    printer().setLinesPerPage(4);
    for (const char* l : {"a(6)", "b(5)", "c(4)"}) {
        form.List2->addItem(l);
    }
    form.Command10_Click();
    ASSERT_EQ(printer().documents().size(), 1u);
    const auto& pages = printer().documents()[0].pages;
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].texts, (QStringList{"", "", "", kIndent + "a(6)"}));
    EXPECT_EQ(pages[1].texts, (QStringList{kIndent + "b(5)", kIndent + "c(4)"}));
}

TEST_F(ListPrint, AnEmptyListStartsNoJob) {
    Form1& form = startGame(6, 49, 26);
    messages().expect("There is no list to print!");
    form.Command10_Click();
    messages().expect("There is no list to print!");
    form.Command9_Click();
    EXPECT_TRUE(printer().documents().empty());
    EXPECT_FALSE(printer().jobOpen());
}

TEST_F(ListPrint, AFailureSendsWhatWasPrintedRestoresThePointerAndSaysSo) {
    Form1& form = startGame(6, 49, 26);
    for (const char* l : {"a", "b", "c"}) {
        form.List2->addItem(l);
    }
    printer().failAtStep(6);  // font, three empty lines, "a", then "b" fails
    messages().expect("There seems to be an unexpected print error.");
    form.Command10_Click();
    ASSERT_EQ(printer().documents().size(), 1u);
    EXPECT_EQ(printer().documents()[0].pages[0].texts, (QStringList{"", "", "", kIndent + "a"}));
    EXPECT_FALSE(printer().jobOpen());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
