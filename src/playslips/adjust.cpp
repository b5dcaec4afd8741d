#include "playslips/adjust.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/twips.h"
#include "platform/windows.h"
#include "playslips/configure.h"
#include "playslips/logic/boardadjust.h"
#include "shared/module1.h"

using platform::named;
using platform::twipsToPixels;

namespace {

// One frame: the two directions and the distance in millimetres.
QGroupBox* shiftFrame(QWidget* parent, const char* name, const QString& caption,
                      QRadioButton* first, QRadioButton* second, QLineEdit* box, QLabel* unit) {
    auto* frame = named(new QGroupBox(caption, parent), name);
    auto* layout = new QGridLayout(frame);
    layout->addWidget(first, 0, 0);
    layout->addWidget(second, 1, 0);
    auto* distance = new QHBoxLayout;
    box->setFixedWidth(twipsToPixels(900));
    box->setAlignment(Qt::AlignRight);
    distance->addWidget(box);
    distance->addWidget(unit);
    distance->addStretch();
    layout->addLayout(distance, 0, 1, 2, 1, Qt::AlignVCenter);
    layout->setColumnStretch(1, 1);
    return frame;
}

}  // namespace

adjust::adjust(QWidget* parent) : platform::Form(kName, parent) {
    setWindowTitle(QStringLiteral("Board Adjustment"));
    setOpener(windownames::configure, platform::HandBack::EnableAndRaise);
    setDoneFlag(m1().adjustdone);

    Option1 = named(new QRadioButton(QStringLiteral("Up"), this), "Option1");
    Option2 = named(new QRadioButton(QStringLiteral("Down"), this), "Option2");
    Text1 = named(new QLineEdit(this), "Text1");
    Label1 = named(new QLabel(QStringLiteral("mm"), this), "Label1");
    Frame1 = shiftFrame(this, "Frame1", QStringLiteral("Up/Down"), Option1, Option2, Text1, Label1);
    Option4 = named(new QRadioButton(QStringLiteral("Left"), this), "Option4");
    Option3 = named(new QRadioButton(QStringLiteral("Right"), this), "Option3");
    Text2 = named(new QLineEdit(this), "Text2");
    Label2 = named(new QLabel(QStringLiteral("mm"), this), "Label2");
    Frame2 =
        shiftFrame(this, "Frame2", QStringLiteral("Left/Right"), Option4, Option3, Text2, Label2);
    Option1->setChecked(true);
    Option4->setChecked(true);
    Command1 = named(new QPushButton(QStringLiteral("Adjust"), this), "Command1");
    Command2 = named(new QPushButton(QStringLiteral("Close"), this), "Command2");
    Command1->setDefault(true);

    auto* root = new QVBoxLayout(this);
    auto* frames = new QHBoxLayout;
    frames->addWidget(Frame1);
    frames->addWidget(Frame2);
    root->addLayout(frames);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    root->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(twipsToPixels(5400), 0)));

    connect(Command1, &QPushButton::clicked, this, &adjust::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &adjust::Command2_Click);
    // Enter in a box adjusts, as the default button does.
    connect(Text1, &QLineEdit::returnPressed, this, &adjust::Command1_Click);
    connect(Text2, &QLineEdit::returnPressed, this, &adjust::Command1_Click);
}

void adjust::Command1_Click() {
    auto* settings = platform::Windows::live<configure>(configure::kName);
    if (settings == nullptr) {
        return;
    }
    const auto writes = adjustBoxes(
        settings->boxTexts(), Option2->isChecked() ? Vertical::Down : Vertical::Up, Text1->text(),
        Option3->isChecked() ? Horizontal::Right : Horizontal::Left, Text2->text());
    for (const auto& [box, text] : writes) {
        settings->Text1[static_cast<std::size_t>(box)]->setText(text);
    }
}

void adjust::Command2_Click() {
    handBackAndUnload();
}

void adjust::closeBox() {
    Command2_Click();
}
