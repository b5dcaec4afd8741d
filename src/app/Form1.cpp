#include "app/Form1.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/pictureicons.h"
#include "platform/menus.h"
#include "platform/twips.h"
#include "platform/windows.h"

using platform::named;
using platform::twipsToPixels;

using platform::menuItem;
using platform::submenu;

namespace {

QLineEdit* countBox(QWidget* parent, const char* name) {
    auto* box = named(new QLineEdit(QStringLiteral("0"), parent), name);
    box->setReadOnly(true);
    // Only read: Tab goes from the buttons straight on.
    box->setFocusPolicy(Qt::NoFocus);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(twipsToPixels(900));
    return box;
}

}  // namespace

Form1::Form1(QWidget* parent) : platform::Form(kName, parent) {
    setWindowTitle(kTitle);
    // Escape must not end the program.
    setEscapeCloses(false);
    buildMenus();
    buildControls();
    connectHandlers();
    makeUpgradeTransfer();
}

void Form1::buildMenus() {
    menuBar = named(new QMenuBar(this), "menuBar");

    mnuFile = submenu(this, "mnuFile", QStringLiteral("&File"));
    mnuResults = menuItem(mnuFile, "mnuResults", QStringLiteral("Update Results"));
    mnuLoadRTLs = menuItem(mnuFile, "mnuLoadRTLs", QStringLiteral("Load Downloaded Results"));
    mnuFile->addSeparator();
    mnuConfigure = submenu(this, "mnuConfigure", QStringLiteral("Configure Game"));
    mnuFile->addMenu(mnuConfigure);
    mnuName1 = menuItem(mnuConfigure, "mnuName1", QStringLiteral("Game1"));
    mnuName2 = menuItem(mnuConfigure, "mnuName2", QStringLiteral("Game2"));
    mnuName3 = menuItem(mnuConfigure, "mnuName3", QStringLiteral("Game3"));
    mnuName4 = menuItem(mnuConfigure, "mnuName4", QStringLiteral("Game4"));
    mnuName5 = menuItem(mnuConfigure, "mnuName5", QStringLiteral("Game5"));
    mnuFile->addSeparator();
    mnuprinters = menuItem(mnuFile, "mnuprinters", QStringLiteral("Select Printer"));
    mnuTicketPrinting = menuItem(mnuFile, "mnuTicketPrinting", QStringLiteral("Print Playslips"));
    mnuFile->addSeparator();
    mnuDelete = menuItem(mnuFile, "mnuDelete", QStringLiteral("Entry File Deletion"));
    mnuFilter = menuItem(mnuFile, "mnuFilter", QStringLiteral("Filter Current Entry"));
    mnuImport = menuItem(mnuFile, "mnuImport", QStringLiteral("Import TXT Entry"));
    mnuFile->addSeparator();
    mnuExit = menuItem(mnuFile, "mnuExit", QStringLiteral("Exit"));
    menuBar->addMenu(mnuFile);

    mnuStand = submenu(this, "mnuStand", QStringLiteral("Standing Entry"));
    mnustandcreate = menuItem(mnuStand, "mnustandcreate", QStringLiteral("Save as Standing Entry"));
    mnuStandOpen = menuItem(mnuStand, "mnuStandOpen", QStringLiteral("Open Standing Entry"));
    menuBar->addMenu(mnuStand);

    mnuWheels = submenu(this, "mnuWheels", QStringLiteral("Wheels"));
    mnuWheelCreate = menuItem(mnuWheels, "mnuWheelCreate", QStringLiteral("Create"));
    mnuWheelOpen = submenu(this, "mnuWheelOpen", QStringLiteral("Open"));
    mnuWheels->addMenu(mnuWheelOpen);
    for (std::size_t i = 0; i < wheelMenuItems().size(); ++i) {
        const WheelMenuItem& w = wheelMenuItems()[i];
        mnuWheelItem[i] = mnuWheelOpen->addAction(w.caption);
        mnuWheelItem[i]->setObjectName(QStringLiteral("mnu%1%2%3").arg(w.k).arg(w.d).arg(w.m));
    }
    menuBar->addMenu(mnuWheels);

    mnuOpt = submenu(this, "mnuOpt", QStringLiteral("Optimized Entry"));
    mnuOptCreate = menuItem(mnuOpt, "mnuOptCreate", QStringLiteral("Create"));
    menuBar->addMenu(mnuOpt);

    mnupick3 = menuBar->addAction(QStringLiteral("Pick 3"));
    mnupick3->setObjectName(QStringLiteral("mnupick3"));
    mnupick4 = menuBar->addAction(QStringLiteral("Pick 4"));
    mnupick4->setObjectName(QStringLiteral("mnupick4"));

    mnuHelpMenu = submenu(this, "mnuHelpMenu", QStringLiteral("&Help"));
    mnuHelp = menuItem(mnuHelpMenu, "mnuHelp", QStringLiteral("Kestrova Help"));
    mnuUpgrade = menuItem(mnuHelpMenu, "mnuUpgrade", QStringLiteral("Check for Upgrade"));
    mnuHelpMenu->addSeparator();
    mnuAbout = menuItem(mnuHelpMenu, "mnuAbout", QStringLiteral("About Kestrova"));
    menuBar->addMenu(mnuHelpMenu);

    mnuExitMenu = menuBar->addAction(QStringLiteral("Exit"));
    mnuExitMenu->setObjectName(QStringLiteral("mnuExitMenu"));
}

void Form1::buildControls() {
    auto* root = new QVBoxLayout(this);
    root->setMenuBar(menuBar);

    // Game selection.
    Frame1 = named(new QGroupBox(QStringLiteral("Select Game Type and Draw Date"), this), "Frame1");
    auto* games = new QHBoxLayout(Frame1);
    const char* optionNames[5] = {"Option1", "Option2", "Option3", "Option4", "Option5"};
    std::array<QRadioButton**, 5> optionSlots = {&Option1, &Option2, &Option3, &Option4, &Option5};
    for (int i = 0; i < 5; ++i) {
        *optionSlots[i] =
            named(new QRadioButton(QStringLiteral("Game%1").arg(i + 1), Frame1), optionNames[i]);
        games->addWidget(*optionSlots[i]);
    }
    games->addStretch();
    root->addWidget(Frame1);

    // Draw date and the ball row.
    Frame3 = named(new QGroupBox(QStringLiteral("Draw Date"), this), "Frame3");
    auto* draw = new QGridLayout(Frame3);
    DTPicker1 = named(new platform::DTPicker(Frame3), "DTPicker1");
    Command1 = named(new QPushButton(QStringLiteral("Add Draw"), Frame3), "Command1");
    Command2 = named(new QPushButton(QStringLiteral("Delete Draw"), Frame3), "Command2");
    Image1 = named(new platform::ImageBox(Frame3), "Image1");
    Image1->setPixmap(historyPicture());
    Image1->setToolTip(QStringLiteral("History"));
    Image3 = named(new platform::ImageBox(Frame3), "Image3");
    Image3->setPixmap(statsPicture());
    Image3->setToolTip(QStringLiteral("Stats"));
    for (platform::ImageBox* picture : {Image1, Image3}) {
        picture->setAlignment(Qt::AlignCenter);
        picture->setFrameShape(QFrame::NoFrame);
        picture->setCursor(Qt::PointingHandCursor);
        picture->setMinimumSize(twipsToPixels(900), twipsToPixels(450));
    }
    ballArea = named(new QWidget(Frame3), "ballArea");
    ballArea->setFixedHeight(twipsToPixels(900));
    ballArea->setMinimumWidth(twipsToPixels(6700));
    Picture1 = named(new QFrame(ballArea), "Picture1");
    static_cast<QFrame*>(Picture1)->setFrameShape(QFrame::Panel);
    static_cast<QFrame*>(Picture1)->setFrameShadow(QFrame::Sunken);
    Picture1->setGeometry(twipsToPixels(1700), 0, twipsToPixels(5175), twipsToPixels(630));
    for (int i = 0; i < 7; ++i) {
        Image2[i] = new QLabel(Picture1);
        Image2[i]->setObjectName(QStringLiteral("Image2_%1").arg(i));
        Image2[i]->setGeometry(twipsToPixels(60 + 720 * i), twipsToPixels(45), 36, 36);
        Image2[i]->hide();
    }
    Label3 = named(new QLabel(ballArea), "Label3");
    Label3->setGeometry(twipsToPixels(6080), twipsToPixels(645), twipsToPixels(540),
                        twipsToPixels(240));
    Label3->setAlignment(Qt::AlignCenter);
    Label3->hide();
    draw->addWidget(DTPicker1, 0, 0);
    draw->addWidget(Command1, 0, 1);
    draw->addWidget(Command2, 0, 2);
    draw->addWidget(Image1, 0, 3, 2, 1);
    draw->addWidget(Image3, 0, 4, 2, 1);
    draw->addWidget(ballArea, 1, 0, 1, 3);
    draw->setColumnStretch(0, 1);
    root->addWidget(Frame3);

    // Entries and winning lines side by side.
    auto* lower = new QHBoxLayout;
    Frame5 = named(new QGroupBox(QStringLiteral("My Entries"), this), "Frame5");
    auto* entries = new QGridLayout(Frame5);
    DTPicker2 = named(new platform::DTPicker(Frame5), "DTPicker2");
    Command3 = named(new QPushButton(QStringLiteral("Dated Entry"), Frame5), "Command3");
    List1 = named(new QListWidget(Frame5), "List1");
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    List1->setFont(QFont(QStringLiteral("Courier New"), 10));
    // Every line is one line of one font: the list need not measure each of 32,767.
    List1->setUniformItemSizes(true);
    Text2 = countBox(Frame5, "Text2");
    Command4 = named(new QPushButton(QStringLiteral("Add"), Frame5), "Command4");
    Command6 = named(new QPushButton(QStringLiteral("Edit"), Frame5), "Command6");
    Command5 = named(new QPushButton(QStringLiteral("Delete"), Frame5), "Command5");
    Command9 = named(new QPushButton(QStringLiteral("Print"), Frame5), "Command9");
    Command14 = named(new QPushButton(QStringLiteral("Check"), Frame5), "Command14");
    Command12 = named(new QPushButton(QStringLiteral("History"), Frame5), "Command12");
    auto* entryDate = new QHBoxLayout;
    entryDate->addWidget(new QLabel(QStringLiteral("Entry Date:"), Frame5));
    entryDate->addWidget(DTPicker2, 1);
    entryDate->addWidget(Command3);
    entries->addLayout(entryDate, 0, 0, 1, 2);
    entries->addWidget(List1, 1, 0, 6, 1);
    auto* count = new QHBoxLayout;
    count->addWidget(new QLabel(QStringLiteral("Entries:"), Frame5));
    count->addWidget(Text2);
    count->addStretch();
    entries->addLayout(count, 7, 0);
    int row = 1;
    for (QPushButton* b : {Command4, Command6, Command5, Command9, Command14, Command12}) {
        entries->addWidget(b, row++, 1);
    }
    entries->setRowStretch(row, 1);
    lower->addWidget(Frame5, 3);

    Frame6 = named(new QGroupBox(QStringLiteral("Winning Lines"), this), "Frame6");
    auto* wins = new QGridLayout(Frame6);
    List2 = named(new QListWidget(Frame6), "List2");
    List2->setFont(QFont(QStringLiteral("Courier New"), 10));
    List2->setUniformItemSizes(true);
    List2->setSelectionMode(QAbstractItemView::NoSelection);
    Text3 = countBox(Frame6, "Text3");
    Command10 = named(new QPushButton(QStringLiteral("Print"), Frame6), "Command10");
    wins->addWidget(List2, 0, 0, 1, 3);
    wins->addWidget(new QLabel(QStringLiteral("Total Wins"), Frame6), 1, 0);
    wins->addWidget(Text3, 1, 1);
    wins->addWidget(Command10, 1, 2);
    lower->addWidget(Frame6, 2);
    root->addLayout(lower, 1);

    resize(twipsToPixels(11400), twipsToPixels(9000));
}

void Form1::connectHandlers() {
    connect(Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &Form1::Option3_Click);
    connect(Option4, &QRadioButton::clicked, this, &Form1::Option4_Click);
    connect(Option5, &QRadioButton::clicked, this, &Form1::Option5_Click);
    connect(DTPicker1, &platform::DTPicker::Change, this, &Form1::DTPicker1_Change);
    connect(DTPicker2, &platform::DTPicker::Change, this, &Form1::DTPicker2_Change);
    connect(Image1, &platform::ImageBox::clicked, this, &Form1::Image1_Click);
    connect(Image3, &platform::ImageBox::clicked, this, &Form1::Image3_Click);

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(Command12, &QPushButton::clicked, this, &Form1::Command12_Click);
    connect(Command14, &QPushButton::clicked, this, &Form1::Command14_Click);

    connect(mnuResults, &QAction::triggered, this, &Form1::mnuResults_Click);
    connect(mnuLoadRTLs, &QAction::triggered, this, &Form1::mnuLoadRTLs_Click);
    connect(mnuName1, &QAction::triggered, this, &Form1::mnuName1_Click);
    connect(mnuName2, &QAction::triggered, this, &Form1::mnuName2_Click);
    connect(mnuName3, &QAction::triggered, this, &Form1::mnuName3_Click);
    connect(mnuName4, &QAction::triggered, this, &Form1::mnuName4_Click);
    connect(mnuName5, &QAction::triggered, this, &Form1::mnuName5_Click);
    connect(mnuprinters, &QAction::triggered, this, &Form1::mnuprinters_Click);
    connect(mnuTicketPrinting, &QAction::triggered, this, &Form1::mnuTicketPrinting_Click);
    connect(mnuDelete, &QAction::triggered, this, &Form1::mnuDelete_Click);
    connect(mnuFilter, &QAction::triggered, this, &Form1::mnuFilter_Click);
    connect(mnuImport, &QAction::triggered, this, &Form1::mnuImport_Click);
    connect(mnuExit, &QAction::triggered, this, &Form1::mnuExit_Click);
    connect(mnustandcreate, &QAction::triggered, this, &Form1::mnustandcreate_Click);
    connect(mnuStandOpen, &QAction::triggered, this, &Form1::mnuStandOpen_Click);
    connect(mnuWheelCreate, &QAction::triggered, this, &Form1::mnuWheelCreate_Click);
    for (int i = 0; i < 24; ++i) {
        connect(mnuWheelItem[i], &QAction::triggered, this, [this, i] { mnuWheelItem_Click(i); });
    }
    connect(mnuOptCreate, &QAction::triggered, this, &Form1::mnuOptCreate_Click);
    connect(mnupick3, &QAction::triggered, this, &Form1::mnupick3_Click);
    connect(mnupick4, &QAction::triggered, this, &Form1::mnupick4_Click);
    connect(mnuHelp, &QAction::triggered, this, &Form1::mnuHelp_Click);
    connect(mnuUpgrade, &QAction::triggered, this, &Form1::mnuUpgrade_Click);
    connect(mnuAbout, &QAction::triggered, this, &Form1::mnuAbout_Click);
    connect(mnuExitMenu, &QAction::triggered, this, &Form1::mnuExitMenu_Click);
}

Form1& mainWindow() {
    return *platform::Windows::get<Form1>(Form1::kName);
}
