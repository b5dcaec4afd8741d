#include "pick34/Pick3.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/menus.h"
#include "platform/twips.h"

using platform::named;
using platform::twipsToPixels;

using platform::menuItem;
using platform::submenu;

Pick3::Pick3(QWidget* parent) : platform::Form(kName, parent) {
    setWindowTitle(QStringLiteral("Pick 3 Player"));
    // Opened by the main window's Pick items, which disable it first.
    setOpener(windownames::Form1, platform::HandBack::EnableAndRaise);
    buildMenus();
    buildControls();
    connectHandlers();
}

void Pick3::buildMenus() {
    menuBar = named(new QMenuBar(this), "menuBar");

    mnuFile = submenu(this, "mnuFile", QStringLiteral("&File"));
    mnuDelete = menuItem(mnuFile, "mnuDelete", QStringLiteral("Entry File Deletion"));
    mnuBoth =
        menuItem(mnuFile, "mnuBoth", QStringLiteral("Save Current Entry as Both Day and Night"));
    menuBar->addMenu(mnuFile);

    MnuDraw = submenu(this, "MnuDraw", QStringLiteral("Select Draw Time"));
    MnuDay = menuItem(MnuDraw, "MnuDay", QStringLiteral("Day"), true);
    mnuEvening = menuItem(MnuDraw, "mnuEvening", QStringLiteral("Evening"), true);
    menuBar->addMenu(MnuDraw);

    mnuStand = submenu(this, "mnuStand", QStringLiteral("Standing Entry"));
    mnuStandSave = menuItem(mnuStand, "mnuStandSave", QStringLiteral("Save as Standing Enty"));
    mnuStandOpen = menuItem(mnuStand, "mnuStandOpen", QStringLiteral("Open Standing Entry"));
    menuBar->addMenu(mnuStand);

    mnusg = submenu(this, "mnusg", QStringLiteral("Show Number Distribution"));
    mnusg1 = menuItem(mnusg, "mnusg1", QStringLiteral("1st Number"), true);
    mnusg2 = menuItem(mnusg, "mnusg2", QStringLiteral("2nd Number"), true);
    mnusg3 = menuItem(mnusg, "mnusg3", QStringLiteral("3rd Number"), true);
    mnusg4 = menuItem(mnusg, "mnusg4", QStringLiteral("4th Number"), true);
    mnusgItems = {mnusg1, mnusg2, mnusg3, mnusg4};
    mnusg1->setChecked(true);
    menuBar->addMenu(mnusg);

    mnuHistory = menuBar->addAction(QStringLiteral("Draw History"));
    mnuHistory->setObjectName(QStringLiteral("mnuHistory"));
    mnup34morestats = menuBar->addAction(QStringLiteral("More Stats"));
    mnup34morestats->setObjectName(QStringLiteral("mnup34morestats"));
    mnuExit = menuBar->addAction(QStringLiteral("Close"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
}

void Pick3::buildControls() {
    auto* root = new QVBoxLayout(this);
    root->setMenuBar(menuBar);

    // The draw of the picked date, the game switch and Close.
    auto* top = new QHBoxLayout;
    Frame1 = named(new QGroupBox(QStringLiteral("Draw Maintenance"), this), "Frame1");
    auto* draw = new QHBoxLayout(Frame1);
    DTPicker1 = named(new platform::DTPicker(Frame1), "DTPicker1");
    Label1 = named(new QLabel(QStringLiteral("Evening Draw"), Frame1), "Label1");
    // Wide enough for either draw time, so the row does not shift when it changes.
    Label1->setMinimumWidth(Label1->sizeHint().width());
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text1 = named(new QLineEdit(Frame1), "Text1");
    Text1->setAlignment(Qt::AlignCenter);
    QFont drawFont = Text1->font();
    drawFont.setBold(true);
    Text1->setFont(drawFont);
    Command1 = named(new QPushButton(QStringLiteral("Add"), Frame1), "Command1");
    Command2 = named(new QPushButton(QStringLiteral("Delete"), Frame1), "Command2");
    draw->addWidget(DTPicker1, 1);
    draw->addSpacing(twipsToPixels(120));
    draw->addWidget(Label1);
    draw->addWidget(Text1);
    draw->addWidget(Command1);
    draw->addWidget(Command2);
    top->addWidget(Frame1, 1);
    auto* switcher = new QVBoxLayout;
    Command7 = named(new QPushButton(QStringLiteral("Switch To Pick 4"), this), "Command7");
    Command6 = named(new QPushButton(QStringLiteral("Close"), this), "Command6");
    switcher->addStretch();
    switcher->addWidget(Command7);
    switcher->addWidget(Command6);
    top->addLayout(switcher);
    root->addLayout(top);

    // Entries and the check summary side by side.
    auto* lower = new QHBoxLayout;
    Frame5 = named(new QGroupBox(QStringLiteral("My Entries"), this), "Frame5");
    auto* entries = new QGridLayout(Frame5);
    DTPicker2 = named(new platform::DTPicker(Frame5), "DTPicker2");
    Command3 = named(new QPushButton(QStringLiteral("Dated Entry"), Frame5), "Command3");
    List1 = named(new QListWidget(Frame5), "List1");
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List1->setFont(QFont(QStringLiteral("Courier New"), 10));
    List1->setUniformItemSizes(true);
    Label5 = named(new QLabel(QStringLiteral("Entries"), Frame5), "Label5");
    Text2 = named(new QLineEdit(QStringLiteral("0"), Frame5), "Text2");
    Text2->setReadOnly(true);
    Text2->setFocusPolicy(Qt::NoFocus);  // only read: no Tab stop
    Text2->setAlignment(Qt::AlignRight);
    Text2->setMaximumWidth(twipsToPixels(900));
    Command4 = named(new QPushButton(QStringLiteral("Add"), Frame5), "Command4");
    Command5 = named(new QPushButton(QStringLiteral("Delete"), Frame5), "Command5");
    Command9 = named(new QPushButton(QStringLiteral("Print"), Frame5), "Command9");
    Command14 = named(new QPushButton(QStringLiteral("Check"), Frame5), "Command14");
    auto* entryDate = new QHBoxLayout;
    entryDate->addWidget(DTPicker2, 1);
    entryDate->addWidget(Command3);
    entries->addLayout(entryDate, 0, 0, 1, 2);
    entries->addWidget(List1, 1, 0, 5, 1);
    auto* count = new QHBoxLayout;
    count->addWidget(Label5);
    count->addWidget(Text2);
    count->addStretch();
    entries->addLayout(count, 6, 0);
    int row = 1;
    for (QPushButton* b : {Command4, Command5, Command9, Command14}) {
        entries->addWidget(b, row++, 1);
    }
    entries->setRowStretch(row, 1);
    lower->addWidget(Frame5, 1);

    Frame6 = named(new QGroupBox(QStringLiteral("Check Summary"), this), "Frame6");
    auto* summary = new QGridLayout(Frame6);
    List2 = named(new QListWidget(Frame6), "List2");
    List2->setFont(QFont(QStringLiteral("Courier New"), 10));
    List2->setSelectionMode(QAbstractItemView::NoSelection);
    List2->setUniformItemSizes(true);
    Command10 = named(new QPushButton(QStringLiteral("Print"), Frame6), "Command10");
    summary->addWidget(List2, 0, 0, 1, 2);
    summary->addWidget(Command10, 1, 1);
    summary->setColumnStretch(0, 1);
    lower->addWidget(Frame6, 1);
    root->addLayout(lower, 1);

    // The digit distribution of the draws.
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    MSChart1 = named(new QChartView(chart, this), "MSChart1");
    // A picture only: the keyboard has nothing to do there.
    MSChart1->setFocusPolicy(Qt::NoFocus);
    MSChart1->setRenderHint(QPainter::Antialiasing);
    MSChart1->setMinimumHeight(twipsToPixels(3000));
    Label2 = named(new QLabel(this), "Label2");
    Label2->setAlignment(Qt::AlignCenter);
    root->addWidget(MSChart1, 1);
    root->addWidget(Label2);

    resize(twipsToPixels(12000), twipsToPixels(10200));
}

void Pick3::connectHandlers() {
    connect(DTPicker1, &platform::DTPicker::Change, this, &Pick3::DTPicker1_Change);
    connect(DTPicker2, &platform::DTPicker::Change, this, &Pick3::DTPicker2_Change);
    connect(Command1, &QPushButton::clicked, this, &Pick3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Pick3::Command2_Click);
    // Enter in the draw box adds the draw, as in the other windows that take a typed draw.
    connect(Text1, &QLineEdit::returnPressed, this, &Pick3::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Pick3::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Pick3::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Pick3::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Pick3::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Pick3::Command7_Click);
    connect(Command9, &QPushButton::clicked, this, &Pick3::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &Pick3::Command10_Click);
    connect(Command14, &QPushButton::clicked, this, &Pick3::Command14_Click);
    connect(mnuDelete, &QAction::triggered, this, &Pick3::mnuDelete_Click);
    connect(mnuBoth, &QAction::triggered, this, &Pick3::mnuBoth_Click);
    connect(MnuDay, &QAction::triggered, this, &Pick3::MnuDay_Click);
    connect(mnuEvening, &QAction::triggered, this, &Pick3::mnuEvening_Click);
    connect(mnuStandSave, &QAction::triggered, this, &Pick3::mnuStandSave_Click);
    connect(mnuStandOpen, &QAction::triggered, this, &Pick3::mnuStandOpen_Click);
    connect(mnusg1, &QAction::triggered, this, &Pick3::mnusg1_Click);
    connect(mnusg2, &QAction::triggered, this, &Pick3::mnusg2_Click);
    connect(mnusg3, &QAction::triggered, this, &Pick3::mnusg3_Click);
    connect(mnusg4, &QAction::triggered, this, &Pick3::mnusg4_Click);
    connect(mnuHistory, &QAction::triggered, this, &Pick3::mnuHistory_Click);
    connect(mnup34morestats, &QAction::triggered, this, &Pick3::mnup34morestats_Click);
    connect(mnuExit, &QAction::triggered, this, &Pick3::mnuExit_Click);
}
