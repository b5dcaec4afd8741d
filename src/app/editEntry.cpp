#include "app/editEntry.h"

#include <algorithm>

#include "app/Form1.h"
#include "platform/buttonroom.h"
#include "platform/messagebox.h"
#include "platform/twips.h"
#include "platform/windows.h"
#include "shared/drawrecord.h"
#include "shared/entryvalidation.h"
#include "shared/module1.h"
#include "shared/textforms.h"

using platform::twipsToPixels;

namespace {

constexpr int kBoxTop = 360;
constexpr int kBoxWidth = 495;
constexpr int kRowHeight = 375;
constexpr int kButtonTop = 960;
constexpr int kButtonWidth = 855;
constexpr int kWindowHeight = 1560;

struct Layout {
    int width;
    int changeLeft;
    int cancelLeft;
    int labelLeft;
};

// By the number of boxes, 3 to 7; three boxes follow the same steps as the others.
Layout layoutFor(int boxes) {
    switch (boxes) {
        case 7:
            return {4395, 1200, 2280, 3840};
        case 6:
            return {3810, 960, 2040, 3240};
        case 5:
            return {3210, 600, 1680, 2640};
        case 4:
            return {2610, 360, 1320, 2040};
        default:
            return {2010, 120, 1080, 1440};
    }
}

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                   twipsToPixels(height));
}

// A button is placed as a box is, but never narrower than its caption needs: it widens about
// its centre, into the gap beside it.
void placeButton(QPushButton* b, int left, int top, int width, int height) {
    place(b, left, top, width, height);
    const QFontMetrics metrics = b->fontMetrics();
    const int wanted =
        metrics.size(Qt::TextShowMnemonic, b->text()).width() + 2 * platform::captionRoom(metrics);
    if (wanted > b->width()) {
        b->setGeometry(b->x() - (wanted - b->width()) / 2, b->y(), wanted, b->height());
    }
}

}  // namespace

editEntry::editEntry(QWidget* parent) : platform::Form(kName, parent) {
    setWindowTitle(QStringLiteral("Edit Entry"));
    for (int i = 0; i < 7; ++i) {
        Text1[i] = new QLineEdit(this);
        Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        Text1[i]->setMaxLength(2);
        Text1[i]->setAlignment(Qt::AlignCenter);
        place(Text1[i], 120 + 600 * i, kBoxTop, kBoxWidth, kRowHeight);
        Text1[i]->hide();
    }
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Command6 = new QPushButton(QStringLiteral("Change"), this);
    Command6->setObjectName(QStringLiteral("Command6"));
    Command5 = new QPushButton(QStringLiteral("Cancel"), this);
    Command5->setObjectName(QStringLiteral("Command5"));
    connect(Command6, &QPushButton::clicked, this, &editEntry::Command6_Click);
    connect(Command5, &QPushButton::clicked, this, &editEntry::Command5_Click);
    // Enter in a box changes and Escape cancels, as in any dialog.
    for (QLineEdit* box : Text1) {
        connect(box, &QLineEdit::returnPressed, this, &editEntry::Command6_Click);
    }
    setOpener(windownames::Form1);
}

void editEntry::Form_Load() {
    const int m = std::clamp<int>(m1().mainperentry, 0, 7);
    const bool withExtra = m1().bonusperentry == 1 && m < 7;
    const int boxes = m + (withExtra ? 1 : 0);

    Label1->setText(m1().extraballid);
    extrabox = 0;
    const Layout layout = layoutFor(boxes);
    setFixedSize(twipsToPixels(layout.width), twipsToPixels(kWindowHeight));
    for (int i = 0; i < boxes; ++i) {
        Text1[i]->show();
    }
    placeButton(Command6, layout.changeLeft, kButtonTop, kButtonWidth, kRowHeight);
    placeButton(Command5, layout.cancelLeft, kButtonTop, kButtonWidth, kRowHeight);
    if (withExtra) {
        place(Label1, layout.labelLeft, 120, kBoxWidth, 240);
        Label1->show();
        extrabox = static_cast<qint16>(boxes - 1);
    } else {
        Label1->hide();
    }

    if (boxes > 0) {
        Text1[0]->setFocus();
    }

    const DrawRecord r = DrawFile(m1().selectionfile).read(m1().editrecordno);
    for (int i = 0; i < m; ++i) {
        Text1[i]->setText(twoDigits(r.balls[i]));
    }
    if (withExtra) {
        QLineEdit* box = Text1[extrabox];
        if (m1().gamename == kWildCardGame) {
            box->setText(cardname(r.extra));
            QFont font = box->font();
            font.setPointSize(12);
            font.setBold(true);
            box->setFont(font);
        } else {
            box->setText(twoDigits(r.extra));
        }
    }
}

void editEntry::Command6_Click() {
    const int m = std::clamp<int>(m1().mainperentry, 0, 7);
    const bool withExtra = m1().bonusperentry == 1 && m < 7;
    std::array<QString, 7> boxes;
    std::ranges::transform(Text1, boxes.begin(), &QLineEdit::text);
    const EntryRules rules = entryRules(m1());
    if (const EntryFault fault = entryFault(boxes, rules, EntryWindow::Edit);
        fault != EntryFault::None) {
        platform::msgBox(entryFaultMessage(fault));
        return;
    }
    const TypedEntry e = typedEntry(boxes, rules);

    DrawFile file(m1().selectionfile);
    DrawRecord r = file.read(m1().editrecordno);
    std::copy_n(e.mains.begin(), 6, r.balls.begin());
    if (m == 7) {
        r.balls[6] = e.mains[6];
    }
    if (withExtra) {
        r.extra = e.extra;
    }
    if (!file.write(m1().editrecordno, r)) {
        platform::msgBox(QStringLiteral("The entry file could not be changed."));
        return;
    }

    if (Form1* main = platform::Windows::live<Form1>(Form1::kName)) {
        const int row = m1().editrecordno - 1;
        if (row >= 0 && row < main->List1->count()) {
            delete main->List1->takeItem(row);
            main->List1->insertItem(row,
                                    entryline(r.balls, r.extra, m1().extraballid, m1().gamename));
            main->List1->item(row)->setSelected(true);
        }
    }
    handBackAndUnload();
}

void editEntry::Command5_Click() {
    handBackAndUnload();
}

void editEntry::closeBox() {
    Command5_Click();
}
