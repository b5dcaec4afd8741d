#include "pick34/p34stats.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/module1routines.h"
#include "pick34/logic/pickfiles.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/twips.h"
#include "shared/module1.h"
#include "shared/numbertext.h"
#include "shared/textforms.h"

using platform::named;
using platform::twipsToPixels;

namespace {

qint32 keyOf(const platform::DTPicker& picker) {
    return datekey(picker.Year(), picker.Month(), picker.Day());
}

}  // namespace

p34stats::p34stats(QWidget* parent) : platform::Form(kName, parent) {
    Frame1 = named(new QGroupBox(QStringLiteral("Date Range"), this), "Frame1");
    DTPicker1 = named(new platform::DTPicker(Frame1), "DTPicker1");
    DTPicker2 = named(new platform::DTPicker(Frame1), "DTPicker2");
    auto* range = new QGridLayout(Frame1);
    range->addWidget(new QLabel(QStringLiteral("From"), Frame1), 0, 0);
    range->addWidget(DTPicker1, 0, 1);
    range->addWidget(new QLabel(QStringLiteral("To"), Frame1), 1, 0);
    range->addWidget(DTPicker2, 1, 1);
    range->setColumnStretch(1, 1);

    Frame2 = named(new QGroupBox(QStringLiteral("Number of Times Drawn"), this), "Frame2");
    Frame3 = named(new QGroupBox(QStringLiteral("Show"), Frame2), "Frame3");
    Option1 = named(new QRadioButton(QStringLiteral("All"), Frame3), "Option1");
    Option2 = named(new QRadioButton(QStringLiteral("Specified"), Frame3), "Option2");
    Option3 = named(new QRadioButton(QStringLiteral("Zero"), Frame3), "Option3");
    Option1->setChecked(true);
    Text1 = named(new QLineEdit(Frame3), "Text1");
    Text1->setFixedWidth(twipsToPixels(600));
    Text1->setAlignment(Qt::AlignRight);
    auto* show = new QGridLayout(Frame3);
    show->addWidget(Option1, 0, 0);
    show->addWidget(Option2, 1, 0);
    show->addWidget(Text1, 1, 1);
    show->addWidget(new QLabel(QStringLiteral("or more"), Frame3), 1, 2);
    show->addWidget(Option3, 2, 0);
    show->setColumnStretch(3, 1);
    List1 = named(new QListWidget(Frame2), "List1");
    List1->setFont(QFont(QStringLiteral("Courier New"), 10));
    List1->setSelectionMode(QAbstractItemView::NoSelection);
    List1->setUniformItemSizes(true);
    auto* drawn = new QVBoxLayout(Frame2);
    drawn->addWidget(Frame3);
    drawn->addWidget(List1, 1);

    Frame4 = named(new QGroupBox(QStringLiteral("Sum Distribution of Results"), this), "Frame4");
    MSChart1 = named(new platform::BarChart(Frame4), "MSChart1");
    MSChart1->setSeriesColour(QColor(0, 0, 255));
    MSChart1->setMinimumSize(twipsToPixels(9600), twipsToPixels(4500));
    auto* sums = new QVBoxLayout(Frame4);
    sums->addWidget(MSChart1);

    Command2 =
        named(new QPushButton(QStringLiteral("Update Display Using Specified Settings"), this),
              "Command2");
    Command1 = named(new QPushButton(QStringLiteral("Close"), this), "Command1");

    auto* left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addWidget(Frame2, 1);
    left->addWidget(Command2);
    auto* right = new QVBoxLayout;
    right->addWidget(Frame4, 1);
    auto* close = new QHBoxLayout;
    close->addStretch();
    close->addWidget(Command1);
    right->addLayout(close);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    resize(twipsToPixels(15000), twipsToPixels(8400));

    connect(DTPicker1, &platform::DTPicker::Change, this, &p34stats::DTPicker1_Change);
    connect(DTPicker2, &platform::DTPicker::Change, this, &p34stats::DTPicker2_Change);
    connect(Command2, &QPushButton::clicked, this, &p34stats::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &p34stats::Command1_Click);
    // The Pick window stays enabled; if it has gone meanwhile, nothing brings it back.
    setOpener(windownames::Pick3, platform::HandBack::RaiseOnly);
}

void p34stats::Form_Load() {
    const Module1& m = m1();
    game_ = pickDigitCount(m.pickgame);
    resultsfile_ = m.statsresultsfile;
    const QString format = pickerFormat(m.dateorder);
    DTPicker1->setCustomFormat(format);
    DTPicker2->setCustomFormat(format);
    setcalendarcolours(*DTPicker1);
    setcalendarcolours(*DTPicker2);
    setWindowTitle(QStringLiteral("Stats for ") + pickgametitle(game_) + u' ' + m.statsdrawtime);
    // The range starts as the whole history; a history without a real date starts on today.
    const auto [first, last] = drawDateRange(PickImage::read(resultsfile_).value_or(PickImage()));
    DTPicker1->setValue(first.isValid() ? first : platform::today());
    DTPicker2->setValue(last.isValid() ? last : platform::today());
    fromkey_ = keyOf(*DTPicker1);
    tokey_ = keyOf(*DTPicker2);
    if (game_ == 4) {
        pick4numberoftimesdrawn(StatsMode::All);
        pick4graph(StatsMode::All);
    } else {
        pick3numberoftimesdrawn(StatsMode::All);
        pick3graph(StatsMode::All);
    }
}

void p34stats::DTPicker1_Change() {
    fromkey_ = keyOf(*DTPicker1);
}

void p34stats::DTPicker2_Change() {
    tokey_ = keyOf(*DTPicker2);
}

void p34stats::Command2_Click() {
    if (DTPicker1->Value() > DTPicker2->Value()) {
        platform::msgBox(
            QStringLiteral("In the Date Range, your From date is later than your To date"));
        return;
    }
    StatsMode mode = StatsMode::None;
    if (Option1->isChecked()) {
        mode = StatsMode::All;
    } else if (Option2->isChecked()) {
        mode = StatsMode::Specified;
    } else if (Option3->isChecked()) {
        mode = StatsMode::Zero;
    }
    if (game_ == 4) {
        pick4numberoftimesdrawn(mode);
        pick4graph(mode);
    } else {
        pick3numberoftimesdrawn(mode);
        pick3graph(mode);
    }
}

void p34stats::pick3numberoftimesdrawn(StatsMode mode) {
    numberoftimesdrawn(3, mode);
}

void p34stats::pick4numberoftimesdrawn(StatsMode mode) {
    numberoftimesdrawn(4, mode);
}

void p34stats::pick3graph(StatsMode mode) {
    graph(3, mode);
}

void p34stats::pick4graph(StatsMode mode) {
    graph(4, mode);
}

void p34stats::numberoftimesdrawn(int game, StatsMode mode) {
    QString error;
    const std::optional<PickImage> draws = PickImage::read(resultsfile_, &error);
    if (!draws) {
        platform::msgBox(
            QStringLiteral("The results file could not be read. %1").arg(error).trimmed());
    }
    counts_ = numberCounts(draws.value_or(PickImage()), game, fromkey_, tokey_);
    listed_ = listedNumbers(counts_, mode, leadingNumber(Text1->text()));
    List1->setUpdatesEnabled(false);
    List1->clear();
    List1->addItems(numberLines(listed_, counts_, game));
    List1->setUpdatesEnabled(true);
}

void p34stats::graph(int game, StatsMode mode) {
    // The "No Matches" line names no number: an empty list charts nothing.
    drawSumChart(sumTotals(listed_, counts_, game, mode));
}

void p34stats::drawSumChart(const std::vector<double>& totals) {
    QList<platform::ChartRow> rows;
    rows.reserve(static_cast<qsizetype>(totals.size()));
    for (std::size_t sum = 0; sum < totals.size(); ++sum) {
        rows.push_back({sumLabel(static_cast<int>(sum)), totals[sum]});
    }
    // One row for every sum, 0 included: 28 in Pick 3, 37 in Pick 4.
    MSChart1->setRowCount(static_cast<int>(rows.size()));
    MSChart1->setChartData(rows);
}

void p34stats::Command1_Click() {
    handBackAndUnload();
}

void p34stats::closeBox() {
    Command1_Click();
}
