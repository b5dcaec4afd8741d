// The entry file shown in the main window: dated, standing and wheel files, and deleting entries.
#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include <QFile>
#include <QFileInfo>
#include <QItemSelection>

#include "app/Form1.h"
#include "app/module1routines.h"
#include "platform/messagebox.h"
#include "shared/drawrecord.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/numbertext.h"
#include "shared/safefile.h"
#include "shared/textforms.h"

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

// Takes out the lines of these record numbers (ascending, from 1), a run of neighbours at a
// time and from the end, so the rows before a run keep their numbers. The marks are lifted
// first and the others' set again after: with marks on the rows, each removal would rework
// every mark.
void removeLines(QListWidget& list, const std::vector<int>& recordNos) {
    QAbstractItemModel& model = *list.model();
    QItemSelectionModel& selection = *list.selectionModel();
    std::vector<int> marked;
    for (const QModelIndex& line : selection.selectedIndexes()) {
        marked.push_back(line.row());
    }
    std::sort(marked.begin(), marked.end());
    marked.erase(std::unique(marked.begin(), marked.end()), marked.end());
    selection.clearSelection();

    auto end = recordNos.end();
    while (end != recordNos.begin()) {
        auto first = std::prev(end);
        while (first != recordNos.begin() && *std::prev(first) == *first - 1) {
            --first;
        }
        model.removeRows(*first - 1, static_cast<int>(end - first));
        end = first;
    }

    // A kept mark moves up by the lines taken out before it.
    QItemSelection kept;
    auto removedBefore = recordNos.begin();
    for (int row : marked) {
        while (removedBefore != recordNos.end() && *removedBefore - 1 < row) {
            ++removedBefore;
        }
        if (removedBefore != recordNos.end() && *removedBefore - 1 == row) {
            continue;
        }
        const int now = row - static_cast<int>(removedBefore - recordNos.begin());
        kept.select(model.index(now, 0), model.index(now, 0));
    }
    if (!kept.isEmpty()) {
        selection.select(kept, QItemSelectionModel::Select);
    }
}

}  // namespace

void Form1::clearwinninglines() {
    List2->clear();
}

void Form1::clearentrylist() {
    List1->clear();
}

void Form1::listselection() {
    const DrawImage file = readDrawImage(m1().selectionfile);
    const qint16 n = file.count();
    // Added in one go: a row at a time, the list would lay itself out again for each.
    QStringList lines;
    lines.reserve(n);
    for (int i = 1; i <= n; ++i) {
        const DrawRecord r = file.read(i);
        lines << entryline(r.balls, r.extra, m1().extraballid, m1().gamename);
    }
    List1->addItems(lines);
    if (n > 0) {
        Text2->setText(QString::number(n));
    }
    if (file.damaged()) {
        noteDamagedEntryFile(m1().selectionfile);
        tellDamagedFiles();
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
               MsgButtons::YesNo, platform::MsgDefault::No) == MsgAnswer::No) {
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
    const int n = textToInteger(Text2->text());
    // Only the first n lines are offered for deletion, as record numbers from 1. The marks are
    // read once: asking each line would search the whole selection each time.
    std::vector<int> chosen;
    for (const QModelIndex& line : List1->selectionModel()->selectedIndexes()) {
        if (line.row() < n) {
            chosen.push_back(line.row() + 1);
        }
    }
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    const int s = static_cast<int>(chosen.size());
    if (s == 0) {
        msgBox(QStringLiteral("You have not selected any entries for deletion."));
        return;
    }
    const QString question =
        s == 1 ? QStringLiteral("Are you sure you want to delete the selected entry?")
               : QStringLiteral("Are you sure you want to delete the %1 selected entries?").arg(s);
    if (msgBox(question, MsgButtons::YesNo, platform::MsgDefault::No) == MsgAnswer::No) {
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
    // A damaged file is left as it is: its count would be written back as if it were sound.
    if (records.damaged()) {
        msgBox(QStringLiteral("The entries could not be deleted. The entry file is damaged."));
        return;
    }

    // Worked out in memory and written once, so an interrupted delete never leaves a half-moved
    // file. Lines past the file's count have nothing to delete and stay.
    const int removed = removeRecords(records, chosen);
    if (removed == 0) {
        return;
    }
    if (!writeWholeFile(m1().selectionfile, records.bytes())) {
        msgBox(kWriteFailed);
        return;
    }
    chosen.resize(static_cast<std::size_t>(removed));
    removeLines(*List1, chosen);
    Text2->setText(QString::number(records.count()));
    if (removed == n) {
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
