#include "app/Form2.h"

#include <algorithm>

#include "app/Form1.h"
#include "app/module1routines.h"
#include "platform/messagebox.h"
#include "platform/twips.h"
#include "shared/ansitext.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/numbertext.h"
#include "shared/recordfile.h"
#include "shared/resultshistory.h"
#include "shared/safefile.h"
#include "shared/textforms.h"

using platform::twipsToPixels;

namespace {

QLineEdit* ballBox(QWidget* parent, int k) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QStringLiteral("Text%1").arg(k));
    box->setAlignment(Qt::AlignCenter);
    box->setMaxLength(5);
    box->setGeometry(twipsToPixels(240 + 600 * (k - 1)), twipsToPixels(600), twipsToPixels(495),
                     twipsToPixels(375));
    return box;
}

// The numbers typed, element k = main ball k (1..7), element 8 the extra ball.
using Typed = std::array<qint16, 9>;

QString firstFailure(const Typed& n) {
    const Module1& m = m1();
    for (int k = 1; k <= m.ballsdrawn; ++k) {
        if (n[k] < 1 || n[k] > m.mainpool) {
            return QStringLiteral("One or more of your main numbers is not in the correct range");
        }
    }
    // A game that draws no extra ball has nothing to test there, whatever its pool setting.
    const bool extra = m.bonusdrawn == 1;
    if (extra && ((m.bonusfrommain == 1 && (n[8] < 1 || n[8] > m.mainpool)) ||
                  (m.bonusfrommain == 0 && (n[8] < 1 || n[8] > m.bonuspool)))) {
        return QStringLiteral("Your extra number is not in the correct range");
    }
    for (int a = 1; a <= m.ballsdrawn; ++a) {
        for (int b = a + 1; b <= m.ballsdrawn; ++b) {
            if (n[a] == n[b]) {
                return QStringLiteral("You have duplicate main numbers");
            }
        }
    }
    if (extra && m.bonusfrommain == 1) {
        for (int k = 1; k <= m.ballsdrawn; ++k) {
            if (n[k] == n[8]) {
                return QStringLiteral(
                    "Your extra ball has already been drawn as a main ball number!");
            }
        }
    }
    return {};
}

}  // namespace

Form2::Form2(QWidget* parent) : platform::Form(kName, parent) {
    setWindowTitle(QStringLiteral("Add Result"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(twipsToPixels(120), twipsToPixels(105), twipsToPixels(4170),
                        twipsToPixels(255));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setGeometry(twipsToPixels(3840), twipsToPixels(360), twipsToPixels(495),
                        twipsToPixels(240));
    Text1 = ballBox(this, 1);
    Text2 = ballBox(this, 2);
    Text3 = ballBox(this, 3);
    Text4 = ballBox(this, 4);
    Text5 = ballBox(this, 5);
    Text6 = ballBox(this, 6);
    Text7 = ballBox(this, 7);
    Command1 = new QPushButton(QStringLiteral("Add"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command1->setGeometry(twipsToPixels(1200), twipsToPixels(1140), twipsToPixels(810),
                          twipsToPixels(375));
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(twipsToPixels(2400), twipsToPixels(1140), twipsToPixels(810),
                          twipsToPixels(375));
    setFixedSize(twipsToPixels(4410), twipsToPixels(1680));
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    // A plain window has no default button of its own: Enter in a box adds, Escape cancels.
    for (QLineEdit* box : texts()) {
        connect(box, &QLineEdit::returnPressed, this, &Form2::Command1_Click);
    }
    setOpener(windownames::Form1);
}

void Form2::Form_Load() {
    Label2->setText(m1().extraballid);
    const QDate date = mainWindow().DTPicker1->Value();
    const QString d = QString::number(date.day());
    const QString mo = QString::number(date.month());
    const QString y = QString::number(date.year());
    QString shown = d + u'/' + mo + u'/' + y;
    if (m1().dateorder == u"MMDDYY") {
        shown = mo + u'/' + d + u'/' + y;
    } else if (m1().dateorder == u"YYMMDD") {
        shown = y + u'/' + mo + u'/' + d;
    }
    Label1->setText(m1().gamename + u' ' + shown);
}

QString Form2::getstringdate(qint16 year, qint16 month, qint16 day) {
    return QString::number(datekey(year, month, day));
}

void Form2::Command1_Click() {
    const Module1& m = m1();
    const auto boxes = texts();
    Typed n{};
    const int balls = std::clamp<int>(m.ballsdrawn, 0, 7);
    for (int k = 1; k <= balls; ++k) {
        n[k] = textToInteger(boxes[k - 1]->text());
    }
    if (m.bonusdrawn == 1 && balls >= 3 && balls <= 6) {
        if (m.gamename == kWildCardGame) {
            QString code = trimBlanks(Text6->text());
            n[8] = static_cast<qint16>(cardnumber(code));
        } else {
            n[8] = textToInteger(boxes[balls]->text());
        }
    }
    if (const QString failure = firstFailure(n); !failure.isEmpty()) {
        platform::msgBox(failure);
        return;
    }
    std::sort(n.begin() + 1, n.begin() + 1 + balls);

    Form1& main = mainWindow();
    const QString path = dataFile(m.datapath, resultsFileName(m.gamename));
    QString error;
    std::optional<ResultsHistory> history = ResultsHistory::read(path, &error);
    if (!history) {
        platform::msgBox(QStringLiteral("The draw could not be saved. %1").arg(error).trimmed());
        return;
    }
    // A damaged history is left as it is: saving would overwrite its first draw or count
    // records the file does not hold.
    if (history->damaged()) {
        platform::msgBox(
            QStringLiteral("The draw could not be saved. The results history is damaged."));
        return;
    }
    if (history->count() >= kMaxRecordCount) {
        platform::msgBox(recordLimitMessage());
        return;
    }
    DrawRecord draw;
    std::copy(n.begin() + 1, n.begin() + 8, draw.balls.begin());
    draw.extra = n[8];
    draw.day = static_cast<qint16>(main.DTPicker1->Day());
    draw.month = static_cast<qint16>(main.DTPicker1->Month());
    draw.year = static_cast<qint16>(main.DTPicker1->Year());
    history->insert(draw);
    if (!writeWholeFile(path, history->bytes(), &error)) {
        platform::msgBox(QStringLiteral("The draw could not be saved. %1").arg(error).trimmed());
        return;
    }
    for (int position = 0; position < 7; ++position) {
        showball(main, position, draw.balls[position]);
    }
    showball(main, 7, draw.extra);
    handBackAndUnload();
}

void Form2::Command2_Click() {
    handBackAndUnload();
}

// The close box and Escape abandon the entry like Cancel.
void Form2::closeBox() {
    Command2_Click();
}
