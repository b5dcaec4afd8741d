// The Pick window's digit distribution chart and its position items.
#include <gtest/gtest.h>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>

#include "pick3_helpers.h"
#include "platform/windows.h"
#include "shared/module1.h"

using namespace fixture;

namespace {

class PickChart : public Pick3Test {
protected:
    static QBarSet* bars(Pick3& w) {
        const auto series = w.MSChart1->chart()->series();
        if (series.size() != 1) {
            return nullptr;
        }
        const auto sets = static_cast<QBarSeries*>(series[0])->barSets();
        return sets.size() == 1 ? sets[0] : nullptr;
    }
    // The value axis's ticks, as the labels show them.
    static std::vector<double> ticks(Pick3& w) {
        const auto axes = w.MSChart1->chart()->axes(Qt::Vertical);
        std::vector<double> t;
        if (axes.size() != 1) {
            return t;
        }
        const auto* axis = static_cast<const QValueAxis*>(axes[0]);
        if (axis->tickType() != QValueAxis::TicksDynamic) {
            for (int i = 0; i < axis->tickCount(); ++i) {
                t.push_back(axis->min() +
                            i * (axis->max() - axis->min()) / (axis->tickCount() - 1));
            }
            return t;
        }
        for (double v = axis->tickAnchor(); v <= axis->max(); v += axis->tickInterval()) {
            t.push_back(v);
        }
        return t;
    }
    static std::vector<int> values(Pick3& w) {
        std::vector<int> v;
        if (QBarSet* set = bars(w)) {
            for (int i = 0; i < set->count(); ++i) {
                v.push_back(static_cast<int>(set->at(i)));
            }
        }
        return v;
    }
    void writeThreeDraws() {
        writeFile("XWPick3Night.rtl", pick(3, 1, 1, 3, 2012, {1, 2, 3}) +
                                          pick(0, 2, 2, 3, 2012, {1, 2, 0}) +
                                          pick(0, 3, 3, 3, 2012, {9, 2, 3}));
    }
};

TEST_F(PickChart, FirstPositionIsShownAtOpening) {
    writeThreeDraws();
    Pick3& w = open(3);
    EXPECT_TRUE(w.mnusg1->isChecked());
    EXPECT_EQ(values(w), (std::vector<int>{0, 2, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(bars(w)->color(), QColor(255, 0, 0));
    // One row per digit, labelled with a blank and the digit.
    const auto axes = w.MSChart1->chart()->axes(Qt::Horizontal);
    ASSERT_EQ(axes.size(), 1);
    EXPECT_EQ(static_cast<QBarCategoryAxis*>(axes[0])->categories(),
              QStringList({" 0", " 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9"}));
    EXPECT_EQ(w.Label2->text(),
              QStringLiteral("Number of times numbers drawn in first position of draw result. "
                             "Total draws = 3"));
    EXPECT_EQ(m1().pickdrawcounttext, QStringLiteral("3"));
}

TEST_F(PickChart, ThirdPositionTurnsTheBarsMagentaAndIsTheOnlyOneChecked) {
    writeThreeDraws();
    Pick3& w = open(3);
    w.mnusg3_Click();
    EXPECT_FALSE(w.mnusg1->isChecked());
    EXPECT_FALSE(w.mnusg2->isChecked());
    EXPECT_TRUE(w.mnusg3->isChecked());
    EXPECT_EQ(values(w), (std::vector<int>{1, 0, 0, 2, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(bars(w)->color(), QColor(255, 0, 255));
    EXPECT_TRUE(
        w.Label2->text().startsWith(QStringLiteral("Number of times number drawn in third")));
}

TEST_F(PickChart, FourthPositionBelongsToPickFourOnly) {
    writeFile("XWPick4Night.rtl", pick(1, 1, 1, 3, 2012, {1, 2, 3, 7}));
    Pick3& w = open(4);
    w.mnusg4_Click();
    EXPECT_EQ(values(w), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(bars(w)->color(), QColor(0, 0, 0));
    // Back in Pick 3 the hidden item cannot stay the one shown.
    w.Command7_Click();
    EXPECT_FALSE(w.mnusg4->isVisible());
    EXPECT_FALSE(w.mnusg4->isChecked());
    EXPECT_TRUE(w.mnusg1->isChecked());
}

TEST_F(PickChart, ADigitOutOfRangeSaysSoAndKeepsTheChart) {
    writeThreeDraws();
    Pick3& w = open(3);
    writeFile("XWPick3Night.rtl", pick(1, 1, 1, 3, 2012, {1, 12, 3}));
    messages().expect(
        "A ball number in the results file is not in the ball range of the game. Please check "
        "Configure Game Definition for this game and download the results overwriting the "
        "existing results.");
    w.mnusg2_Click();
    EXPECT_EQ(values(w), (std::vector<int>{0, 2, 0, 0, 0, 0, 0, 0, 0, 1}));
}

TEST_F(PickChart, NoHistoryShowsZeroBars) {
    Pick3& w = open(3);
    EXPECT_EQ(values(w), std::vector<int>(10, 0));
    EXPECT_TRUE(w.Label2->text().endsWith(QStringLiteral("Total draws = 0")));
    // The count axis has whole-number ticks only: "0, 0, 0, 1" would say nothing.
    EXPECT_EQ(ticks(w), (std::vector<double>{0, 1}));
}

TEST_F(PickChart, TheCountAxisTicksWholeNumbersForFewAndManyDraws) {
    writeFile("XWPick3Night.rtl", pick(1, 1, 1, 3, 2012, {1, 2, 3}));
    EXPECT_EQ(ticks(open(3)), (std::vector<double>{0, 1}));
    platform::Windows::unloadAll();
    QByteArray many;
    for (int d = 1; d <= 7; ++d) {
        many += pick(d == 1 ? 7 : 0, d, d, 3, 2012, {1, 2, 3});
    }
    writeFile("XWPick3Night.rtl", many);
    EXPECT_EQ(ticks(open(3)), (std::vector<double>{0, 2, 4, 6, 8}));
}

}  // namespace
