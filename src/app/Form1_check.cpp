// Checking the listed entries against the shown draw, and the history check's preliminaries.
#include <algorithm>
#include <array>

#include <QItemSelection>

#include "app/Form1.h"
#include "app/module1routines.h"
#include "platform/messagebox.h"
#include "platform/sound.h"
#include "platform/windows.h"
#include "shared/drawrecord.h"
#include "shared/entrycheck.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/numbertext.h"
#include "shared/textforms.h"
#include "shared/winninglines.h"

using platform::msgBox;

namespace {

ExtraRule extraRule() {
    if (m1().bonusdrawn != 1) {
        return ExtraRule::None;
    }
    return m1().bonuspool > 0 ? ExtraRule::OwnPool : ExtraRule::MainPool;
}

}  // namespace

void Form1::Command14_Click() {
    clearwinninglines();
    if (leadingNumber(Text2->text()) < 1) {
        msgBox(QStringLiteral("You do not have any entries listed to check!"));
        return;
    }
    if (Image2[0]->isHidden()) {
        msgBox(QStringLiteral("You do not have any draw result listed to check against!"));
        return;
    }
    if (!anyLevelCounts(m1().prizelevels)) {
        msgBox(QStringLiteral("You cannot do a check you have no winning entries defined for ") +
               m1().gamename);
        return;
    }
    MainNumbers draw{};
    std::copy_n(m1().drawnumbers.begin() + 1, 7, draw.begin());
    const qint16 drawExtra = m1().drawnumbers[8];
    const ExtraRule rule = extraRule();
    const QString tada = dataFile(m1().datapath, QStringLiteral("tada.wav"));
    std::array<QString, kLevelCount + 1> labels;
    for (int level = 1; level <= kLevelCount; ++level) {
        labels[static_cast<std::size_t>(level)] = winningLineLabel(level, m1().extraballid);
    }

    const DrawImage file = readDrawImage(m1().selectionfile);
    // Another window may have appended to the file since it was listed: check what is listed.
    const int n = std::min<int>(file.count(), List1->count());
    int wins = 0;
    QStringList lines;
    // The winners' marks are gathered as runs of neighbouring lines and set in one go: one
    // selection change per line would copy the whole selection each time.
    QItemSelection marks;
    int runStart = -1;
    const auto endRun = [&](int row) {
        if (runStart >= 0) {
            marks.select(List1->model()->index(runStart, 0), List1->model()->index(row - 1, 0));
            runStart = -1;
        }
    };
    for (int r = 1; r <= n; ++r) {
        const DrawRecord entry = file.read(r);
        const EntryCheck result = checkEntry(entry.balls, entry.extra, draw, drawExtra,
                                             m1().ballsdrawn, rule, m1().prizelevels);
        if (result.level == 0) {
            endRun(r - 1);
            continue;
        }
        ++wins;
        if (playsFanfare(result.level, m1().ballsdrawn, m1().bonuspool)) {
            platform::playSound(tada);
        }
        lines << entryline(entry.balls, entry.extra, m1().extraballid, m1().gamename) +
                     labels[static_cast<std::size_t>(result.level)];
        if (runStart < 0) {
            runStart = r - 1;
        }
    }
    endRun(n);
    List2->addItems(lines);
    // Lines past the checked ones keep their marks.
    QItemSelectionModel& selection = *List1->selectionModel();
    for (const QItemSelectionRange& range : selection.selection()) {
        if (range.bottom() >= n) {
            marks.select(List1->model()->index(std::max(range.top(), n), 0),
                         List1->model()->index(range.bottom(), 0));
        }
    }
    selection.select(marks, QItemSelectionModel::ClearAndSelect);
    Text3->setText(u' ' + QString::number(wins));
    if (wins == 0) {
        msgBox(QStringLiteral("No wins this time!"));
    }
}

void Form1::Command12_Click() {
    if (!anyLevelCounts(m1().prizelevels)) {
        msgBox(QStringLiteral(
                   "You cannot do a history check you have no winning entries defined for ") +
               m1().gamename);
        return;
    }
    if (leadingNumber(Text2->text()) < 1) {
        msgBox(QStringLiteral(
            "You do not have any entries listed to check against the draw history!"));
        return;
    }
    if (drawFileCount(dataFile(m1().datapath, resultsFileName(m1().gamename))) == 0) {
        msgBox(QStringLiteral(
            "There are no results in the results file - you cannot do a history check!"));
        return;
    }
    setEnabled(false);
    platform::Windows::show(windownames::Form6);
}
