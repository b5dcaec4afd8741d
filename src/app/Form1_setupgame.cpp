// Loading the selected game slot into the module state and laying the window out for it.
#include "app/Form1.h"
#include "app/module1routines.h"
#include "platform/twips.h"
#include "shared/ansitext.h"
#include "shared/gamefiles.h"
#include "shared/gameload.h"
#include "shared/gamerecord.h"
#include "shared/module1.h"

using platform::twipsToPixels;

namespace {

// The ball strip's width and the extra-ball label's left edge by the balls in a draw, in twips.
struct StripLayout {
    int balls;
    int pictureWidth;
    int labelLeft;
};
constexpr StripLayout kStripLayouts[] = {
    {4, 3015, 3900},
    {5, 3735, 4610},
    {6, 4455, 5360},
    {7, 5175, 6080},
};

}  // namespace

void Form1::setupgame() {
    Module1& m = m1();
    const GameRecord slot = readGameRecord(dataFile(m.datapath, trimBlanks(m.gamefile)));
    // The submenus are switched through their own widgets: one switched off only as an item
    // would come back on whenever this window is enabled again after a child closes.
    const auto gameMenus = {mnuWheels, mnuStand, mnuOpt};
    const auto gameItems = {mnuTicketPrinting, mnuFilter, mnuImport};
    if (!slotHoldsAGame(slot)) {
        if (m.gamenumber >= 1 && m.gamenumber <= 5) {
            options()[m.gamenumber - 1]->setEnabled(false);
        }
        Frame5->setEnabled(false);
        Frame3->setEnabled(false);
        for (QMenu* menu : gameMenus) {
            menu->setEnabled(false);
        }
        for (QAction* item : gameItems) {
            item->setEnabled(false);
        }
        return;
    }
    // An undefined slot loaded earlier disabled these for every game; a defined one brings them
    // back (playslip printing only when there is a printer).
    if (m.gamenumber >= 1 && m.gamenumber <= 5) {
        options()[m.gamenumber - 1]->setEnabled(true);
    }
    Frame5->setEnabled(true);
    Frame3->setEnabled(true);
    for (QMenu* menu : gameMenus) {
        menu->setEnabled(true);
    }
    for (QAction* item : gameItems) {
        item->setEnabled(item != mnuTicketPrinting || m.printeravailable);
    }

    loadGame(slot, m);
    damageNamed_.clear();  // a new load names its damaged files again
    Frame5->setTitle(QStringLiteral("My Entries for ") + m.gamename);
    Frame3->setTitle(QStringLiteral("Draw Date for ") + m.gamename);
    Frame6->setTitle(QStringLiteral("Winning Lines for ") + m.gamename);

    deleteemptyselection();
    cleardisplay(*this);
    Command3->hide();
    DTPicker2->show();

    const int n = m.ballsdrawn + m.bonusdrawn;
    for (const StripLayout& s : kStripLayouts) {
        if (s.balls == n) {
            Picture1->resize(twipsToPixels(s.pictureWidth), Picture1->height());
            Label3->move(twipsToPixels(s.labelLeft), Label3->y());
        }
    }
    if (m.bonusdrawn == 1) {
        Label3->setText(m.extraballid);
        Label3->show();
    } else {
        Label3->hide();
    }

    DTPicker2_Change();
    DTPicker1_Change();
    noteDamagedHistory();
    tellDamagedFiles();
    if (!Text2->text().isEmpty() && Text2->text() != u"0" && !Image2[0]->isHidden()) {
        Command14_Click();
    }
    if (m.ballsdrawn >= 4 && m.ballsdrawn <= 7) {
        setwheelmenus(*this, m.ballsdrawn);
    }
    mnuWheels->setEnabled(m.ballsdrawn != 3);
}
