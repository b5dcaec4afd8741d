#include "logic_helpers.h"

#include <gtest/gtest.h>

namespace testgame {

entries::EntryGame lotto(int k, int pool, int bonus) {
    entries::EntryGame g;
    g.gamename = QStringLiteral("Lotto");
    g.extraballid = QStringLiteral("PB");
    g.dateorder = QStringLiteral("DDMMYY");
    g.ballsdrawn = k;
    g.mainperentry = k;
    g.mainpool = pool;
    g.bonuspool = bonus;
    g.bonusdrawn = bonus > 0 ? 1 : 0;
    g.bonusperentry = bonus > 0 ? 1 : 0;
    g.prizelevels = allLevels();
    return g;
}

entries::EntryGame extraFromMain(int k, int pool) {
    entries::EntryGame g = lotto(k, pool);
    g.bonusdrawn = 1;
    g.bonusperentry = 1;
    g.extraballid = QStringLiteral("BB");
    return g;
}

PrizeLevels levels(std::initializer_list<int> counted) {
    PrizeLevels p{};
    for (int k : counted) {
        p[static_cast<std::size_t>(k)] = 1;
    }
    return p;
}

PrizeLevels allLevels() {
    PrizeLevels p{};
    for (int k = 1; k <= 15; ++k) {
        p[static_cast<std::size_t>(k)] = 1;
    }
    return p;
}

DrawRecord draw(int day, int month, int year, std::initializer_list<int> balls, int extra) {
    DrawRecord r;
    r.day = static_cast<qint16>(day);
    r.month = static_cast<qint16>(month);
    r.year = static_cast<qint16>(year);
    std::size_t i = 0;
    for (int b : balls) {
        r.balls[i++] = static_cast<qint16>(b);
    }
    r.extra = static_cast<qint16>(extra);
    return r;
}

DrawRecord entry(std::initializer_list<int> balls, int extra) {
    return draw(0, 0, 0, balls, extra);
}

double ScriptedRandom::operator()() {
    if (values.empty()) {
        ADD_FAILURE() << "The random source was asked for more values than scripted";
        return 0.0;
    }
    const double v = values.front();
    values.pop_front();
    return v;
}

}  // namespace testgame
