#include "playslips/configure.h"

#include <QActionGroup>
#include <QGridLayout>
#include <QVBoxLayout>

#include "platform/menus.h"
#include "platform/twips.h"
#include "shared/module1.h"

using platform::named;
using platform::twipsToPixels;

using platform::menuItem;
using platform::submenu;

namespace {

// One choice of several: shown with radio marks; the handlers still set every mark themselves.
void oneOf(QWidget* parent, std::initializer_list<QAction*> items) {
    auto* group = new QActionGroup(parent);
    for (QAction* a : items) {
        group->addAction(a);
    }
}

QAction* command(QMenuBar* bar, const char* name, const QString& caption) {
    QAction* a = bar->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

}  // namespace

configure::configure(QWidget* parent) : platform::Form(kName, parent) {
    setWindowTitle(QStringLiteral("Setup Ticket Printing"));
    // Opened by the print manager's Edit Configuration, which disables itself first.
    setOpener(windownames::PrintManager, platform::HandBack::EnableAndRaise);
    buildMenus();
    buildControls();
    connectHandlers();
}

void configure::buildMenus() {
    menuBar = named(new QMenuBar(this), "menuBar");

    mnuSelectGame = submenu(this, "mnuSelectGame", QStringLiteral("Configure"));
    mnuConfigMain = menuItem(mnuSelectGame, QStringLiteral("mnuConfigMain"),
                             QStringLiteral("Main Balls"), true);
    mnuConfigMain->setChecked(true);
    mnuConfigExtra = menuItem(mnuSelectGame, QStringLiteral("mnuConfigExtra"),
                              QStringLiteral("Extra balls"), true);
    mnuSelectGame->addSeparator();
    mnuClearKill = menuItem(mnuSelectGame, QStringLiteral("mnuClearKill"),
                            QStringLiteral("Clear All File Settings"));
    menuBar->addMenu(mnuSelectGame);

    mnuNumber = submenu(this, "mnuNumber", QStringLiteral("No. of Boards"));
    for (int n = 3; n <= 10; ++n) {
        mnuCount[static_cast<std::size_t>(n - 3)] =
            menuItem(mnuNumber, QStringLiteral("mnu%1").arg(n), QString::number(n), true);
    }
    mnuCount[0]->setChecked(true);
    menuBar->addMenu(mnuNumber);

    mnuSelectBoard = submenu(this, "mnuSelectBoard", QStringLiteral("Board"));
    for (int k = 1; k <= 10; ++k) {
        const QChar letter(u'A' + k - 1);
        mnuBoards[static_cast<std::size_t>(k - 1)] =
            menuItem(mnuSelectBoard, QStringLiteral("mnug1b") + letter.toLower(),
                     QStringLiteral("Board ") + letter, true);
    }
    mnuBoards[0]->setChecked(true);
    menuBar->addMenu(mnuSelectBoard);

    mnulineor = submenu(this, "mnulineor", QStringLiteral("Orientation"));
    mnuMainOrientation = submenu(this, "mnuMainOrientation", QStringLiteral("Main"));
    mnuVerticalMain = menuItem(mnuMainOrientation, QStringLiteral("mnuVerticalMain"),
                               QStringLiteral("Vertical"), true);
    mnuVerticalMain->setChecked(true);
    mnuHorizontalMain = menuItem(mnuMainOrientation, QStringLiteral("mnuHorizontalMain"),
                                 QStringLiteral("Horizontal"), true);
    mnuExtaOrientation = submenu(this, "mnuExtaOrientation", QStringLiteral("Extra"));
    mnuVerticalExtra = menuItem(mnuExtaOrientation, QStringLiteral("mnuVerticalExtra"),
                                QStringLiteral("Vertical"), true);
    mnuVerticalExtra->setChecked(true);
    mnuHorizontalExtra = menuItem(mnuExtaOrientation, QStringLiteral("mnuHorizontalExtra"),
                                  QStringLiteral("Horizontal"), true);
    mnulineor->addMenu(mnuMainOrientation);
    mnulineor->addMenu(mnuExtaOrientation);
    menuBar->addMenu(mnulineor);

    mnuLine = submenu(this, "mnuLine", QStringLiteral("Line"));
    mnuwidth = submenu(this, "mnuwidth", QStringLiteral("Line Width"));
    mnuThin = menuItem(mnuwidth, QStringLiteral("mnuThin"), QStringLiteral("Thin"), true);
    mnuRecom = menuItem(mnuwidth, QStringLiteral("mnuRecom"), QStringLiteral("Recommeded"), true);
    mnuRecom->setChecked(true);
    mnuThick = menuItem(mnuwidth, QStringLiteral("mnuThick"), QStringLiteral("Thick"), true);
    mnuLength = submenu(this, "mnuLength", QStringLiteral("Line Length"));
    mnuShort = menuItem(mnuLength, QStringLiteral("mnuShort"), QStringLiteral("Short"), true);
    mnuMedium = menuItem(mnuLength, QStringLiteral("mnuMedium"), QStringLiteral("Medium"), true);
    mnuMedium->setChecked(true);
    mnuLong = menuItem(mnuLength, QStringLiteral("mnuLong"), QStringLiteral("Long"), true);
    mnuLine->addMenu(mnuwidth);
    mnuLine->addMenu(mnuLength);
    menuBar->addMenu(mnuLine);

    mnuSuggest = command(menuBar, "mnuSuggest", QStringLiteral("Suggest"));
    mnuRetrieve = command(menuBar, "mnuRetrieve", QStringLiteral("Retrieve"));
    mnuSave = command(menuBar, "mnuSave", QStringLiteral("Save"));

    mnuPrint = submenu(this, "mnuPrint", QStringLiteral("Print"));
    mnuPrintCurrent =
        menuItem(mnuPrint, QStringLiteral("mnuPrintCurrent"), QStringLiteral("Current"));
    mnuPrintAll = menuItem(mnuPrint, QStringLiteral("mnuPrintAll"), QStringLiteral("All"));
    mnuPrint->addSeparator();
    mnuPrinterSelection = menuItem(mnuPrint, QStringLiteral("mnuPrinterSelection"),
                                   QStringLiteral("Printer Selection"));
    menuBar->addMenu(mnuPrint);

    mnuAdjust = command(menuBar, "mnuAdjust", QStringLiteral("Adjust"));
    mnuExit = command(menuBar, "mnuExit", QStringLiteral("Exit"));

    oneOf(this, {mnuConfigMain, mnuConfigExtra});
    oneOf(this, {mnuVerticalMain, mnuHorizontalMain});
    oneOf(this, {mnuVerticalExtra, mnuHorizontalExtra});
    oneOf(this, {mnuThin, mnuRecom, mnuThick});
    oneOf(this, {mnuShort, mnuMedium, mnuLong});
    auto* counts = new QActionGroup(this);
    for (QAction* a : mnuCount) {
        counts->addAction(a);
    }
    auto* boards = new QActionGroup(this);
    for (QAction* a : mnuBoards) {
        boards->addAction(a);
    }
}

void configure::buildControls() {
    auto* root = new QVBoxLayout(this);
    root->setMenuBar(menuBar);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(twipsToPixels(60));
    grid->setVerticalSpacing(twipsToPixels(45));
    // Ten balls to a column, as the numbers run down a playslip; each column headed by its units.
    const int columns = (kLabels + kRowsPerColumn - 1) / kRowsPerColumn;
    for (int col = 0; col < columns; ++col) {
        for (const auto& [offset, text] : {std::pair{1, "X mm"}, std::pair{2, "Y mm"}}) {
            auto* head = new QLabel(QString::fromLatin1(text), this);
            head->setAlignment(Qt::AlignCenter);
            QFont small = head->font();
            small.setPointSizeF(small.pointSizeF() * 0.85);
            head->setFont(small);
            head->setForegroundRole(QPalette::PlaceholderText);
            grid->addWidget(head, 0, col * 4 + offset);
            columnHeads_.push_back(head);
        }
        if (col + 1 < columns) {
            grid->setColumnMinimumWidth(col * 4 + 3, twipsToPixels(240));
        }
    }
    QFont labelFont = font();
    labelFont.setPointSize(12);
    for (int k = 0; k < kLabels; ++k) {
        const int row = 1 + k % kRowsPerColumn;
        const int col = (k / kRowsPerColumn) * 4;
        auto* label =
            named(new QLabel(QString::number(k + 1), this), QStringLiteral("Label1_%1").arg(k));
        label->setFont(labelFont);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setMinimumWidth(twipsToPixels(420));
        Label1[static_cast<std::size_t>(k)] = label;
        grid->addWidget(label, row, col);
        for (int c = 0; c < 2; ++c) {
            const int i = 2 * k + c;
            auto* box = named(new QLineEdit(this), QStringLiteral("Text1_%1").arg(i));
            box->setFixedWidth(twipsToPixels(900));
            box->setAlignment(Qt::AlignRight);
            Text1[static_cast<std::size_t>(i)] = box;
            grid->addWidget(box, row, col + 1 + c);
        }
    }
    // A smaller pool leaves its columns where they are, packed to the left.
    grid->setColumnStretch(columns * 4, 1);
    root->addLayout(grid);
    root->addStretch();
}

void configure::connectHandlers() {
    for (QLineEdit* box : Text1) {
        // Any change, typed or written by the suggestion or adjustment, is an unsaved change.
        connect(box, &QLineEdit::textChanged, this, [this] { changesmade = true; });
    }
    connect(mnuRetrieve, &QAction::triggered, this, &configure::mnuRetrieve_Click);
    connect(mnuSave, &QAction::triggered, this, &configure::mnuSave_Click);
    connect(mnuClearKill, &QAction::triggered, this, &configure::mnuClearKill_Click);
    connect(mnuConfigMain, &QAction::triggered, this, &configure::mnuConfigMain_Click);
    connect(mnuConfigExtra, &QAction::triggered, this, &configure::mnuConfigExtra_Click);
    for (int n = 3; n <= 10; ++n) {
        connect(mnuCount[static_cast<std::size_t>(n - 3)], &QAction::triggered, this,
                [this, n] { mnuNumber_Click(n); });
    }
    for (int k = 1; k <= 10; ++k) {
        connect(mnuBoards[static_cast<std::size_t>(k - 1)], &QAction::triggered, this,
                [this, k] { mnuBoard_Click(k); });
    }
    connect(mnuVerticalMain, &QAction::triggered, this, &configure::mnuVerticalMain_Click);
    connect(mnuHorizontalMain, &QAction::triggered, this, &configure::mnuHorizontalMain_Click);
    connect(mnuVerticalExtra, &QAction::triggered, this, &configure::mnuVerticalExtra_Click);
    connect(mnuHorizontalExtra, &QAction::triggered, this, &configure::mnuHorizontalExtra_Click);
    connect(mnuThin, &QAction::triggered, this, &configure::mnuThin_Click);
    connect(mnuRecom, &QAction::triggered, this, &configure::mnuRecom_Click);
    connect(mnuThick, &QAction::triggered, this, &configure::mnuThick_Click);
    connect(mnuShort, &QAction::triggered, this, &configure::mnuShort_Click);
    connect(mnuMedium, &QAction::triggered, this, &configure::mnuMedium_Click);
    connect(mnuLong, &QAction::triggered, this, &configure::mnuLong_Click);
    connect(mnuSuggest, &QAction::triggered, this, &configure::mnuSuggest_Click);
    connect(mnuPrintCurrent, &QAction::triggered, this, &configure::mnuPrintCurrent_Click);
    connect(mnuPrintAll, &QAction::triggered, this, &configure::mnuPrintAll_Click);
    connect(mnuPrinterSelection, &QAction::triggered, this, &configure::mnuPrinterSelection_Click);
    connect(mnuAdjust, &QAction::triggered, this, &configure::mnuAdjust_Click);
    connect(mnuExit, &QAction::triggered, this, &configure::mnuExit_Click);
}

void configure::closeBox() {
    // Disabled while the adjustment or the printer choice is open: that window hands back first.
    if (isEnabled()) {
        mnuExit_Click();
    }
}

BallSet configure::ballSet() const {
    return mnuConfigExtra->isChecked() ? BallSet::Extra : BallSet::Main;
}

std::array<QString, configure::kBoxes> configure::boxTexts() const {
    std::array<QString, kBoxes> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = Text1[i]->text();
    }
    return texts;
}

QString configure::settingsPath() const {
    return playslipPath(m1().datapath, m1().configgamename);
}

void configure::rebuildCaption() {
    const Module1& m = m1();
    setWindowTitle(QStringLiteral("Set Up Printing for ") + m.configgamename + u' ' + m.boardname +
                   u' ' + m.slipmode);
}

void configure::checkOnly(std::initializer_list<QAction*> group, QAction* checked) {
    for (QAction* a : group) {
        a->setChecked(a == checked);
    }
}
