#include "entries/logic/entrygame.h"

#include "shared/module1.h"

namespace entries {

EntryGame EntryGame::from(const Module1& m) {
    EntryGame g;
    g.gamename = m.gamename;
    g.extraballid = m.extraballid;
    g.dateorder = m.dateorder;
    g.ballsdrawn = m.ballsdrawn;
    g.mainperentry = m.mainperentry;
    g.mainpool = m.mainpool;
    g.bonusdrawn = m.bonusdrawn;
    g.bonuspool = m.bonuspool;
    g.bonusperentry = m.bonusperentry;
    g.prizelevels = m.prizelevels;
    return g;
}

}  // namespace entries
