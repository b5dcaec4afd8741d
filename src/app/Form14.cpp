#include "app/Form14.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/messagebox.h"
#include "shared/ansitext.h"
#include "shared/module1.h"
#include "shared/numbertext.h"

using platform::named;

namespace {

QLineEdit* numberBox(QWidget* parent, const char* name) {
    auto* box = named(new QLineEdit(parent), QString::fromLatin1(name));
    box->setMaxLength(2);
    box->setMaximumWidth(60);
    return box;
}

QString number(qint16 n) {
    return QString::number(n);
}

const char* const kLevelCaptions[15] = {
    "Match 7",         "Match 6 + Bonus", "Match 6",         "Match 5 + Bonus",  "Match 5",
    "Match 4 + Bonus", "Match 4",         "Match 3 + Bonus", "Match 3",          "Match 2 + Bonus",
    "Match 2",         "Match 1 + Bonus", "Match 1",         "Match Bonus Only", "Match Nothing"};
const char* const kDayCaptions[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};

}  // namespace

Form14::Form14(QWidget* parent) : platform::Form(kName, parent) {
    buildMenus();
    auto* root = new QVBoxLayout(this);
    root->setMenuBar(menuBar);
    buildDefinitionFrame();
    buildLevelsFrame();
    buildDaysFrame();
    buildPreferencesFrame();
    for (QGroupBox* frame : {Frame1, Frame4, Frame2, Frame6}) {
        root->addWidget(frame);
    }
    connectHandlers();
    setOpener(windownames::Form1);
    setDoneFlag(m1().dialogdone);
}

Form14::~Form14() = default;

void Form14::buildMenus() {
    menuBar = named(new QMenuBar(this), QStringLiteral("menuBar"));
    mnuGD = named(menuBar->addAction(QStringLiteral("Game Definition")), QStringLiteral("mnuGD"));
    mnuWC =
        named(menuBar->addAction(QStringLiteral("Winning Combinations")), QStringLiteral("mnuWC"));
    mnuDays = named(menuBar->addAction(QStringLiteral("Draw Days")), QStringLiteral("mnuDays"));
    mnuPreferences =
        named(menuBar->addAction(QStringLiteral("Preferences")), QStringLiteral("mnuPreferences"));
}

void Form14::buildDefinitionFrame() {
    Frame1 = named(new QGroupBox(QStringLiteral("Game Defintion"), this), QStringLiteral("Frame1"));
    auto* form = new QFormLayout(Frame1);
    Text1 = named(new QLineEdit(Frame1), QStringLiteral("Text1"));
    Text1->setMaxLength(12);
    Text2 = numberBox(Frame1, "Text2");
    Text3 = numberBox(Frame1, "Text3");
    Text4 = numberBox(Frame1, "Text4");
    // Made in the order they are shown, which is the order Tab takes through them.
    Frame3 = named(new QGroupBox(Frame1), QStringLiteral("Frame3"));
    auto* source = new QHBoxLayout(Frame3);
    Option1 = named(new QRadioButton(QStringLiteral("No"), Frame3), QStringLiteral("Option1"));
    Option2 = named(new QRadioButton(QStringLiteral("Yes"), Frame3), QStringLiteral("Option2"));
    Option3 = named(new QRadioButton(QStringLiteral("Bonus Not Used in Draw"), Frame3),
                    QStringLiteral("Option3"));
    for (QRadioButton* o : {Option1, Option2, Option3}) {
        source->addWidget(o);
    }
    Option3->setChecked(true);
    Text6 = numberBox(Frame1, "Text6");
    Text7 = numberBox(Frame1, "Text7");
    Text8 = numberBox(Frame1, "Text8");
    form->addRow(QStringLiteral("Game Name:"), Text1);
    form->addRow(QStringLiteral("Number of main balls in draw result"), Text2);
    form->addRow(QStringLiteral("Number of bonus balls in draw result"), Text3);
    form->addRow(QStringLiteral("Number of main balls in pool"), Text4);
    form->addRow(QStringLiteral("Bonus ball picked from main ball pool"), Frame3);
    form->addRow(QStringLiteral("Number of bonus balls in bonus ball pool"), Text6);
    form->addRow(QStringLiteral("Number of main balls picked for entry"), Text7);
    form->addRow(QStringLiteral("Number of bonus balls picked for entry"), Text8);
    Command2 = named(new QPushButton(QStringLiteral("Save Game Defintion"), Frame1),
                     QStringLiteral("Command2"));
    Command1 = named(new QPushButton(QStringLiteral("Exit"), Frame1), QStringLiteral("Command1"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    form->addRow(buttons);
}

void Form14::buildLevelsFrame() {
    Frame4 = named(
        new QGroupBox(
            QStringLiteral("Winning Cominations (Tick ONLY those that apply to this game.)"), this),
        QStringLiteral("Frame4"));
    auto* grid = new QGridLayout(Frame4);
    for (int i = 0; i < 15; ++i) {
        Check1[i] = named(new QCheckBox(QString::fromLatin1(kLevelCaptions[i]), Frame4),
                          QStringLiteral("Check1_%1").arg(i));
        grid->addWidget(Check1[i], i % 8, i / 8);
    }
    Command3 = named(new QPushButton(QStringLiteral("Save Wiinning Lines"), Frame4),
                     QStringLiteral("Command3"));
    Command4 = named(new QPushButton(QStringLiteral("Exit"), Frame4), QStringLiteral("Command4"));
    grid->addWidget(Command3, 8, 0);
    grid->addWidget(Command4, 8, 1);
}

void Form14::buildDaysFrame() {
    Frame2 = named(new QGroupBox(QStringLiteral("Click on Days that Draw is made"), this),
                   QStringLiteral("Frame2"));
    auto* column = new QVBoxLayout(Frame2);
    for (int i = 0; i < 7; ++i) {
        Check2[i] = named(new QCheckBox(QString::fromLatin1(kDayCaptions[i]), Frame2),
                          QStringLiteral("Check2_%1").arg(i));
        column->addWidget(Check2[i]);
    }
    Command6 = named(new QPushButton(QStringLiteral("Save Draw Days"), Frame2),
                     QStringLiteral("Command6"));
    Command5 = named(new QPushButton(QStringLiteral("Exit"), Frame2), QStringLiteral("Command5"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command6);
    buttons->addWidget(Command5);
    column->addLayout(buttons);
}

void Form14::buildPreferencesFrame() {
    Frame6 = named(new QGroupBox(this), QStringLiteral("Frame6"));
    auto* column = new QVBoxLayout(Frame6);
    Frame5 = named(new QGroupBox(QStringLiteral("Preferences Ball Color"), Frame6),
                   QStringLiteral("Frame5"));
    auto* colours = new QVBoxLayout(Frame5);
    Option4 = named(
        new QRadioButton(QStringLiteral("Red Main Ball (any Bonus/Extra Ball White)"), Frame5),
        QStringLiteral("Option4"));
    Option5 = named(
        new QRadioButton(QStringLiteral("White Main Ball (any Bonus/Extra Ball Red)"), Frame5),
        QStringLiteral("Option5"));
    colours->addWidget(Option4);
    colours->addWidget(Option5);
    Option5->setChecked(true);

    Frame7 = named(
        new QGroupBox(QStringLiteral("Preferences Extra/Bonus Ball Two-Character Display"), Frame6),
        QStringLiteral("Frame7"));
    auto* ids = new QGridLayout(Frame7);
    Option6 = named(new QRadioButton(QStringLiteral("EB = Extra Ball"), Frame7),
                    QStringLiteral("Option6"));
    Option7 = named(new QRadioButton(QStringLiteral("BB = Bonus Ball"), Frame7),
                    QStringLiteral("Option7"));
    Option9 = named(new QRadioButton(QStringLiteral("PB = Powerball Ball"), Frame7),
                    QStringLiteral("Option9"));
    Option8 = named(new QRadioButton(QStringLiteral("MB = Mega Ball"), Frame7),
                    QStringLiteral("Option8"));
    Option11 = named(new QRadioButton(QStringLiteral("Other Specify:"), Frame7),
                     QStringLiteral("Option11"));
    Option7->setChecked(true);
    Text5 = named(new QLineEdit(QStringLiteral("BB"), Frame7), QStringLiteral("Text5"));
    Text5->setMaxLength(2);
    Text5->setMaximumWidth(40);
    Label9 = named(new QLabel(QStringLiteral("="), Frame7), QStringLiteral("Label9"));
    Text9 = named(new QLineEdit(QStringLiteral("Bonus Ball"), Frame7), QStringLiteral("Text9"));
    Text9->setMaxLength(10);
    int row = 0;
    for (QRadioButton* o : {Option6, Option7, Option9, Option8}) {
        ids->addWidget(o, row++, 0, 1, 4);
    }
    ids->addWidget(Option11, row, 0);
    ids->addWidget(Text5, row, 1);
    ids->addWidget(Label9, row, 2);
    ids->addWidget(Text9, row, 3);

    Command7 = named(new QPushButton(QStringLiteral("Save Preferences"), Frame6),
                     QStringLiteral("Command7"));
    Command8 = named(new QPushButton(QStringLiteral("Exit"), Frame6), QStringLiteral("Command8"));
    column->addWidget(Frame5);
    column->addWidget(Frame7);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command7);
    buttons->addWidget(Command8);
    column->addLayout(buttons);
}

void Form14::connectHandlers() {
    connect(mnuGD, &QAction::triggered, this, &Form14::mnuGD_Click);
    connect(mnuWC, &QAction::triggered, this, &Form14::mnuWC_Click);
    connect(mnuDays, &QAction::triggered, this, &Form14::mnuDays_Click);
    connect(mnuPreferences, &QAction::triggered, this, &Form14::mnuPreferences_Click);
    connect(Command1, &QPushButton::clicked, this, &Form14::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form14::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form14::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form14::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form14::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form14::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form14::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form14::Command8_Click);
    // Only the player's clicks count: setting the boxes while loading raises no clicked.
    for (QCheckBox* box : Check1) {
        connect(box, &QCheckBox::clicked, this, &Form14::Check1_Click);
    }
}

void Form14::Form_Load() {
    showFrame(Frame1);
    definition_ = std::make_unique<GameDefinition>(m1().datapath, m1().gamefile);
    const GameRecord& r = definition_->loaded();
    // A never-written name holds zero bytes, which are no part of a name.
    Text1->setText(trimBlanks(QString(r.name).remove(QChar(u'\0'))));
    Text2->setText(number(r.ballsdrawn));
    Text3->setText(number(r.bonusdrawn));
    Text4->setText(number(r.mainpool));
    std::array<QRadioButton*, 3> sources = {Option1, Option2, Option3};
    if (r.bonusfrommain >= 0 && r.bonusfrommain <= 2) {
        sources[static_cast<std::size_t>(r.bonusfrommain)]->setChecked(true);
    }
    Text6->setText(number(r.bonuspool));
    Text7->setText(number(r.mainperentry));
    Text8->setText(number(r.bonusperentry));
    for (int k = 1; k <= 15; ++k) {
        Check1[k - 1]->setChecked(r.prizelevels[k] == 1);
    }
    for (int k = 1; k <= 7; ++k) {
        Check2[k - 1]->setChecked(r.drawdays[k] == k);
    }
    if (r.ballcolour == 1) {
        Option4->setChecked(true);
    }
    // The id belongs to the extra ball of the draw, the same count that shows its frame.
    if (r.bonusdrawn > 0) {
        const QString id = r.extraballid;
        if (id == u"EB") {
            Option6->setChecked(true);
        } else if (id == u"BB") {
            Option7->setChecked(true);
        } else if (id == u"PB") {
            Option9->setChecked(true);
        } else if (id == u"MB") {
            Option8->setChecked(true);
        }
        const QString name = r.extraballname;
        if (!name.isEmpty() && name.front() != u'\0' && name.front() != u' ') {
            Text9->setText(trimBlanks(name));
            Text5->setText(id);
            Option11->setChecked(true);
        }
    }
    levelschanged_ = false;
}

bool Form14::existinggame() const {
    return definition_ && definition_->existinggame();
}

QString Form14::oldgamename() const {
    return definition_ ? definition_->oldgamename() : QString();
}

void Form14::showFrame(QGroupBox* frame) {
    for (QGroupBox* f : {Frame1, Frame4, Frame2, Frame6}) {
        f->setVisible(f == frame);
    }
}

void Form14::mnuGD_Click() {
    showFrame(Frame1);
}
void Form14::mnuWC_Click() {
    showFrame(Frame4);
}
void Form14::mnuDays_Click() {
    showFrame(Frame2);
}

void Form14::mnuPreferences_Click() {
    Frame7->setVisible(leadingNumber(Text3->text()) > 0);
    showFrame(Frame6);
}

void Form14::Check1_Click() {
    levelschanged_ = true;
}

GameDefinitionInput Form14::definitionInput() const {
    GameDefinitionInput in;
    in.name = Text1->text();
    in.ballsdrawn = Text2->text();
    in.bonusdrawn = Text3->text();
    in.mainpool = Text4->text();
    in.bonuspool = Text6->text();
    in.mainperentry = Text7->text();
    in.bonusperentry = Text8->text();
    in.source = Option1->isChecked()   ? BonusSource::OwnPool
                : Option2->isChecked() ? BonusSource::MainPool
                                       : BonusSource::NotUsed;
    return in;
}

PreferencesInput Form14::preferencesInput() const {
    PreferencesInput in;
    in.redMainBalls = Option4->isChecked();
    in.id = Option6->isChecked()    ? ExtraBallId::EB
            : Option9->isChecked()  ? ExtraBallId::PB
            : Option8->isChecked()  ? ExtraBallId::MB
            : Option11->isChecked() ? ExtraBallId::Other
                                    : ExtraBallId::BB;
    in.otherId = Text5->text();
    in.otherName = Text9->text();
    return in;
}

void Form14::Command2_Click() {
    if (definition_->saveDefinition(definitionInput(), preferencesInput())) {
        // The window stays open; the launcher's wait ends here.
        m1().dialogdone = true;
    }
}

void Form14::savedMessage() {
    platform::msgBox(levelschanged_
                         ? QStringLiteral("You will need to close and restart the lottery program "
                                          "for these changes to take effect")
                         : QStringLiteral("Done"));
}

void Form14::Command3_Click() {
    std::array<bool, 15> levels{};
    for (int i = 0; i < 15; ++i) {
        levels[i] = Check1[i]->isChecked();
    }
    if (definition_->saveLevels(levels)) {
        savedMessage();
    }
}

void Form14::Command6_Click() {
    std::array<bool, 7> days{};
    for (int i = 0; i < 7; ++i) {
        days[i] = Check2[i]->isChecked();
    }
    if (definition_->saveDays(days)) {
        savedMessage();
    }
}

void Form14::Command7_Click() {
    definition_->savePreferences(preferencesInput());
}

// The Exit of the definition frame leaves the main window behind; the other Exits bring it up.
void Form14::Command1_Click() {
    handBackAndUnload(platform::HandBack::EnableOnly);
}
void Form14::Command4_Click() {
    handBackAndUnload();
}
void Form14::Command5_Click() {
    handBackAndUnload();
}
void Form14::Command8_Click() {
    handBackAndUnload();
}
