#include "platform/chart.h"

#include <algorithm>
#include <cmath>

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QFontInfo>
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

void setCountingRange(QValueAxis& axis, double top) {
    // Fractional ticks would print as repeated whole numbers ("0, 0, 1") under "%d".
    const double step = tickStep(top);
    axis.setLabelFormat(QStringLiteral("%d"));
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(0);
    axis.setTickInterval(step);
    axis.setRange(0, std::max(step, std::ceil(top / step) * step));
}

BarChart::BarChart(QWidget* parent)
    : QChartView(parent),
      colour_(QColor(0x2f, 0x6f, 0xb0)),
      series_(new QBarSeries),
      categories_(new QCategoryAxis),
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
    // Bar k stands at k - 1; each label is centred under its bar, with half a bar to spare at
    // both ends so the first and last labels are never dropped for want of room.
    categories_->setGridLineVisible(false);
    categories_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    categories_->setStartValue(-0.5);
    categories_->setTruncateLabels(false);  // a label is sized to fit instead
    values_->setMinorGridLineVisible(false);
    setChart(c);  // the view owns the chart, the chart its series and axes
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(240, 160);
    // Bars are chosen with the mouse only; Tab passes the chart by.
    setFocusPolicy(Qt::NoFocus);
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
    double top = 0;
    for (const ChartRow& row : rows_) {
        set->append(row.value);
        top = std::max(top, row.value);
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
    categories_->setRange(-1, std::max<double>(rows_.size(), 1));
    setCountingRange(*values_, top);
    fitLabels();
}

void BarChart::fitLabels() {
    // Labels stand side by side while they fit; then every other one drops to a second line, so
    // each has the width of two bars; only when even that is too narrow do they turn on their
    // side, as large as the width of a bar allows.
    const double perBar = chart()->plotArea().width() / std::max<qsizetype>(rows_.size(), 1);
    QFont font = chart()->font();
    const int normal = QFontInfo(font).pixelSize();
    int angle = -90;
    bool stagger = false;
    for (int pixels = normal; pixels >= 9; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const ChartRow& row : rows_) {
            widest = std::max(widest, metrics.horizontalAdvance(row.label.trimmed()));
        }
        const double room = widest + 3;
        if (room <= 2 * perBar) {
            angle = 0;
            stagger = room > perBar;
            break;
        }
    }
    if (angle != 0) {
        font.setPixelSize(std::clamp(static_cast<int>(perBar) + 1, 8, normal));
    }
    QStringList labels;
    QSet<QString> used;
    for (qsizetype i = 0; i < rows_.size(); ++i) {
        // Centred under its bar: the blank some labels start with would push them aside.
        QString label = rows_[i].label.trimmed();
        if (stagger) {
            label = (i % 2 == 1 ? QStringLiteral("<br>") : QString()) + label.toHtmlEscaped();
        }
        // The axis keeps one of equal labels only; a blank or repeated label still needs its bar.
        while (used.contains(label)) {
            label += u' ';
        }
        used.insert(label);
        labels << label;
    }
    if (categories_->categoriesLabels() != labels) {
        for (const QString& old : categories_->categoriesLabels()) {
            categories_->remove(old);
        }
        for (qsizetype i = 0; i < labels.size(); ++i) {
            categories_->append(labels[i], static_cast<double>(i) + 0.5);
        }
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
