#include "entries/Form26.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "entries/Form4.h"
#include "entries/logic/drawstats.h"
#include "platform/messagebox.h"
#include "platform/twips.h"
#include "platform/windows.h"
#include "shared/drawrecord.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/numbertext.h"

using platform::named;
using platform::twipsToPixels;

namespace {

QLineEdit* figure(QWidget* parent, const char* name) {
    auto* box = named(new QLineEdit(parent), name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);  // only read: no Tab stop
    box->setAlignment(Qt::AlignRight);
    box->setMinimumWidth(twipsToPixels(1500));
    return box;
}

}  // namespace

Form26::Form26(QWidget* parent) : platform::Form(kName, parent) {
    setWindowTitle(QStringLiteral("Individual Ball Statistics"));
    Text5 = named(new QLineEdit(this), "Text5");
    Text5->setReadOnly(true);
    Text5->setFocusPolicy(Qt::NoFocus);
    Text5->setAlignment(Qt::AlignCenter);
    QFont heading = Text5->font();
    heading.setBold(true);
    Text5->setFont(heading);
    Frame1 = named(new QGroupBox(this), "Frame1");
    Label2 = named(new QLabel(QStringLiteral("Number of Times Drawn"), Frame1), "Label2");
    Text2 = figure(Frame1, "Text2");
    Label1 =
        named(new QLabel(QStringLiteral("Number of Times Expected to be Drawn"), Frame1), "Label1");
    Text1 = figure(Frame1, "Text1");
    Label4 = named(new QLabel(QStringLiteral("Date Last Drawn"), Frame1), "Label4");
    Text4 = figure(Frame1, "Text4");
    Label3 =
        named(new QLabel(QStringLiteral("Number of Draws Since Last Drawn"), Frame1), "Label3");
    Text3 = figure(Frame1, "Text3");
    auto* figures = new QFormLayout(Frame1);
    figures->addRow(Label2, Text2);
    figures->addRow(Label1, Text1);
    figures->addRow(Label4, Text4);
    figures->addRow(Label3, Text3);
    Command1 = named(new QPushButton(QStringLiteral("Close"), this), "Command1");
    Command1->setToolTip(QStringLiteral("Closes this form."));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text5);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    setMinimumWidth(twipsToPixels(7800));
    connect(Command1, &QPushButton::clicked, this, &Form26::Command1_Click);
    setOpener(windownames::Form4);
}

void Form26::Form_Load() {
    const Module1& m = m1();
    const DrawImage history = readDrawImage(dataFile(m.datapath, resultsFileName(m.gamename)));
    const int n = history.count();
    Form4* stats = platform::Windows::live<Form4>(Form4::kName);
    const QString last = stats != nullptr ? stats->Text2->text() : QString();
    const double v = leadingNumber(last);
    int draws = n;
    int first = 1;
    if (v > 0 && v < n) {
        draws = toInteger16(v);
        first = n - draws + 1;
        Text5->setText(m.statsballcaption + QStringLiteral(" Last ") + last.trimmed() +
                       QStringLiteral(" Draws"));
    } else {
        Text5->setText(m.statsballcaption + QStringLiteral(" All %1 Draws").arg(n));
    }
    Text5->setCursorPosition(0);
    const qint32 expected =
        drawstats::expectedDraws(m.statsmode, m.ballsdrawn, draws, m.mainpool, m.bonuspool);
    const auto f = drawstats::ballFigures(history, first, n, m.statsball, m.statsmode);
    if (!f) {
        platform::msgBox(QStringLiteral(
            "A ball number in the results file is not in the ball range of the game. Please "
            "check Configure Game Definition for this game and download the results overwriting "
            "the existing results."));
        handBackAndUnload();
        return;
    }
    const bool drawn = f->lastRecord != 0;
    Text4->setText(drawn ? drawstats::lastDrawnText(f->day, f->month, f->year, m.dateorder)
                         : QStringLiteral("Never"));
    Text1->setText(QString::number(expected));
    Text2->setText(QString::number(f->timesDrawn));
    Text3->setText(drawn ? QString::number(n - f->lastRecord) : QStringLiteral("Not Drawn"));
}

void Form26::Command1_Click() {
    handBackAndUnload();
}

void Form26::closeBox() {
    Command1_Click();
}
