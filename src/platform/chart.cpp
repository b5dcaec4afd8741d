#include "platform/chart.h"

#include <algorithm>
#include <cmath>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QFontMetrics>
#include <QSet>
#include <QValueAxis>

namespace platform {

namespace {

// A step of 1, 2 or 5 times a power of ten that gives about five whole-number ticks.
double tickStep(double top) {
    const double rough = std::max(1.0, top / 5);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= rough) {
            return m * power;
        }
    }
    return 10 * power;
}

}  // namespace

BarChart::BarChart(QWidget* parent)
    : QChartView(parent),
      colour_(QColor(0x2f, 0x6f, 0xb0)),
      series_(new QBarSeries),
      categories_(new QBarCategoryAxis),
      values_(new QValueAxis) {
    auto* c = new QChart;
    c->legend()->hide();
    c->setAnimationOptions(QChart::NoAnimation);
    c->setMargins(QMargins(4, 8, 8, 4));
    c->setBackgroundRoundness(0);
    c->addSeries(series_);
    c->addAxis(categories_, Qt::AlignBottom);
    c->addAxis(values_, Qt::AlignLeft);
    series_->attachAxis(categories_);
    series_->attachAxis(values_);
    series_->setBarWidth(0.75);
    categories_->setGridLineVisible(false);
    values_->setLabelFormat(QStringLiteral("%d"));
    values_->setTickType(QValueAxis::TicksDynamic);
    values_->setTickAnchor(0);
    values_->setMinorGridLineVisible(false);
    setChart(c);  // the view owns the chart, the chart its series and axes
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(240, 160);
    connect(c, &QChart::plotAreaChanged, this, [this] { fitLabels(); });
    rebuild();
}

void BarChart::setRowCount(int rows) {
    rows_.resize(std::max(rows, 0));
    rebuild();
}

void BarChart::setChartData(const QList<ChartRow>& rows) {
    rows_ = rows;
    rebuild();
}

void BarChart::setSeriesColour(const QColor& colour) {
    colour_ = colour;
    for (QBarSet* set : series_->barSets()) {
        set->setColor(colour_);
        set->setBorderColor(colour_.darker(130));
    }
}

void BarChart::rebuild() {
    series_->clear();
    auto* set = new QBarSet(QString());
    QStringList labels;
    QSet<QString> used;
    double top = 0;
    for (const ChartRow& row : rows_) {
        set->append(row.value);
        top = std::max(top, row.value);
        // The axis keeps one of equal labels only; a blank or repeated label still needs its bar.
        QString label = row.label;
        while (used.contains(label)) {
            label += u' ';
        }
        used.insert(label);
        labels << label;
    }
    series_->append(set);  // the series owns the set
    setSeriesColour(colour_);
    connect(set, &QBarSet::clicked, this, [this](int index) { emit PointSelected(index + 1); });
    // The bar under the pointer names its row and value, as the chart's tool tip.
    connect(set, &QBarSet::hovered, this, [this](bool over, int index) {
        if (!over || index < 0 || index >= rows_.size()) {
            unsetCursor();
            setToolTip(QString());
            return;
        }
        setCursor(Qt::PointingHandCursor);
        const ChartRow& row = rows_[index];
        setToolTip(QStringLiteral("%1: %2").arg(row.label.trimmed()).arg(row.value));
    });
    categories_->clear();
    categories_->append(labels);
    const double step = tickStep(top);
    values_->setTickInterval(step);
    values_->setRange(0, std::max(step, std::ceil(top / step) * step));
    fitLabels();
}

void BarChart::fitLabels() {
    if (rows_.isEmpty()) {
        return;
    }
    // Labels stand upright while they fit beside each other, and turn on their side, as large as
    // the width of a bar allows, when they do not.
    QFont font = chart()->font();
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& label : categories_->categories()) {
        widest = std::max(widest, metrics.horizontalAdvance(label.trimmed()));
    }
    const double perBar = chart()->plotArea().width() / rows_.size();
    int angle = 0;
    if (widest + 4 > perBar) {
        angle = -90;
        const int pixels = std::clamp(static_cast<int>(perBar) + 1, 8, metrics.height());
        font.setPixelSize(pixels);
    }
    if (categories_->labelsAngle() != angle) {
        categories_->setLabelsAngle(angle);
    }
    if (categories_->labelsFont() != font) {
        categories_->setLabelsFont(font);
    }
}

void BarChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    fitLabels();
}

QPoint BarChart::barCentre(int row) const {
    if (row < 1 || row > rows_.size()) {
        return {};
    }
    const QPointF inChart =
        chart()->mapToPosition(QPointF(row - 1, rows_[row - 1].value / 2), series_);
    return mapFromScene(chart()->mapToScene(inChart));
}

}  // namespace platform
