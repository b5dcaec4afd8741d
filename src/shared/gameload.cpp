#include "shared/gameload.h"

#include <algorithm>

#include "shared/ansitext.h"
#include "shared/module1.h"

namespace {

bool isLetterOrDigit(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

QString standardExtraBallName(const QString& id) {
    if (id == u"EB") {
        return QStringLiteral("Extra Ball");
    }
    if (id == u"BB") {
        return QStringLiteral("Bonus Ball");
    }
    if (id == u"PB") {
        return QStringLiteral("Powerball");
    }
    if (id == u"MB") {
        return QStringLiteral("Mega Ball");
    }
    return {};
}

// The windows size their boxes and ball rows by these counts, so a damaged count beyond what
// the definition window allows must not reach them.
bool countsFit(const GameRecord& slot) {
    return slot.ballsdrawn <= 7 && slot.mainperentry <= 7 && slot.bonusdrawn <= 1 &&
           slot.bonusperentry <= 1;
}

}  // namespace

QString gameNameError(const QString& name) {
    const QString t1 = trimBlanks(name);
    if (t1.isEmpty()) {
        return QStringLiteral("You must enter a Game Name");
    }
    if (!std::all_of(t1.begin(), t1.end(), isLetterOrDigit)) {
        return QStringLiteral("You must only use letters in the game name - spaces not allowed!");
    }
    return {};
}

bool slotNamesAGame(const GameRecord& slot) {
    return slot.mainpool > 1 && countsFit(slot) && gameNameError(slot.name).isEmpty();
}

bool slotHoldsAGame(const GameRecord& slot) {
    return slot.ballsdrawn > 0 && countsFit(slot) && gameNameError(slot.name).isEmpty();
}

bool loadGame(const GameRecord& slot, Module1& m) {
    if (!slotHoldsAGame(slot)) {
        return false;
    }
    m.gamename = trimBlanks(slot.name);
    m.ballsdrawn = slot.ballsdrawn;
    m.bonusdrawn = slot.bonusdrawn;
    m.mainpool = slot.mainpool;
    m.bonusfrommain = slot.bonusfrommain;
    m.bonuspool = slot.bonuspool;
    m.mainperentry = slot.mainperentry;
    m.bonusperentry = slot.bonusperentry;
    // Element 0 of both lists is not the slot's.
    std::copy(slot.prizelevels.begin() + 1, slot.prizelevels.end(), m.prizelevels.begin() + 1);
    std::copy(slot.drawdays.begin() + 1, slot.drawdays.end(), m.drawdays.begin() + 1);
    m.ballcolour = slot.ballcolour;
    m.extraballid = slot.extraballid;
    const QChar first = slot.extraballname.isEmpty() ? QChar(u'\0') : slot.extraballname.front();
    if (first != u'\0' && first != u' ') {
        m.extraballname = slot.extraballname;
    } else {
        m.extraballname = standardExtraBallName(m.extraballid);
    }
    // An id of the player's own needs a name of its own.
    if (m.extraballname.isEmpty()) {
        m.extraballname = QStringLiteral("Bonus Ball");
        m.extraballid = QStringLiteral("BB");
    }
    return true;
}
