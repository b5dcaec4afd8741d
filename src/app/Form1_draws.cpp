// The draw of the picked date: looking it up, showing its balls, deleting it, adding one.
#include "app/Form1.h"
#include "app/Form2.h"
#include "app/ballpictures.h"
#include "app/module1routines.h"
#include "platform/messagebox.h"
#include "platform/systemlocale.h"
#include "platform/twips.h"
#include "platform/windows.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/resultshistory.h"
#include "shared/safefile.h"
#include "shared/textforms.h"

using platform::twipsToPixels;

namespace {

QString resultsPath() {
    return dataFile(m1().datapath, resultsFileName(m1().gamename));
}

void hideBalls(Form1& form) {
    for (QLabel* ball : form.Image2) {
        ball->hide();
    }
}

// The first draw of the picker's date in the current game's history, 0 when there is none.
int lookUp(const Form1& form, ResultsHistory* history = nullptr) {
    if (m1().gamename.isEmpty()) {
        return 0;  // no game loaded: there is no history to open
    }
    const QString path = resultsPath();
    m1().resultsfile = path;
    std::optional<ResultsHistory> read = ResultsHistory::read(path);
    if (!read) {
        return 0;
    }
    const int r =
        read->find(form.DTPicker1->Day(), form.DTPicker1->Month(), form.DTPicker1->Year());
    if (history != nullptr) {
        *history = std::move(*read);
    }
    return r;
}

// Form2's boxes, window width and button positions by the number of balls drawn, in twips.
struct Form2Size {
    int balls;
    int width;
    int addLeft;
    int cancelLeft;
    int label2Left;
};
constexpr Form2Size kForm2Sizes[] = {
    {4, 2655, 480, 1320, 2040},
    {5, 3210, 840, 1680, 2640},
    {6, 3825, 1080, 1920, 3240},
    {7, 4410, 1200, 2400, 3840},
};

void sizeForm2(Form2& form2, int balls, bool extra) {
    for (const Form2Size& s : kForm2Sizes) {
        if (s.balls != balls) {
            continue;
        }
        const auto boxes = form2.texts();
        for (int k = 0; k < 7; ++k) {
            boxes[k]->setVisible(k < balls);
        }
        form2.setFixedWidth(twipsToPixels(s.width));
        form2.Command1->move(twipsToPixels(s.addLeft), form2.Command1->y());
        form2.Command2->move(twipsToPixels(s.cancelLeft), form2.Command2->y());
        form2.Label2->move(twipsToPixels(s.label2Left), form2.Label2->y());
        form2.Label2->setVisible(extra);
        form2.Label1->setFixedWidth(form2.width() - 2 * form2.Label1->x());
    }
}

}  // namespace

void Form1::DTPicker1_Change() {
    m1().drawday = static_cast<qint16>(DTPicker1->Day());
    m1().drawmonth = static_cast<qint16>(DTPicker1->Month());
    m1().drawyear = static_cast<qint16>(DTPicker1->Year());
    List2->clear();
    Text3->setText(QStringLiteral("0"));
    hideBalls(*this);
    ResultsHistory history;
    const int r = lookUp(*this, &history);
    if (r == 0) {
        return;
    }
    const DrawRecord draw = history.record(r);
    for (int position = 0; position < 7; ++position) {
        showball(*this, position, draw.balls[position]);
    }
    showball(*this, 7, draw.extra);
    m1().drawrecordno = static_cast<qint16>(r);
}

void showball(Form1& form, int position, int number) {
    Module1& m = m1();
    const auto show = [&form](int box, const QPixmap& picture) {
        // A number with no picture (a damaged file) leaves the box empty but still shown, so
        // the draw still counts as shown and can be deleted.
        if (box < 0 || box >= static_cast<int>(form.Image2.size())) {
            return;
        }
        form.Image2[box]->setPixmap(picture);
        form.Image2[box]->show();
    };
    if (m.gamename == kWildCardGame && position == 7) {
        show(5, ImageList3().picture(number));
        m.drawnumbers[8] = static_cast<qint16>(number);
        return;
    }
    if (number <= 0 || position < 0 || position > 7) {
        return;
    }
    const bool extra = position == 7;
    const bool white = extra ? m.ballcolour != 0 : m.ballcolour == 0;
    const ImageList& pictures = white ? ImageList1() : ImageList2();
    show(extra ? m.ballsdrawn : position, pictures.picture(number));
    m.drawnumbers[extra ? 8 : position + 1] = static_cast<qint16>(number);
}

void Form1::Command1_Click() {
    const QString already = QStringLiteral(
        "There is already a draw result for this date and game. Delete the draw first if you want "
        "to change it.");
    if (!Image2[0]->isHidden()) {
        platform::msgBox(already);
        return;
    }
    // The ball row is hidden whenever the window is cleared, so the history itself is asked too.
    if (lookUp(*this) != 0) {
        DTPicker1_Change();
        platform::msgBox(already);
        return;
    }
    const int w = platform::weekday(DTPicker1->Value());
    if (m1().drawdays[w] != w) {
        const platform::MsgAnswer answer = platform::msgBox(
            QStringLiteral(
                "You are entering a draw that has not been defined as a draw day. Do you "
                "want to continue"),
            platform::MsgButtons::YesNo);
        if (answer != platform::MsgAnswer::Yes) {
            return;
        }
    }
    Form2* form2 = platform::Windows::get<Form2>(Form2::kName);
    sizeForm2(*form2, m1().ballsdrawn + m1().bonusdrawn, m1().bonusdrawn == 1);
    setEnabled(false);
    platform::Windows::show(Form2::kName);
}

void Form1::Command2_Click() {
    if (Image2[0]->isHidden()) {
        platform::msgBox(QStringLiteral("There is no draw displayed to delete"));
        return;
    }
    if (platform::msgBox(QStringLiteral("Do you really want to delete this draw?"),
                         platform::MsgButtons::YesNo,
                         platform::MsgDefault::No) != platform::MsgAnswer::Yes) {
        return;
    }
    DTPicker1_Change();
    ResultsHistory history;
    const int r = lookUp(*this, &history);
    // A damaged history is left as it is: its count would be written back as if it were sound.
    if (r != 0 && history.damaged()) {
        platform::msgBox(
            QStringLiteral("The draw could not be deleted. The results history is damaged."));
        return;
    }
    // Only the draw that is really stored for the date is deleted, never a record by a stale
    // number.
    if (r != 0 && history.remove(r)) {
        const QString path = resultsPath();
        QString error;
        const bool done = history.isEmptied() ? removeFile(path, &error)
                                              : writeWholeFile(path, history.bytes(), &error);
        if (!done) {
            platform::msgBox(
                QStringLiteral("The draw could not be deleted. %1").arg(error).trimmed());
            return;
        }
    }
    hideBalls(*this);
    List2->clear();
    Text3->setText(QStringLiteral("0"));
}
