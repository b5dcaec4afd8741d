// The entry file shown in the main window: dated, standing and wheel files, and deleting entries.
#include <vector>

#include <QFile>
#include <QFileInfo>

#include "app/Form1.h"
#include "app/module1routines.h"
#include "platform/messagebox.h"
#include "shared/drawrecord.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/numbertext.h"
#include "shared/safefile.h"

using platform::MsgAnswer;
using platform::msgBox;
using platform::MsgButtons;

namespace {

const QString kWheelQuestion = QStringLiteral(
    "Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to "
    "continue?");
const QString kWriteFailed = QStringLiteral("The entry file could not be changed.");

EntryFileKind shownKind() {
    return entryFileKind(m1().selectionfile, m1().gamename);
}

// Whether the file is there and can be read; opening it read-only never creates it.
bool canOpen(const QString& path) {
    QFile file(path);
    return file.exists() && file.open(QIODevice::ReadOnly);
}

}  // namespace

void Form1::clearwinninglines() {
    List2->clear();
}

void Form1::clearentrylist() {
    List1->clear();
}

void Form1::listselection() {
    DrawFile file(m1().selectionfile);
    const qint16 n = file.count();
    List1->setUpdatesEnabled(false);
    for (int i = 1; i <= n; ++i) {
        const DrawRecord r = file.read(i);
        addentryline(*List1, r.balls, r.extra);
    }
    List1->setUpdatesEnabled(true);
    if (n > 0) {
        Text2->setText(QString::number(n));
    }
}

void Form1::DTPicker2_Change() {
    // An undefined game slot leaves the frame disabled and the previous game's name behind.
    // The window itself may still be disabled while a child hands it back.
    if (!Frame5->isEnabledTo(this)) {
        return;
    }
    // Without a game or a known date order there is no dated file name to build.
    if (m1().gamename.isEmpty() || m1().dateorder.isEmpty()) {
        return;
    }
    deleteemptyselection();
    clearwinninglines();
    clearentrylist();
    Text2->setText(QStringLiteral("0"));
    Text3->setText(QStringLiteral("0"));
    m1().selectionfile = dataFile(
        m1().datapath, datedEntryFileName(m1().gamename, DTPicker2->Value(), m1().dateorder));
    listselection();
}

void Form1::mnustandcreate_Click() {
    if (shownKind() == EntryFileKind::Standing) {
        msgBox(QStringLiteral("Done."));
        return;
    }
    if (leadingNumber(Text2->text()) < 1) {
        msgBox(QStringLiteral("You do not have any entries displayed to save as a standing entry"));
        return;
    }
    const QString target = dataFile(m1().datapath, standingEntryFileName(m1().gamename));
    if (canOpen(target) &&
        msgBox(QStringLiteral("You already have a standing for this game. Only one standing entry "
                              "is allowed per game. Do you want to continue and overwrite your "
                              "existing file?"),
               MsgButtons::YesNo) == MsgAnswer::No) {
        return;
    }
    QFile source(m1().selectionfile);
    if (!source.open(QIODevice::ReadOnly)) {
        msgBox(QStringLiteral("The standing entry could not be saved."));
        return;
    }
    const QByteArray bytes = source.readAll();
    source.close();
    if (!writeWholeFile(target, bytes)) {
        msgBox(QStringLiteral("The standing entry could not be saved."));
        return;
    }
    msgBox(QStringLiteral("Done!"));
}

void Form1::mnuStandOpen_Click() {
    const QString path = dataFile(m1().datapath, standingEntryFileName(m1().gamename));
    if (!canOpen(path)) {
        msgBox(QStringLiteral("You do not have a standing entry for this game!"));
        return;
    }
    deleteemptyselection();
    m1().selectionfile = path;
    clearentrylist();
    clearwinninglines();
    Text2->setText(QStringLiteral("0"));
    Text3->setText(QStringLiteral("0"));
    listselection();
    m1().openwheeltype = 0;
    Command3->show();
}

bool Form1::listwheel(const QString& path) {
    // Tested before anything changes, so a wheel that cannot be opened leaves the view whole.
    if (!canOpen(path)) {
        msgBox(QStringLiteral("You have not yet created this wheel"));
        return false;
    }
    clearwinninglines();
    clearentrylist();
    Text2->setText(QStringLiteral("0"));
    Text3->setText(QStringLiteral("0"));
    Command3->show();
    DTPicker2->hide();
    deleteemptyselection();
    m1().selectionfile = path;
    listselection();
    return true;
}

void Form1::openwheel(const QString& path) {
    listwheel(path);
}

void Form1::mnuWheelItem_Click(int item) {
    if (item < 0 || item >= static_cast<int>(wheelMenuItems().size())) {
        return;
    }
    const WheelMenuItem& w = wheelMenuItems()[static_cast<std::size_t>(item)];
    const QString path = dataFile(m1().datapath, wheelEntryFileName(m1().gamename, w.k, w.d, w.m));
    // The type names the shown wheel, so it changes only when that wheel is shown.
    if (listwheel(path)) {
        m1().openwheeltype = static_cast<qint16>(w.openwheeltype);
    }
}

void Form1::Command3_Click() {
    m1().openwheeltype = 0;
    deleteemptyselection();
    Command3->hide();
    Text2->setText(QStringLiteral("0"));
    clearentrylist();
    clearwinninglines();
    DTPicker2_Change();
    DTPicker2->show();
}

void Form1::Command5_Click() {
    if (leadingNumber(Text2->text()) < 1) {
        msgBox(QStringLiteral("There are no entries to delete"));
        return;
    }
    if (shownKind() == EntryFileKind::Wheel &&
        msgBox(kWheelQuestion, MsgButtons::YesNo) == MsgAnswer::No) {
        return;
    }
    int n = textToInteger(Text2->text());
    std::vector<bool> selected(static_cast<std::size_t>(List1->count()));
    for (int i = 0; i < List1->count(); ++i) {
        selected[static_cast<std::size_t>(i)] = List1->item(i)->isSelected();
    }
    auto firstSelected = [&selected](int limit) {
        for (int i = 0; i < limit && i < static_cast<int>(selected.size()); ++i) {
            if (selected[static_cast<std::size_t>(i)]) {
                return i;
            }
        }
        return -1;
    };
    int s = 0;
    for (int i = 0; i < n && i < static_cast<int>(selected.size()); ++i) {
        s += selected[static_cast<std::size_t>(i)] ? 1 : 0;
    }
    if (s == 0) {
        msgBox(QStringLiteral("You have not selected any entries for deletion."));
        return;
    }
    const QString question =
        s == 1 ? QStringLiteral("Are you sure you want to delete the selected entry?")
               : QStringLiteral("Are you sure you want to delete the %1 selected entries?").arg(s);
    if (msgBox(question, MsgButtons::YesNo) == MsgAnswer::No) {
        return;
    }
    clearwinninglines();
    Text3->setText(QStringLiteral("0"));

    QFile file(m1().selectionfile);
    if (!file.open(QIODevice::ReadOnly)) {
        msgBox(kWriteFailed);
        return;
    }
    DrawImage records(file.readAll());
    file.close();

    // The deletions are worked out in memory and the file is replaced once, so an interrupted
    // delete never leaves a half-moved file; the bytes are those of moving record by record.
    std::vector<int> removed;
    qint32 newCount = 0;
    while (n != 0) {
        const int j = firstSelected(n);
        if (j < 0) {
            break;
        }
        const qint32 c = records.count();
        if (j + 1 > c) {
            break;  // the list runs past the file: nothing there to delete
        }
        for (int r = j + 1; r <= c - 1; ++r) {
            records.write(r, records.read(r + 1));
        }
        DrawRecord first = records.read(1);
        first.count = c - 1;
        records.write(1, first);
        newCount = c - 1;
        --n;
        selected.erase(selected.begin() + j);
        removed.push_back(j);
    }
    if (removed.empty()) {
        return;
    }
    if (!writeWholeFile(m1().selectionfile, records.bytes())) {
        msgBox(kWriteFailed);
        return;
    }
    for (int j : removed) {
        delete List1->takeItem(j);
    }
    Text2->setText(QString::number(newCount));
    if (n == 0) {
        msgBox(QStringLiteral("Done"));
    }
}

void setwheelmenus(Form1& form, qint16 balls) {
    if (balls < 4 || balls > 7) {
        return;
    }
    for (std::size_t i = 0; i < wheelMenuItems().size(); ++i) {
        form.mnuWheelItem[i]->setVisible(wheelMenuItems()[i].k == balls);
    }
}
