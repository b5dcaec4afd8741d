#include "wheels/WheelForm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/windownames.h"
#include "platform/clock.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "wheels/logic/wheelgroup.h"
#include "wheels/logic/wheelranking.h"
#include "wheels/wheelwindows.h"

namespace {

const wheels::WheelVariant& variantOf(int k) {
    const wheels::WheelVariant* v = wheels::wheelVariant(k);
    return v != nullptr ? *v : wheels::wheelVariants().front();
}

constexpr const char* kExtraCaptions[3] = {"Spread", "Random", "Optimized"};
constexpr int kBoxesPerRow = 12;

}  // namespace

WheelForm::WheelForm(int k, QWidget* parent)
    : platform::Form(wheelWindowName(variantOf(k).k), parent), variant_(variantOf(k)) {
    buildControls();
    setOpener(windownames::Form1);
}

void WheelForm::buildControls() {
    auto* layout = new QVBoxLayout(this);

    // Guarantee options in columns by the count drawn, each under its heading.
    auto* guaranteeFrame = new QGroupBox(this);
    auto* guarantees = new QGridLayout(guaranteeFrame);
    guarantees->setHorizontalSpacing(24);
    auto* optionGroup = new QButtonGroup(this);
    const std::vector<wheels::GuaranteeColumn> columns = wheels::guaranteeColumns(k());
    Option.resize(wheeldesign::wheelTypesOf(k()).size());
    for (std::size_t c = 0; c < columns.size(); ++c) {
        auto* heading = platform::named(new QLabel(columns[c].heading, guaranteeFrame),
                                        QStringLiteral("Label%1").arg(c + 1));
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        headings.push_back(heading);
        guarantees->addWidget(heading, 0, static_cast<int>(c));
        int row = 1;
        for (const wheeldesign::WheelType* type : columns[c].types) {
            auto* option = platform::named(
                new QRadioButton(QString::fromStdString(type->caption()), guaranteeFrame),
                QStringLiteral("Option%1").arg(type->type));
            optionGroup->addButton(option);
            Option[static_cast<std::size_t>(type->type - 1)] = option;
            guarantees->addWidget(option, row++, static_cast<int>(c));
            const int number = type->type;
            connect(option, &QRadioButton::clicked, this, [this, number] { Option_Click(number); });
        }
    }
    guarantees->setRowStretch(guarantees->rowCount(), 1);
    guarantees->setColumnStretch(guarantees->columnCount(), 1);
    layout->addWidget(guaranteeFrame);

    Label7 = platform::named(
        new QLabel(QStringLiteral("All guarantees are minimum. The actual number of "
                                  "matches may be greater."),
                   this),
        QStringLiteral("Label7"));
    layout->addWidget(Label7);

    auto* size = new QHBoxLayout;
    Label6 =
        platform::named(new QLabel(QStringLiteral("No of Balls"), this), QStringLiteral("Label6"));
    Combo1 = platform::named(new QComboBox(this), QStringLiteral("Combo1"));
    Combo1->setMinimumContentsLength(3);
    Label6->setBuddy(Combo1);
    Label5 = platform::named(new QLabel(QStringLiteral("Entries Required"), this),
                             QStringLiteral("Label5"));
    // E comes from the wheel table; the player cannot change it.
    Text25 = platform::named(new QLineEdit(this), QStringLiteral("Text25"));
    Text25->setReadOnly(true);
    Text25->setFocusPolicy(Qt::NoFocus);
    Text25->setMaximumWidth(70);
    Text25->setAlignment(Qt::AlignRight);
    size->addWidget(Label6);
    size->addWidget(Combo1);
    size->addSpacing(24);
    size->addWidget(Label5);
    size->addWidget(Text25);
    size->addStretch(1);
    layout->addLayout(size);

    Frame1 = platform::named(
        new QGroupBox(QStringLiteral("Select Group of Balls To Use for the Selected Wheel"), this),
        QStringLiteral("Frame1"));
    auto* group = new QVBoxLayout(Frame1);
    Label8 =
        platform::named(new QLabel(QStringLiteral("All suggested entries are based on numbers most "
                                                  "frequently drawn (using draw history). You may "
                                                  "change any or all of the suggested numbers."),
                                   Frame1),
                        QStringLiteral("Label8"));
    Label8->setWordWrap(true);
    group->addWidget(Label8);
    auto* boxes = new QGridLayout;
    for (int i = 0; i < wheels::kBoxes; ++i) {
        auto* box = platform::named(new QLineEdit(Frame1), QStringLiteral("Text1_%1").arg(i));
        box->setMaxLength(2);
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(40);
        // Hidden boxes keep their place, so the group does not jump about as n changes.
        QSizePolicy policy = box->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        box->setSizePolicy(policy);
        Text1[static_cast<std::size_t>(i)] = box;
        boxes->addWidget(box, i / kBoxesPerRow, i % kBoxesPerRow);
    }
    boxes->setColumnStretch(kBoxesPerRow, 1);
    group->addLayout(boxes);
    layout->addWidget(Frame1);

    auto* bottom = new QHBoxLayout;
    if (variant_.hasBonusFrame) {
        Frame2 = platform::named(new QGroupBox(this), QStringLiteral("Frame2"));
        auto* extras = new QHBoxLayout(Frame2);
        auto* extraGroup = new QButtonGroup(this);
        for (std::size_t i = 0; i < 3; ++i) {
            auto* option =
                platform::named(new QRadioButton(QString::fromLatin1(kExtraCaptions[i]), Frame2),
                                variant_.extraOptions[i]);
            extraGroup->addButton(option);
            extras->addWidget(option);
            extraOptions[i] = option;
        }
        bottom->addWidget(Frame2);
    }
    bottom->addStretch(1);
    auto* buttons = new QHBoxLayout;
    Command3 = platform::named(new QPushButton(QStringLiteral("Save Wheel"), this),
                               QStringLiteral("Command3"));
    Command2 = platform::named(new QPushButton(QStringLiteral("Print Cover"), this),
                               QStringLiteral("Command2"));
    Command1 =
        platform::named(new QPushButton(QStringLiteral("Close"), this), QStringLiteral("Command1"));
    for (QPushButton* b : {Command3, Command2, Command1}) {
        b->setMinimumWidth(100);
        buttons->addWidget(b);
    }
    bottom->addLayout(buttons);
    layout->addLayout(bottom);

    connect(Combo1, &QComboBox::activated, this, &WheelForm::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &WheelForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &WheelForm::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &WheelForm::Command3_Click);
    setWindowTitle(QStringLiteral("%1 Wheel").arg(k()));
}

void WheelForm::Form_Load() {
    const Module1& m = m1();
    if (!m.printeravailable) {
        Command2->setEnabled(false);
    }
    setWindowTitle(QStringLiteral("%1 Wheel for %2").arg(k()).arg(m.gamename));
    if (Frame2 != nullptr) {
        // The extra-ball option that Optimized names is the last of the three.
        QRadioButton* optimized = extraOptions[2];
        if (m.bonuspool < 1) {
            Frame2->setEnabled(false);
            Frame2->setTitle(QStringLiteral("Not Used"));
            for (QRadioButton* option : extraOptions) {
                option->setEnabled(false);
            }
            if (variant_.optimizedWhenUnused) {
                optimized->setChecked(true);
            }
        } else {
            Frame2->setTitle(m.extraballname.trimmed());
            optimized->setChecked(true);
        }
    }
    Option[0]->setChecked(true);
    Option_Click(1);
    m1().resultsfile = dataFile(m.datapath, m.wheelresultsfile);
    const std::vector<qint16> ranked = wheels::rankResultsFile(m.resultsfile, k());
    if (ranked.size() < static_cast<std::size_t>(wheels::kBoxes)) {
        platform::randomize(static_cast<quint32>(platform::now().time().msecsSinceStartOfDay()));
    }
    suggestedballs = wheels::topUpSuggestions(ranked, m.wheelpoolsize, platform::rnd);
    Combo1_Change();
}

void WheelForm::Option_Click(int type) {
    setupwheeldata(type);
}

void WheelForm::clearsuggestedentries() {
    for (QLineEdit* box : Text1) {
        box->clear();
    }
}

void WheelForm::setupwheeldata(int type) {
    clearsuggestedentries();
    const wheeldesign::WheelType* t = wheeldesign::findWheelType(k(), type);
    if (t == nullptr) {
        return;
    }
    wheeltype = type;
    Combo1->clear();
    Combo1->addItems(wheels::groupSizeItems(*t));
    // Run once with no size chosen, as the list's own change does, then for the first size.
    Combo1->setCurrentIndex(-1);
    Combo1_Change();
    Combo1->setCurrentIndex(0);
    Combo1_Click();
}

void WheelForm::Combo1_Click() {
    Combo1_Change();
}

void WheelForm::Combo1_Change() {
    wheels::GroupBoxes group;
    group.numballs = numballs;
    group.entries = Text25->text();
    group.visible = visibleBoxes_;
    const QString item = Combo1->currentIndex() >= 0 ? Combo1->currentText() : QString();
    wheels::chooseGroupSize(group, k(), wheeltype, item, suggestedballs);
    numballs = group.numballs;
    visibleBoxes_ = group.visible;
    Text25->setText(group.entries);
    for (int i = 0; i < wheels::kBoxes; ++i) {
        QLineEdit* box = Text1[static_cast<std::size_t>(i)];
        box->setHidden(i >= group.visible);
        box->setText(group.texts[static_cast<std::size_t>(i)]);
    }
}

wheels::ExtraRule WheelForm::extraRule() const {
    const Module1& m = m1();
    if (Frame2 == nullptr || m.wheelbonusmode != 1 || m.bonuspool < 1) {
        return wheels::ExtraRule::None;
    }
    // Tested in the order Random, Optimized, Spread.
    if (extraOptions[1]->isChecked()) {
        return wheels::ExtraRule::Random;
    }
    if (extraOptions[2]->isChecked()) {
        return wheels::ExtraRule::Optimized;
    }
    if (extraOptions[0]->isChecked()) {
        return wheels::ExtraRule::Spread;
    }
    return wheels::ExtraRule::None;
}

void WheelForm::Command1_Click() {
    handBackAndUnload();
}

void WheelForm::closeBox() {
    Command1_Click();
}
