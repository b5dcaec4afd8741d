// Loading the Pick window, the draw time and the game switch, bringing the display up to date,
// closing, the digit chart's positions and the child windows.
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>

#include "app/module1routines.h"
#include "pick34/Pick3.h"
#include "pick34/logic/pickchart.h"
#include "pick34/logic/pickentries.h"
#include "platform/chart.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/twips.h"
#include "platform/windows.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/textforms.h"

using platform::twipsToPixels;
using platform::Windows;

int Pick3::digitCount() const {
    return pickDigitCount(m1().pickgame);
}

QString Pick3::entryPath(const QString& name) const {
    return dataFile(m1().datapath, name);
}

PickEntryView Pick3::entryView() const {
    return {m1().pickgame == 4 ? 4 : 3, MnuDay->isChecked() ? PickTime::Day : PickTime::Night,
            DTPicker2->Value(), !Command3->isHidden()};
}

void Pick3::Form_Load() {
    Module1& m = m1();
    Command3->hide();
    const QString format = pickerFormat(m.dateorder);
    DTPicker1->setCustomFormat(format);
    DTPicker2->setCustomFormat(format);
    setcalendarcolours(*DTPicker1);
    setcalendarcolours(*DTPicker2);
    DTPicker1->setValue(platform::today());
    DTPicker2->setValue(platform::today());
    const bool four = m.pickgame == 4;
    mnusg4->setVisible(four);
    m.pickgametitle = pickgametitle(m.pickgame);
    // The box's own frame and margins come on top of the width its digits need.
    Text1->setFixedWidth(twipsToPixels(four ? 736 : 616) + 8);
    Text1->setMaxLength(four ? 4 : 3);
    Command7->setText(four ? QStringLiteral("Switch To Pick 3")
                           : QStringLiteral("Switch To Pick 4"));
    // A hidden fourth position would count nothing in Pick 3: the chart goes back to the first.
    if (!four && mnusg4->isChecked()) {
        for (QAction* a : mnusgItems) {
            a->setChecked(a == mnusg1);
        }
    }
    const bool printing = m.printeravailable;
    Command9->setEnabled(printing);
    Command10->setEnabled(printing);
    MnuDay->setChecked(false);
    if (m.keptdrawtime == u"Day") {
        MnuDay_Click();
    } else {
        mnuEvening_Click();
    }
}

void Pick3::MnuDay_Click() {
    selectDrawTime(PickTime::Day);
}

void Pick3::mnuEvening_Click() {
    selectDrawTime(PickTime::Night);
}

void Pick3::selectDrawTime(PickTime time) {
    Module1& m = m1();
    Command3->hide();
    m.pickdrawtime = pickdrawtimeWord(time);
    setWindowTitle(m.pickgametitle + u' ' + m.pickdrawtime + QStringLiteral(" Draws"));
    MnuDay->setChecked(time == PickTime::Day);
    mnuEvening->setChecked(time == PickTime::Night);
    Label1->setText(m.pickdrawtime + QStringLiteral(" Draw"));
    Frame5->setTitle(QStringLiteral("My Entries for ") + m.pickgametitle + u' ' + m.pickdrawtime);
    Frame6->setTitle(QStringLiteral("Check Summary for ") + m.pickgametitle + u' ' +
                     m.pickdrawtime);
    List2->clear();
    updatedisplay(true, false, false);
    m.pickentryfile.clear();
    DTPicker1_Change();
    DTPicker2_Change();
    updatedisplay(false, false, true);
}

void Pick3::Command7_Click() {
    Module1& m = m1();
    m.pickgame = m.pickgame == 4 ? 3 : 4;
    Text1->clear();
    m.keptdrawtime = m.pickdrawtime == u"Day" ? QStringLiteral("Day") : QStringLiteral("Night");
    Form_Load();
}

void Pick3::updatedisplay(bool deleteoldifempty, bool clearwinninglines, bool updategraphs) {
    if (clearwinninglines) {
        List2->clear();
    }
    if (updategraphs) {
        for (std::size_t i = 0; i < mnusgItems.size(); ++i) {
            if (mnusgItems[i]->isChecked()) {
                showPosition(static_cast<int>(i) + 1);
            }
        }
    }
    if (deleteoldifempty && !m1().pickentryfile.isEmpty()) {
        deleteIfNoEntries(m1().pickentryfile);
    }
}

void Pick3::Command6_Click() {
    updatedisplay(true, false, false);
    // The history and statistics stay open beside this window; they show its files, so they go
    // with it.
    Windows::unload(windownames::p34history);
    Windows::unload(windownames::p34stats);
    handBackAndUnload();
}

void Pick3::mnuExit_Click() {
    Command6_Click();
}

void Pick3::closeBox() {
    // While the adding or file deletion window has it disabled, it waits for that window.
    if (!isEnabled()) {
        return;
    }
    Command6_Click();
}

void Pick3::mnusg1_Click() {
    showPosition(1);
}

void Pick3::mnusg2_Click() {
    showPosition(2);
}

void Pick3::mnusg3_Click() {
    showPosition(3);
}

void Pick3::mnusg4_Click() {
    showPosition(4);
}

void Pick3::showPosition(int position) {
    for (std::size_t i = 0; i < mnusgItems.size(); ++i) {
        // The fourth item belongs to Pick 4 only.
        if (i == 3 && m1().pickgame != 4) {
            continue;
        }
        mnusgItems[i]->setChecked(static_cast<int>(i) + 1 == position);
    }
    populatethegraph();
    Label2->setText(digitChartCaption(position, m1().pickdrawcounttext.toInt()));
}

void Pick3::populatethegraph() {
    const PickImage draws = PickImage::read(m1().pickresultsfile).value_or(PickImage());
    m1().pickdrawcount = static_cast<qint16>(draws.count());
    m1().pickdrawcounttext = QString::number(draws.count());
    int position = 0;
    for (std::size_t i = 0; i < mnusgItems.size(); ++i) {
        if (mnusgItems[i]->isChecked() && (i < 3 || m1().pickgame == 4)) {
            position = static_cast<int>(i) + 1;
        }
    }
    const std::optional<DigitCounts> counts = digitCounts(draws, position);
    if (!counts) {
        platform::msgBox(QStringLiteral(
            "A ball number in the results file is not in the ball range of the game. Please "
            "check Configure Game Definition for this game and download the results overwriting "
            "the existing results."));
        return;
    }
    drawChart(*counts, position);
}

void Pick3::drawChart(const DigitCounts& counts, int position) {
    static const QColor kColours[4] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 0, 255),
                                       QColor(0, 0, 0)};
    QChart* chart = MSChart1->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    auto* set = new QBarSet(QString());
    auto* digits = new QBarCategoryAxis;
    int top = 0;
    for (int d = 0; d < 10; ++d) {
        *set << counts[static_cast<std::size_t>(d)];
        digits->append(u' ' + QString::number(d));
        top = std::max(top, counts[static_cast<std::size_t>(d)]);
    }
    if (position >= 1 && position <= 4) {
        set->setColor(kColours[position - 1]);
        set->setBorderColor(kColours[position - 1]);
    }
    auto* series = new QBarSeries;
    series->append(set);
    series->setBarWidth(0.6);
    chart->addSeries(series);
    chart->addAxis(digits, Qt::AlignBottom);
    series->attachAxis(digits);
    auto* times = new QValueAxis;
    platform::setCountingRange(*times, top);
    chart->addAxis(times, Qt::AlignLeft);
    series->attachAxis(times);
}

void Pick3::mnuDelete_Click() {
    setEnabled(false);
    Windows::show(windownames::Deletepick34);
}

void Pick3::mnuHistory_Click() {
    Windows::show(windownames::p34history);
}

void Pick3::mnup34morestats_Click() {
    // The count the chart was last drawn from: that is the history the statistics would read.
    if (m1().pickdrawcounttext.toInt() == 0) {
        platform::msgBox(
            QStringLiteral("There are no draws in this history file to show more stats"));
        return;
    }
    m1().statsresultsfile = m1().pickresultsfile;
    m1().statsdrawtime = m1().pickdrawtime;
    Windows::show(windownames::p34stats);
}
