#include "entries/Form4.h"

#include <cmath>

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/messagebox.h"
#include "platform/twips.h"
#include "platform/windows.h"
#include "shared/drawrecord.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/numbertext.h"
#include "shared/textforms.h"

using drawstats::Chart;
using platform::msgBox;
using platform::named;
using platform::twipsToPixels;

namespace {

const QString kBallRange = QStringLiteral(
    "A ball number in the results file is not in the ball range of the game. Please check "
    "Configure Game Definition for this game and download the results overwriting the existing "
    "results.");

// Window widths of the three scale steps, in twips.
constexpr std::array<int, 3> kWindowWidth{9735, 11625, 14985};
constexpr int kWindowHeight = 7200;

QAction* item(QWidget* owner, const char* name, const QString& caption) {
    auto* a = new QAction(caption, owner);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

// The extra ball's name as stored may be blank-padded.
QString extraName() {
    QString name = m1().extraballname;
    while (name.endsWith(u' ')) {
        name.chop(1);
    }
    return name;
}

// The number in a box as a whole number, halves to even, kept far from overflow: a number past
// any history's length is simply too many draws.
qint64 wholeNumber(const QString& text) {
    const double v = std::nearbyint(leadingNumber(text));
    return static_cast<qint64>(std::clamp(v, -1e9, 1e9));
}

}  // namespace

Form4::Form4(QWidget* parent) : platform::Form(kName, parent) {
    menuBar = named(new QMenuBar(this), "menuBar");
    mnsorted = named(new QMenu(QStringLiteral("Sorted"), this), "mnsorted");
    mnusortedyes = item(this, "mnusortedyes", QStringLiteral("Yes"));
    mnusortedno = item(this, "mnusortedno", QStringLiteral("No"));
    for (QAction* a : {mnusortedyes, mnusortedno}) {
        a->setCheckable(true);
        mnsorted->addAction(a);
    }
    mnusortedno->setChecked(true);
    menuBar->addMenu(mnsorted);
    mnuLM = item(this, "mnuLM", QStringLiteral("Main Balls"));
    mnuTSB = item(this, "mnuTSB", QString());
    mnuBoth = item(this, "mnuBoth", QString());
    menuBar->addAction(mnuLM);
    menuBar->addAction(mnuTSB);
    menuBar->addAction(mnuBoth);
    mnuScale = named(new QMenu(QStringLiteral("Scale"), this), "mnuScale");
    mnuWider = item(this, "mnuWider", QStringLiteral("Wider"));
    mnuNarrower = item(this, "mnuNarrower", QStringLiteral("Narrower"));
    mnuScale->addAction(mnuWider);
    mnuScale->addAction(mnuNarrower);
    menuBar->addMenu(mnuScale);

    MSChart1 = named(new platform::BarChart(this), "MSChart1");
    Label1 = named(new QLabel(QStringLiteral("Click on ball bar for more information or enter "
                                             "ball number and click Info Button"),
                              this),
                   "Label1");
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);

    Frame1 = named(new QGroupBox(this), "Frame1");
    Label2 = named(new QLabel(QStringLiteral("Use Last Draws"), Frame1), "Label2");
    Text2 = named(new QLineEdit(Frame1), "Text2");
    Text2->setFixedWidth(twipsToPixels(900));
    Command3 = named(new QPushButton(QStringLiteral("Show"), Frame1), "Command3");
    Command5 = named(new QPushButton(QStringLiteral("All"), Frame1), "Command5");
    Command2 = named(new QPushButton(QStringLiteral("Clear"), Frame1), "Command2");
    for (QPushButton* b : {Command3, Command5, Command2}) {
        b->setFixedWidth(twipsToPixels(1000));
    }
    auto* frameRow = new QHBoxLayout(Frame1);
    frameRow->addWidget(Label2);
    frameRow->addWidget(Text2);
    frameRow->addWidget(Command3);
    frameRow->addWidget(Command5);
    frameRow->addWidget(Command2);

    Text1 = named(new QLineEdit(this), "Text1");
    Text1->setFixedWidth(twipsToPixels(700));
    Command4 = named(new QPushButton(QStringLiteral("Info"), this), "Command4");
    Command1 = named(new QPushButton(QStringLiteral("Close"), this), "Command1");
    Command4->setFixedWidth(twipsToPixels(1000));
    Command1->setFixedWidth(twipsToPixels(1100));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Frame1);
    bottom->addStretch(1);
    bottom->addWidget(Text1);
    bottom->addWidget(Command4);
    bottom->addSpacing(twipsToPixels(240));
    bottom->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(MSChart1, 1);
    layout->addWidget(Label1);
    layout->addLayout(bottom);

    connect(mnuLM, &QAction::triggered, this, &Form4::mnuLM_Click);
    connect(mnuBoth, &QAction::triggered, this, &Form4::mnuBoth_Click);
    connect(mnuTSB, &QAction::triggered, this, &Form4::mnuTSB_Click);
    connect(mnusortedyes, &QAction::triggered, this, &Form4::mnusortedyes_Click);
    connect(mnusortedno, &QAction::triggered, this, &Form4::mnusortedno_Click);
    connect(mnuWider, &QAction::triggered, this, &Form4::mnuWider_Click);
    connect(mnuNarrower, &QAction::triggered, this, &Form4::mnuNarrower_Click);
    connect(Command3, &QPushButton::clicked, this, &Form4::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &Form4::Command5_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &Form4::Command4_Click);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &Form4::Command4_Click);
    connect(Text2, &QLineEdit::returnPressed, this, &Form4::Command3_Click);
    connect(MSChart1, &platform::BarChart::PointSelected, this, &Form4::MSChart1_PointSelected);

    setMinimumSize(twipsToPixels(8400), twipsToPixels(5400));
    resize(twipsToPixels(kWindowWidth[0]), twipsToPixels(kWindowHeight));
    setOpener(windownames::Form1);
}

void Form4::Form_Load() {
    loading_ = true;
    loadfailed_ = false;
    scalestep_ = 1;
    m1().statsmode = 1;
    setWindowTitle(QStringLiteral("Draw Statistics for ") + m1().gamename);
    mnuLM->setText(QStringLiteral("Main Balls"));
    const Module1& m = m1();
    if (m.bonuspool == 0 && m.bonusdrawn == 0) {
        mnuTSB->setVisible(false);
        mnuBoth->setVisible(false);
        mnuLM->setVisible(false);
    } else if (m.bonuspool == 0 && m.bonusdrawn == 1) {
        mnuTSB->setVisible(true);
        mnuTSB->setText(extraName());
        mnuBoth->setVisible(true);
        mnuBoth->setText(QStringLiteral("Main and ") + extraName());
    } else if (m.bonuspool > 0) {
        mnuTSB->setVisible(true);
        mnuTSB->setText(extraName());
        mnuBoth->setVisible(false);
    }
    mnuLM_Click();
    if (loadfailed_) {
        handBackAndUnload();
        return;
    }
    loading_ = false;
}

bool Form4::chart(Chart kind, qint16 mode, const QString& ending, bool uselast, qint64& lastdraws) {
    m1().statsmode = mode;
    setWindowTitle(QStringLiteral("Draw Statistics for ") + m1().gamename + ending +
                   (sorted() ? QStringLiteral(" (Sorted)") : QString()));
    const DrawImage history =
        readDrawImage(dataFile(m1().datapath, resultsFileName(m1().gamename)));
    const int n = history.count();
    if (lastdraws == 0) {
        Text2->setText(QString::number(n));
    }
    const drawstats::DrawRange range = drawstats::chartRange(n, uselast, lastdraws);
    if (range.tooMany) {
        msgBox(
            QStringLiteral("Your value for last draws exceed the number of actual draws. "
                           "Setting to actual draws."));
        lastdraws = n;
        Text2->setText(QString::number(n));
    }
    const auto counts = drawstats::countBalls(history, range.first, range.last, kind, m1().mainpool,
                                              m1().bonuspool);
    if (!counts) {
        // Nothing of a partial count is drawn; the window cannot show this file.
        msgBox(kBallRange);
        if (loading_) {
            loadfailed_ = true;
        } else {
            handBackAndUnload();
        }
        return false;
    }
    const int bars = drawstats::barCount(kind, m1().mainpool, m1().bonuspool);
    const bool cards = kind == Chart::ExtraOwnPool && m1().gamename == kWildCardGame;
    std::vector<drawstats::BallCount> order;
    for (int b = 1; b <= bars; ++b) {
        order.push_back({b, (*counts)[static_cast<std::size_t>(b)]});
    }
    if (sorted()) {
        drawstats::sortMostDrawn(order);
        std::copy(order.begin(), order.end(), sorttable_.begin() + 1);
    }
    QList<platform::ChartRow> rows;
    for (const drawstats::BallCount& c : order) {
        rows.append({drawstats::barLabel(c.ball, cards), static_cast<double>(c.count)});
    }
    MSChart1->setRowCount(bars);
    MSChart1->setChartData(rows);
    return true;
}

void Form4::displaylottomain(bool uselast, qint64& lastdraws) {
    chart(Chart::Main, 1, QStringLiteral(" Main"), uselast, lastdraws);
}

void Form4::displaymandb(bool uselast, qint64& lastdraws) {
    chart(Chart::MainAndExtra, 2, QStringLiteral(" Main and ") + extraName(), uselast, lastdraws);
}

void Form4::displaytsbn(bool uselast, qint64& lastdraws) {
    chart(Chart::ExtraFromMain, 4, u' ' + extraName(), uselast, lastdraws);
}

void Form4::displaytsb(bool uselast, qint64& lastdraws) {
    chart(Chart::ExtraOwnPool, 4, u' ' + extraName(), uselast, lastdraws);
}

void Form4::runMenu(Chart kind, qint16 mode, const QString& ending) {
    m1().statsmode = mode;
    qint64 lastdraws = 0;
    bool uselast = false;
    if (!usealldraws_) {
        const qint64 n = wholeNumber(Text2->text());
        if (n >= 1) {
            uselast = true;
            lastdraws = n;
        }
    }
    if (chart(kind, mode, ending, uselast, lastdraws)) {
        MSChart1->update();
    }
}

void Form4::mnuLM_Click() {
    runMenu(Chart::Main, 1, QStringLiteral(" Main"));
}

void Form4::mnuBoth_Click() {
    runMenu(Chart::MainAndExtra, 2, QStringLiteral(" Main and ") + extraName());
}

void Form4::mnuTSB_Click() {
    runMenu(m1().bonuspool > 0 ? Chart::ExtraOwnPool : Chart::ExtraFromMain, 4, u' ' + extraName());
}

void Form4::redraw() {
    switch (m1().statsmode) {
        case 2:
            mnuBoth_Click();
            return;
        case 4:
            mnuTSB_Click();
            return;
        default:
            mnuLM_Click();
            return;
    }
}

void Form4::Command3_Click() {
    usealldraws_ = false;
    redraw();
}

void Form4::Command5_Click() {
    usealldraws_ = true;
    redraw();
}

void Form4::mnusortedyes_Click() {
    mnusortedno->setChecked(false);
    mnusortedyes->setChecked(true);
    redraw();
}

void Form4::mnusortedno_Click() {
    mnusortedno->setChecked(true);
    mnusortedyes->setChecked(false);
    redraw();
}

void Form4::Command2_Click() {
    Text2->clear();
}

void Form4::scaleTo(int step) {
    scalestep_ = step;
    resize(twipsToPixels(kWindowWidth[static_cast<std::size_t>(step - 1)]), height());
    platform::Windows::bringToFront(this);
}

void Form4::mnuWider_Click() {
    if (scalestep_ < 3) {
        scaleTo(scalestep_ + 1);
    }
}

void Form4::mnuNarrower_Click() {
    if (scalestep_ > 1) {
        scaleTo(scalestep_ - 1);
    }
}

void Form4::openBall(int ball, const QString& caption) {
    m1().statsball = static_cast<qint16>(ball);
    m1().statsballcaption = caption;
    platform::Windows::show(windownames::Form26);
}

void Form4::Command4_Click() {
    const Module1& m = m1();
    const int top = m.statsmode == 4 && m.bonuspool >= 1 ? m.bonuspool : m.mainpool;
    const double v = leadingNumber(Text1->text());
    if (v < 1 || v > top) {
        msgBox(QStringLiteral("You must enter a number between 1 and %1").arg(top));
        return;
    }
    setEnabled(false);
    // The heading names the ball the figures are for: a typed 7.4 shows ball 7.
    const qint16 ball = toInteger16(v);
    openBall(ball, windowTitle() + QStringLiteral(" <Ball %1>").arg(ball));
}

void Form4::MSChart1_PointSelected(int dataPoint) {
    if (dataPoint < 1 || dataPoint > MSChart1->rowCount()) {
        return;
    }
    setEnabled(false);
    const int ball = sorted() ? sorttable_[static_cast<std::size_t>(dataPoint)].ball : dataPoint;
    const QString caption = m1().gamename == kWildCardGame && m1().statsmode == 4
                                ? windowTitle() + u' ' + cardcaption(ball)
                                : windowTitle() + QStringLiteral(" <Ball %1>").arg(ball);
    openBall(ball, caption);
}

void Form4::Command1_Click() {
    handBackAndUnload();
}

void Form4::closeBox() {
    Command1_Click();
}
