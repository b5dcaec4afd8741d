#include "updates/RDL.h"

#include <QActionGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "shared/module1.h"

using platform::named;

namespace {

// The slots the run serves: the two lotto histories. The others belong to games no server
// offers and stay hidden and unchecked.
constexpr int kPowerballSlot = 3;
constexpr int kMegaMillionsSlot = 9;

}  // namespace

RDL::RDL(QWidget* parent) : platform::Form(kName, parent) {
    setWindowTitle(QStringLiteral("Results Downloader"));

    menuBar = named(new QMenuBar(this), "menuBar");
    mnuCBO = named(menuBar->addMenu(QStringLiteral("Check Before Overwriting")), "mnuCBO");
    mnuYes = named(mnuCBO->addAction(QStringLiteral("Yes")), "mnuYes");
    mnuNo = named(mnuCBO->addAction(QStringLiteral("No")), "mnuNo");
    auto* answers = new QActionGroup(this);
    for (QAction* a : {mnuYes, mnuNo}) {
        a->setCheckable(true);
        answers->addAction(a);
    }
    mnuNo->setChecked(true);

    Frame3 =
        named(new QGroupBox(QStringLiteral("Select/Deselect Result(s) To Be Downloaded"), this),
              "Frame3");
    auto* boxes = new QGridLayout(Frame3);
    for (int i = 0; i < slotcount; ++i) {
        Check[static_cast<std::size_t>(i)] =
            named(new QCheckBox(Frame3), QStringLiteral("Check%1").arg(i + 1));
        boxes->addWidget(Check[static_cast<std::size_t>(i)], i / 3, i % 3);
    }

    Command1 = named(new QPushButton(QStringLiteral("Download Results"), this), "Command1");
    Command2 = named(new QPushButton(QStringLiteral("Cancel"), this), "Command2");
    Command3 = named(new QPushButton(QStringLiteral("Close"), this), "Command3");
    Command1->setDefault(true);

    Frame1 = named(new QGroupBox(QStringLiteral("Downloading"), this), "Frame1");
    Text1 = named(new QLineEdit(Frame1), "Text1");
    Text1->setReadOnly(true);
    // It only shows what is downloading: Tab passes over it.
    Text1->setFocusPolicy(Qt::NoFocus);
    (new QVBoxLayout(Frame1))->addWidget(Text1);

    Frame2 = named(new QGroupBox(QStringLiteral("Status"), this), "Frame2");
    Label1 = named(new QLabel(Frame2), "Label1");
    Label1->setWordWrap(true);
    Label1->setMinimumHeight(2 * Label1->fontMetrics().height());
    (new QVBoxLayout(Frame2))->addWidget(Label1);

    Frame4 = named(new QGroupBox(QStringLiteral("Progress"), this), "Frame4");
    ProgressBar1 = named(new QProgressBar(Frame4), "ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    (new QVBoxLayout(Frame4))->addWidget(ProgressBar1);

    for (QPushButton* b : {Command1, Command2, Command3}) {
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(Command1->text()) + 40);
    }
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);
    buttons->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(Frame3, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(top);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addWidget(Frame4);
    setMinimumWidth(460);

    connect(Command1, &QPushButton::clicked, this, &RDL::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &RDL::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &RDL::Command3_Click);
    connect(mnuYes, &QAction::triggered, this, &RDL::mnuYes_Click);
    connect(mnuNo, &QAction::triggered, this, &RDL::mnuNo_Click);
    makeTransfer();

    setOpener(windownames::Form1);
    setDoneFlag(m1().windowdone);
}

void RDL::Form_Load() {
    for (int i = 1; i <= slotcount; ++i) {
        QCheckBox* box = Check[static_cast<std::size_t>(i - 1)];
        const bool shown = i == kPowerballSlot || i == kMegaMillionsSlot;
        box->setVisible(shown);
        box->setChecked(shown);
    }
    Check[kPowerballSlot - 1]->setText(QStringLiteral("Powerball"));
    Check[kMegaMillionsSlot - 1]->setText(QStringLiteral("MegaMillions"));
    setIdle();
}

void RDL::setIdle() {
    Command1->setEnabled(true);
    Command3->setEnabled(true);
    Command2->setEnabled(false);
}

void RDL::setRunning() {
    Command3->setEnabled(false);
    Command2->setEnabled(true);
    Command1->setEnabled(false);
}

void RDL::showProgress(double percent) {
    progress_ = percent;
    ProgressBar1->setValue(static_cast<int>(percent));
}

void RDL::Command2_Click() {
    downloadstate = 3;
    stopTransfer();
}

void RDL::Command3_Click() {
    handBackAndUnload();
}

void RDL::closeBox() {
    if (running_) {
        closeAfterRun_ = true;
        Command2_Click();
        return;
    }
    Command3_Click();
}

void RDL::mnuYes_Click() {
    mnuYes->setChecked(true);
    mnuNo->setChecked(false);
}

void RDL::mnuNo_Click() {
    mnuYes->setChecked(false);
    mnuNo->setChecked(true);
}

QString RDL::inetstatetext(int state) {
    static const char* const kTexts[] = {
        "No state to report",
        "Looking up the IP address of the specified host computer",
        "Successfully found the IP address of the specified host computer",
        "Connecting to the host computer",
        "Successfully connected to the host computer",
        "Sending a request to the host computer",
        "Successfully sent the request",
        "Receiving a response from the host computer",
        "Successfully received a response from the host computer",
        "Disconnection from the host computer",
        "Successfully disconnected from the host computer",
        "An error occured in communicating with the host computer",
        "The request has completed and all data has been received",
    };
    if (state < 0 || state > 12) {
        downloadstate = 3;
        return QStringLiteral("Unknown state: %1").arg(state);
    }
    if (state == 12) {
        downloadstate = 2;
    }
    return QString::fromLatin1(kTexts[state]);
}
