#pragma once
// Tests of the statistics and the optimiser: the main window started on a game of the shape a
// case needs, the entry tools' windows registered, and results histories built by hand.
#include <vector>

#include "app/app_helpers.h"
#include "entries/entrieswindows.h"
#include "support/bytes.h"

struct Drawn {
    std::vector<int> balls;
    int extra = 0;
};

class StatsTest : public MainWindowTest {
protected:
    enum class Extra { None, FromMain, OwnPool };

    void SetUp() override {
        MainWindowTest::SetUp();
        registerEntriesWindows();
    }

    // Slot 1 holds the game; the main window starts on it.
    Form1& startGame(const QString& name, int balls, int pool, Extra extra = Extra::None,
                     int bonuspool = 0) {
        GameRecord g = game(name, balls, pool, extra == Extra::OwnPool ? bonuspool : 0);
        if (extra == Extra::FromMain) {
            g.bonusdrawn = 1;
            g.bonusfrommain = 1;
            g.bonusperentry = 1;
        }
        writeGame(1, g);
        return start();
    }

    // A results history: draw r on r March 2012 (r <= 31), ordinals from 1, the count in record 1.
    static QByteArray history(const std::vector<Drawn>& draws) {
        QByteArray bytes;
        int r = 0;
        for (const Drawn& d : draws) {
            ++r;
            QByteArray record = fixture::draw(r == 1 ? static_cast<long>(draws.size()) : 0, r, r, 3,
                                              2012, {}, d.extra);
            for (std::size_t i = 0; i < d.balls.size(); ++i) {
                record.replace(12 + 2 * static_cast<int>(i), 2, fixture::le16(d.balls[i]));
            }
            bytes += record;
        }
        return bytes;
    }
};
