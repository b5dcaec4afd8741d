#include "entries/Form6.h"

#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/Form1.h"
#include "app/module1routines.h"
#include "entries/logic/entryfile.h"
#include "entries/logic/historycheck.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/messagebox.h"
#include "platform/windows.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/textforms.h"

using entries::HistoryCheck;
using entries::RangeRefusal;

namespace {

QString resultsPath() {
    return dataFile(m1().datapath, resultsFileName(m1().gamename));
}

}  // namespace

Form6::Form6(QWidget* parent) : platform::Form(kName, parent) {
    setWindowTitle(QStringLiteral("History Check"));
    setOpener(windownames::Form1);
    auto* root = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    Frame1 = platform::named(new QGroupBox(QStringLiteral("Start Date"), this), "Frame1");
    DTPicker1 = platform::named(new platform::DTPicker(Frame1), "DTPicker1");
    (new QHBoxLayout(Frame1))->addWidget(DTPicker1);
    Frame2 = platform::named(new QGroupBox(QStringLiteral("End Date"), this), "Frame2");
    DTPicker2 = platform::named(new platform::DTPicker(Frame2), "DTPicker2");
    (new QHBoxLayout(Frame2))->addWidget(DTPicker2);
    Command2 = platform::named(new QPushButton(QStringLiteral("Check"), this), "Command2");
    Command3 = platform::named(new QPushButton(QStringLiteral("Cancel"), this), "Command3");
    top->addWidget(Frame1, 1);
    top->addWidget(Frame2, 1);
    auto* runButtons = new QVBoxLayout;
    runButtons->addWidget(Command2);
    runButtons->addWidget(Command3);
    top->addLayout(runButtons);
    root->addLayout(top);

    auto* middle = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    stack_ = new QStackedWidget(this);
    for (int p = 0; p < 4; ++p) {
        auto* view = platform::named(new QListView(stack_), QStringLiteral("List1_%1").arg(p));
        pages[static_cast<std::size_t>(p)] = new ResultPageModel(view);
        view->setModel(pages[static_cast<std::size_t>(p)]);
        view->setUniformItemSizes(true);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setFont(QFont(QStringLiteral("Courier New"), 10));
        view->setMinimumWidth(340);
        stack_->addWidget(view);
        List1[static_cast<std::size_t>(p)] = view;
    }
    left->addWidget(stack_, 1);
    auto* turn = new QHBoxLayout;
    Command5 = platform::named(new QPushButton(QStringLiteral("Back..."), this), "Command5");
    Command4 = platform::named(new QPushButton(QStringLiteral("More..."), this), "Command4");
    turn->addWidget(Command5);
    turn->addWidget(Command4);
    turn->addStretch();
    left->addLayout(turn);
    middle->addLayout(left, 1);

    Frame3 = platform::named(new QGroupBox(QStringLiteral("Winning Entries"), this), "Frame3");
    auto* totals = new QGridLayout(Frame3);
    totals->setVerticalSpacing(2);
    for (int k = 1; k <= 15; ++k) {
        auto* label = platform::named(new QLabel(Frame3), QStringLiteral("Label%1").arg(k));
        auto* box = platform::named(new QLineEdit(Frame3), QStringLiteral("Text%1").arg(k));
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignRight);
        box->setFixedWidth(70);
        box->setFocusPolicy(Qt::NoFocus);
        totals->addWidget(label, k - 1, 0);
        totals->addWidget(box, k - 1, 1);
        Label[static_cast<std::size_t>(k)] = label;
        Text[static_cast<std::size_t>(k)] = box;
    }
    totals->setRowStretch(15, 1);
    middle->addWidget(Frame3);
    root->addLayout(middle, 1);

    Label16 = platform::named(new QLabel(this), "Label16");
    root->addWidget(Label16);
    auto* bottom = new QHBoxLayout;
    ProgressBar1 = platform::named(new QProgressBar(this), "ProgressBar1");
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);
    Command1 = platform::named(new QPushButton(QStringLiteral("Close"), this), "Command1");
    bottom->addWidget(ProgressBar1, 1);
    bottom->addWidget(Command1);
    root->addLayout(bottom);

    connect(Command2, &QPushButton::clicked, this, &Form6::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form6::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(Command4, &QPushButton::clicked, this, &Form6::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form6::Command5_Click);
    resize(640, 560);
}

void Form6::Form_Load() {
    const QString format = pickerFormat(m1().dateorder);
    for (platform::DTPicker* picker : {DTPicker1, DTPicker2}) {
        picker->setCustomFormat(format);
        setcalendarcolours(*picker);
    }
    const QDate today = platform::today();
    QDate start = today;
    DrawFile history(resultsPath());
    if (history.count() != 0) {
        const DrawRecord first = history.read(1);
        // A damaged first date leaves the range starting today rather than nowhere.
        if (const QDate d(first.year, first.month, first.day); d.isValid()) {
            start = d;
        }
    }
    DTPicker1->setValue(start);
    DTPicker2->setValue(today);
    setWindowTitle(QStringLiteral("History Check Against ") + m1().gamename +
                   QStringLiteral(" Entry"));
    // The levels are named from the start, so the empty totals already say what they count.
    showLevels();
}

int Form6::shownPage() const {
    return stack_->currentIndex();
}

void Form6::showPage(int page) {
    stack_->setCurrentIndex(page);
}

void Form6::clearresults() {
    for (ResultPageModel* page : pages) {
        page->clear();
    }
    showPage(1);
    for (int k = 1; k <= 15; ++k) {
        Text[static_cast<std::size_t>(k)]->clear();
    }
    Label16->clear();
}

void Form6::setIdle() {
    Command1->setEnabled(true);
    Command2->setEnabled(true);
}

void Form6::showLevels() {
    for (int k = 1; k <= 15; ++k) {
        const bool counted = m1().prizelevels[static_cast<std::size_t>(k)] == 1;
        Label[static_cast<std::size_t>(k)]->setVisible(counted);
        Text[static_cast<std::size_t>(k)]->setVisible(counted);
        if (counted) {
            Label[static_cast<std::size_t>(k)]->setText(entries::levelCaption(k, m1().extraballid));
        }
    }
}

void Form6::Command2_Click() {
    if (running_) {
        return;
    }
    m1().historylimitreached = false;
    m1().historylinecount = 0;
    currentpage_ = 0;
    Command1->setEnabled(false);
    Command2->setEnabled(false);
    showLevels();

    const std::vector<DrawRecord> history = entries::readCounted(resultsPath());
    const entries::DrawRange range =
        entries::drawRange(DTPicker1->Value(), DTPicker2->Value(), history);
    switch (range.refusal) {
        case RangeRefusal::None:
            break;
        case RangeRefusal::StartAfterEnd:
            platform::msgBox(entries::rangeRefusalMessage(range.refusal));
            clearresults();
            setIdle();
            return;
        case RangeRefusal::EmptyHistory:
            platform::msgBox(entries::rangeRefusalMessage(range.refusal));
            // Check stays usable: the history may be filled while the window is open.
            setIdle();
            return;
        case RangeRefusal::EndBeforeFirst:
        case RangeRefusal::StartAfterLast:
        case RangeRefusal::NoDrawInRange:
            clearresults();
            showPage(0);
            setIdle();
            Label16->setText(entries::rangeRefusalMessage(range.refusal));
            return;
    }
    clearresults();

    const int n = range.draws();
    ProgressBar1->setMinimum(0);
    ProgressBar1->setMaximum(n);
    ProgressBar1->setValue(0);
    const Form1* main = platform::Windows::live<Form1>(windownames::Form1);
    Label16->setText(
        entries::checkStatusLine(main != nullptr ? main->Text2->text() : QString(), n));

    // The entries are read once for the whole range: nothing can change them while we run.
    HistoryCheck check(entries::EntryGame::from(m1()), entries::readCounted(m1().selectionfile));
    m1().cancelflag = false;
    running_ = true;
    // The lines, the bar and the window's events are taken care of in batches: once per draw
    // they would cost more than the check itself. Events are seen after the first draw, at least
    // every eventInterval and after the last draw, so Cancel, More and Back stay answered.
    std::array<QStringList, entries::ResultPages::kPageCount> pending;
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    bool first = true;
    bool overflowed = false;  // a line found its page full: the first page comes into view
    int progress = 0;
    for (int r = range.first; r <= range.last; ++r) {
        HistoryCheck::DrawLines lines = check.checkDraw(history[static_cast<std::size_t>(r - 1)]);
        for (std::size_t p = 0; p < lines.pages.size(); ++p) {
            pending[p].append(std::move(lines.pages[p]));
        }
        overflowed = overflowed || lines.overflowed;
        ++progress;
        if (!first && r < range.last && sinceEvents.elapsed() < eventInterval.count()) {
            continue;
        }
        first = false;
        for (std::size_t p = 0; p < pending.size(); ++p) {
            if (!pending[p].isEmpty()) {
                pages[p]->append(pending[p]);
                pending[p].clear();
            }
        }
        if (overflowed) {
            showPage(0);
            overflowed = false;
        }
        currentpage_ = check.pages().currentpage();
        ProgressBar1->setValue(progress);
        platform::doEvents();
        sinceEvents.restart();
        if (platform::programEnded()) {
            return;
        }
        if (m1().cancelflag) {
            m1().cancelflag = false;
            break;
        }
    }
    running_ = false;
    m1().historylinecount = check.pages().linecount();
    m1().historylimitreached = check.pages().limitreached();

    ProgressBar1->setValue(0);
    setIdle();
    for (int k = 1; k <= 15; ++k) {
        Text[static_cast<std::size_t>(k)]->setText(
            QString::number(static_cast<qint64>(check.totals()[static_cast<std::size_t>(k)])));
    }
    showPage(0);
    if (closeAfterRun_) {
        Command1_Click();
        return;
    }
    if (m1().historylimitreached) {
        platform::msgBox(entries::pageLimitMessage());
    }
}

void Form6::Command3_Click() {
    m1().cancelflag = true;
}

void Form6::Command1_Click() {
    if (running_) {
        return;
    }
    handBackAndUnload();
}

void Form6::closeBox() {
    if (running_) {
        closeAfterRun_ = true;
        Command3_Click();
        return;
    }
    Command1_Click();
}

void Form6::Command4_Click() {
    const int shown = shownPage();
    if (shown < 3 && currentpage_ >= shown + 1) {
        showPage(shown + 1);
    }
}

void Form6::Command5_Click() {
    const int shown = shownPage();
    if (shown > 0) {
        showPage(shown - 1);
    }
}
