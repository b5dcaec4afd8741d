// The bar chart: rows from a two-column table, the row count, the colour of series 1, a click on
// a bar reported by its row from 1, and labels that never run into each other.
#include <gtest/gtest.h>

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QFontInfo>
#include <QSignalSpy>
#include <QTest>
#include <QValueAxis>

#include "platform/chart.h"
#include "support/kestrovatest.h"

namespace {

QList<platform::ChartRow> balls(int n) {
    QList<platform::ChartRow> rows;
    for (int k = 1; k <= n; ++k) {
        rows.append({QStringLiteral(" %1").arg(k), double(k % 7)});
    }
    return rows;
}

QBarSet* series1(const platform::BarChart& chart) {
    auto* series = static_cast<QBarSeries*>(chart.chart()->series().first());
    return series->barSets().first();
}

QCategoryAxis* labelAxis(const platform::BarChart& chart) {
    return static_cast<QCategoryAxis*>(chart.chart()->axes(Qt::Horizontal).first());
}

}  // namespace

using ChartTest = KestrovaTest;

TEST_F(ChartTest, ShowsOneBarPerRowWithItsLabel) {
    platform::BarChart chart;
    chart.setRowCount(3);
    EXPECT_EQ(chart.rowCount(), 3);
    EXPECT_EQ(series1(chart)->count(), 3);
    chart.setChartData({{"AS", 4}, {"KS", 0}, {"QS", 9}, {"JS", 1}});
    EXPECT_EQ(chart.rowCount(), 4);  // the table's rows decide
    EXPECT_EQ(series1(chart)->at(2), 9);
    EXPECT_EQ(labelAxis(chart)->categoriesLabels(), QStringList({"AS", "KS", "QS", "JS"}));
    // Blank or repeated labels still keep a bar each.
    chart.setChartData({{"", 1}, {"", 2}, {"x", 3}, {"x", 4}});
    EXPECT_EQ(labelAxis(chart)->count(), 4);
    EXPECT_EQ(series1(chart)->count(), 4);
}

TEST_F(ChartTest, TheColourOfSeriesOneOutlivesNewData) {
    platform::BarChart chart;
    chart.setSeriesColour(QColor(255, 0, 255));
    chart.setChartData(balls(10));
    EXPECT_EQ(series1(chart)->color(), QColor(255, 0, 255));
    EXPECT_EQ(chart.seriesColour(), QColor(255, 0, 255));
}

TEST_F(ChartTest, AClickOnABarReportsItsRowFromOne) {
    platform::BarChart chart;
    chart.resize(640, 400);
    chart.setChartData(balls(10));
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    QSignalSpy picked(&chart, &platform::BarChart::PointSelected);
    QTest::mouseClick(chart.viewport(), Qt::LeftButton, {}, chart.barCentre(3));
    ASSERT_EQ(picked.count(), 1);
    EXPECT_EQ(picked.first().first().toInt(), 3);
}

TEST_F(ChartTest, LabelsThatDoNotFitSideBySideTakeTwoLinesAndNeverRunTogether) {
    platform::BarChart chart;
    chart.resize(620, 400);
    chart.setChartData(balls(65));
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    QCategoryAxis* axis = labelAxis(chart);
    // Every other label on the second line: each has the width of two bars to itself.
    QTRY_VERIFY(axis->categoriesLabels().at(1).startsWith(QStringLiteral("<br>")));
    EXPECT_EQ(axis->categoriesLabels().at(0), QStringLiteral("1"));
    EXPECT_EQ(axis->categoriesLabels().at(64), QStringLiteral("65"));
    EXPECT_EQ(axis->labelsAngle(), 0);
    const double perBar = chart.chart()->plotArea().width() / 65;
    EXPECT_LE(QFontMetrics(axis->labelsFont()).horizontalAdvance(QStringLiteral("65")), 2 * perBar);
    EXPECT_GE(QFontInfo(axis->labelsFont()).pixelSize(), 9);
    // Wider, they stand side by side again.
    chart.resize(1600, 400);
    QTRY_COMPARE(axis->categoriesLabels().at(1), QStringLiteral("2"));
    // Far too narrow even for two lines, they turn on their side.
    chart.resize(260, 400);
    QTRY_COMPARE(axis->labelsAngle(), -90);
    // Few bars stand side by side.
    chart.setChartData(balls(10));
    QTRY_COMPARE(axis->labelsAngle(), 0);
    EXPECT_EQ(axis->categoriesLabels().at(1), QStringLiteral("2"));
}

TEST(CountingAxis, TicksAreWholeNumbersFromNoughtToAtLeastTheTop) {
    struct Case {
        double top;
        double step;
        double max;
    };
    const Case cases[] = {{0, 1, 1},      {1, 1, 1},         {2, 1, 2},         {5, 1, 5},
                          {6, 2, 6},      {7, 2, 8},         {13, 5, 15},       {99, 20, 100},
                          {100, 20, 100}, {2500, 500, 2500}, {2501, 1000, 3000}};
    for (const Case& c : cases) {
        QValueAxis axis;
        platform::setCountingRange(axis, c.top);
        EXPECT_EQ(axis.tickType(), QValueAxis::TicksDynamic) << c.top;
        EXPECT_EQ(axis.tickAnchor(), 0) << c.top;
        EXPECT_EQ(axis.tickInterval(), c.step) << c.top;
        EXPECT_EQ(axis.min(), 0) << c.top;
        EXPECT_EQ(axis.max(), c.max) << c.top;
    }
}
