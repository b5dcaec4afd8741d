// Checking the listed entries against the shown draw, and the history check's preliminaries.
#include <algorithm>

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

    DrawFile file(m1().selectionfile);
    // Another window may have appended to the file since it was listed: check what is listed.
    const int n = std::min<int>(file.count(), List1->count());
    int wins = 0;
    for (int r = 1; r <= n; ++r) {
        const DrawRecord entry = file.read(r);
        const EntryCheck result = checkEntry(entry.balls, entry.extra, draw, drawExtra,
                                             m1().ballsdrawn, rule, m1().prizelevels);
        QListWidgetItem* line = List1->item(r - 1);
        line->setSelected(false);
        if (result.level == 0) {
            continue;
        }
        ++wins;
        if (playsFanfare(result.level, m1().ballsdrawn, m1().bonuspool)) {
            platform::playSound(tada);
        }
        adddrawline(*List2, entry.balls, entry.extra,
                    winningLineLabel(result.level, m1().extraballid));
        line->setSelected(true);
    }
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
