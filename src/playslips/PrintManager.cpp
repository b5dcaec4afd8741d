#include "playslips/PrintManager.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/module1routines.h"
#include "platform/messagebox.h"
#include "platform/twips.h"
#include "platform/windows.h"
#include "shared/module1.h"
#include "shared/safefile.h"

using platform::msgBox;
using platform::named;

PrintManager::PrintManager(QWidget* parent) : platform::Form(kName, parent) {
    // Opened by the main window's Print Playslips, which disables itself first.
    setOpener(windownames::Form1, platform::HandBack::EnableAndRaise);
    buildControls();
    connect(Command2, &QPushButton::clicked, this, &PrintManager::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &PrintManager::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &PrintManager::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &PrintManager::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &PrintManager::Command6_Click);
    connect(Command8, &QPushButton::clicked, this, &PrintManager::Command8_Click);
    connect(mnuEditConfig, &QAction::triggered, this, &PrintManager::mnuEditConfig_Click);
}

void PrintManager::buildControls() {
    menuBar = named(new QMenuBar(this), "menuBar");
    mnuEditConfig = menuBar->addAction(QStringLiteral("Edit Configuration"));
    mnuEditConfig->setObjectName(QStringLiteral("mnuEditConfig"));

    Frame2 =
        named(new QGroupBox(QStringLiteral("Download and Install Playslip Files"), this), "Frame2");
    List1 = named(new QListWidget(Frame2), "List1");
    List1->setMinimumHeight(platform::twipsToPixels(1400));
    Command8 = named(new QPushButton(QStringLiteral("Get Latest List"), Frame2), "Command8");
    Command6 = named(new QPushButton(QStringLiteral("Install"), Frame2), "Command6");
    auto* download = new QHBoxLayout(Frame2);
    download->addWidget(List1, 1);
    auto* downloadButtons = new QVBoxLayout;
    downloadButtons->addWidget(Command8);
    downloadButtons->addWidget(Command6);
    downloadButtons->addStretch();
    download->addLayout(downloadButtons);

    Frame1 = named(new QGroupBox(QStringLiteral("Global Adjustment for"), this), "Frame1");
    const auto box = [this](const char* labelName, const QString& caption, const char* name,
                            QLabel*& label, QLineEdit*& text) {
        label = named(new QLabel(caption, Frame1), labelName);
        text = named(new QLineEdit(QStringLiteral("0"), Frame1), name);
        text->setMaximumWidth(platform::twipsToPixels(1000));
        label->setBuddy(text);
    };
    box("Label1", QStringLiteral("&Up"), "Text1", Label1, Text1);
    box("Label2", QStringLiteral("&Down"), "Text2", Label2, Text2);
    box("Label3", QStringLiteral("&Left"), "Text3", Label3, Text3);
    box("Label4", QStringLiteral("&Right"), "Text4", Label4, Text4);
    Command5 = named(new QPushButton(QStringLiteral("Save Adjustments"), Frame1), "Command5");
    auto* grid = new QGridLayout(Frame1);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(Label2, 0, 2);
    grid->addWidget(Text2, 0, 3);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(Text3, 1, 1);
    grid->addWidget(Label4, 1, 2);
    grid->addWidget(Text4, 1, 3);
    grid->setColumnStretch(4, 1);
    grid->addWidget(Command5, 0, 5, 2, 1, Qt::AlignVCenter);

    Frame3 = named(new QGroupBox(QStringLiteral("Printing Options"), this), "Frame3");
    Option1 =
        named(new QRadioButton(QStringLiteral("Use Displayed Global Adjustment Settings"), Frame3),
              "Option1");
    Option2 =
        named(new QRadioButton(QStringLiteral("Use Saved Global Adjustment Settings"), Frame3),
              "Option2");
    Option3 = named(new QRadioButton(QStringLiteral("No Adjustment"), Frame3), "Option3");
    Option2->setChecked(true);
    Command2 = named(new QPushButton(QStringLiteral("Print Playslips"), Frame3), "Command2");
    Command3 = named(new QPushButton(QStringLiteral("Print Slip Layout"), Frame3), "Command3");
    auto* options = new QVBoxLayout(Frame3);
    options->addWidget(Option1);
    options->addWidget(Option2);
    options->addWidget(Option3);
    auto* printButtons = new QHBoxLayout;
    printButtons->addWidget(Command2);
    printButtons->addWidget(Command3);
    printButtons->addStretch();
    options->addLayout(printButtons);

    Command4 = named(new QPushButton(QStringLiteral("Close"), this), "Command4");
    Inet1 = new platform::Inet(this);
    Inet1->setObjectName(QStringLiteral("Inet1"));

    auto* root = new QVBoxLayout(this);
    root->setMenuBar(menuBar);
    root->addWidget(Frame2);
    root->addWidget(Frame1);
    root->addWidget(Frame3);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(Command4);
    root->addLayout(bottom);
}

QString PrintManager::adjustPath() const {
    return adjustmentsPath(m1().datapath, m1().configgamename);
}

AdjustBoxes PrintManager::boxes() const {
    return {Text1->text(), Text2->text(), Text3->text(), Text4->text()};
}

void PrintManager::Form_Load() {
    const QString game = m1().configgamename;
    setWindowTitle(QStringLiteral("Playslip Printing Manager for ") + game);
    Frame1->setTitle(QStringLiteral("Global Printing Adjustments for ") + game +
                     QStringLiteral(" - All Values in mm"));
    setprinterfont();
    const QString path = adjustPath();
    QString error;
    // A game's first opening leaves its (empty) adjustments file behind, as every later one
    // finds it.
    if (!QFile::exists(path) && !writeWholeFile(path, {}, &error)) {
        msgBox(QStringLiteral("The adjustments file of this game could not be created. ") + error);
    }
    adjustment_ = readAdjustments(path);
    const AdjustBoxes shown = adjustmentBoxes(adjustment_);
    Text1->setText(shown.up);
    Text2->setText(shown.down);
    Text3->setText(shown.left);
    Text4->setText(shown.right);
    if (!m1().printeravailable) {
        Command2->setEnabled(false);
        Command3->setEnabled(false);
        msgBox(QStringLiteral("Cannot find a printer"));
    }
}

void PrintManager::Command5_Click() {
    const TypedAdjustment typed = typedAdjustment(boxes());
    if (!typed.refusal.isEmpty()) {
        msgBox(typed.refusal);
        return;
    }
    QString error;
    if (!writeWholeFile(adjustPath(), adjustRecord(typed.mm), &error)) {
        msgBox(QStringLiteral("The adjustments were not saved. ") + error);
        return;
    }
    adjustment_ = typed.mm;
    msgBox(QStringLiteral("Saved"));
}

bool PrintManager::chooseAdjustment() {
    Module1& m = m1();
    AdjustTwips twips;
    if (Option2->isChecked()) {
        // As saved at this moment, whatever the boxes show.
        adjustment_ = readAdjustments(adjustPath());
        twips = toTwips(adjustment_);
    } else if (Option1->isChecked()) {
        const TypedAdjustment typed = typedAdjustment(boxes());
        if (!typed.refusal.isEmpty()) {
            msgBox(typed.refusal);
            return false;
        }
        twips = toTwips(typed.mm);
    }
    m.adjusthorizontal = twips.horizontal;
    m.adjustvertical = twips.vertical;
    return true;
}

void PrintManager::Command4_Click() {
    handBackAndUnload();
}

void PrintManager::closeBox() {
    Command4_Click();
}

void PrintManager::mnuEditConfig_Click() {
    setEnabled(false);
    platform::Windows::show(windownames::configure);
}
