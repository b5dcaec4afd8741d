#pragma once
// The bar chart: one series, one bar per row of a two-column table (the row's label and its
// value), bars from left to right in row order. A click on a bar reports its row, from 1.
#include <QChartView>
#include <QColor>
#include <QList>
#include <QString>

class QCategoryAxis;
class QBarSeries;
class QBarSet;
class QValueAxis;

namespace platform {

// Makes a value axis that counts show whole numbers only: ticks from 0 a step of 1, 2 or 5 times
// a power of ten apart, about five of them, up to at least `top`.
void setCountingRange(QValueAxis& axis, double top);

struct ChartRow {
    QString label;
    double value = 0;
};

class BarChart : public QChartView {
    Q_OBJECT
public:
    explicit BarChart(QWidget* parent = nullptr);

    // The number of rows; rows added by it are blank and 0 until data are set.
    void setRowCount(int rows);
    int rowCount() const { return static_cast<int>(rows_.size()); }
    // The chart data: the table's rows decide the rows shown.
    void setChartData(const QList<ChartRow>& rows);
    const QList<ChartRow>& chartData() const { return rows_; }

    // The fill colour of the data points of series 1.
    void setSeriesColour(const QColor& colour);
    QColor seriesColour() const { return colour_; }

    // Where the middle of bar `row` (from 1) is, in the view's coordinates; for tests that click.
    QPoint barCentre(int row) const;

signals:
    // The bar of row `dataPoint` (from 1) was clicked.
    void PointSelected(int dataPoint);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuild();
    void fitLabels();

    QList<ChartRow> rows_;
    QColor colour_;
    QBarSeries* series_;
    QCategoryAxis* categories_;
    QValueAxis* values_;
};

}  // namespace platform
