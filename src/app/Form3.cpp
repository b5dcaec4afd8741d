#include "app/Form3.h"

#include <QKeyEvent>

#include "app/Form1.h"
#include "app/historyline.h"
#include "app/listprint.h"
#include "app/module1routines.h"
#include "platform/twips.h"
#include "platform/windows.h"
#include "shared/drawrecord.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"

using platform::twipsToPixels;

namespace {

// Widths in twips by the game's balls; the design size fits six main balls and an extra ball.
struct Layout {
    int list;
    int window;
    int closeLeft;
    int labelLeft;
};
constexpr Layout kDesign{5935, 6265, 2480, 1000};

Layout layoutFor(int main, int extra) {
    if (main == 6 && extra == 1) {
        return kDesign;
    }
    if (main == 7 || (main == 5 && extra == 1)) {
        return {5535, 5865, 2280, 960};
    }
    if ((main == 5 && extra == 0) || (main == 3 && extra == 1)) {
        return {4850, 5175, 2000, 620};
    }
    if ((main == 6 && extra == 0) || (main == 4 && extra == 1)) {
        return {5135, 5465, 2000, 620};
    }
    if (main == 4 && extra == 0) {
        return {4450, 4795, 1900, 420};
    }
    return kDesign;
}

constexpr int kMargin = 120;
constexpr int kLabelTop = 120;
constexpr int kListTop = 600;
constexpr int kListHeight = 4200;
constexpr int kButtonTop = kListTop + kListHeight + 120;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;
constexpr int kWindowHeight = kButtonTop + kButtonHeight + 120;

}  // namespace

Form3::Form3(QWidget* parent) : platform::Form(kName, parent) {
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(QFont(QStringLiteral("Courier New"), 10));
    // One line of one font each: the list need not measure every draw of a long history.
    List1->setUniformItemSizes(true);
    Label1 = new QLabel(
        QStringLiteral("Double-click entry to select result into main program area"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Command2 = new QPushButton(QStringLiteral("Print List"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = new QPushButton(QStringLiteral("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(List1, &QListWidget::itemDoubleClicked, this, &Form3::List1_DblClick);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    sizeToGame();
    setOpener(windownames::Form1);
    setDoneFlag(m1().historyopen, false);
}

void Form3::sizeToGame() {
    const Layout l = layoutFor(m1().ballsdrawn, m1().bonusdrawn);
    setFixedSize(twipsToPixels(l.window), twipsToPixels(kWindowHeight));
    Label1->setGeometry(twipsToPixels(l.labelLeft), twipsToPixels(kLabelTop),
                        twipsToPixels(l.window - l.labelLeft - kMargin), twipsToPixels(420));
    List1->setGeometry(twipsToPixels(kMargin), twipsToPixels(kListTop), twipsToPixels(l.list),
                       twipsToPixels(kListHeight));
    Command1->setGeometry(twipsToPixels(l.closeLeft), twipsToPixels(kButtonTop),
                          twipsToPixels(kButtonWidth), twipsToPixels(kButtonHeight));
    Command2->setGeometry(twipsToPixels(kMargin), twipsToPixels(kButtonTop),
                          twipsToPixels(kButtonWidth), twipsToPixels(kButtonHeight));
}

void Form3::Form_Load() {
    m1().historypicked = false;
    if (!m1().printeravailable) {
        Command2->setEnabled(false);
    }
    sizeToGame();
    const DrawImage history =
        readDrawImage(dataFile(m1().datapath, resultsFileName(m1().gamename)));
    const int n = history.count();
    QStringList lines;
    lines.reserve(n);
    for (int r = 1; r <= n; ++r) {
        lines << historyline(history.read(r), m1().dateorder, m1().extraballid, m1().gamename);
    }
    List1->addItems(lines);
}

void Form3::List1_DblClick() {
    const QListWidgetItem* line = List1->currentItem();
    if (line == nullptr) {
        return;
    }
    const QDate date = historyLineDate(line->text(), m1().dateorder);
    Form1* main = platform::Windows::live<Form1>(Form1::kName);
    if (!date.isValid() || main == nullptr) {
        return;
    }
    main->DTPicker1->setValue(date);
    m1().historypicked = true;
}

// The same printing as the main window's lists, failures reported the same way.
void Form3::Command2_Click() {
    printlist(*List1);
}

void Form3::keyPressEvent(QKeyEvent* event) {
    // The list passes Enter on; on a line it picks that draw, as a double-click does.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focusWidget() == List1) {
        List1_DblClick();
        return;
    }
    platform::Form::keyPressEvent(event);
}

void Form3::Command1_Click() {
    handBackAndUnload();
}

void Form3::closeBox() {
    Command1_Click();
}
