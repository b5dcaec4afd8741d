#pragma once
// Deriving a board from Board A: every box is Board A's saved position moved by the offset that
// ball 1 was typed at. Single precision throughout, as the positions are stored.
#include <utility>
#include <vector>

#include <QString>

#include "playslips/logic/playslipconfig.h"

// The refusal of the checks made before the file is read (Board A itself, no X or Y typed for
// ball 1), or empty.
QString suggestRefusal(int currentboard, const QString& box0, const QString& box1);

struct Suggestion {
    // Boxes to write, in order (index into the 130 boxes, text).
    std::vector<std::pair<int, QString>> writes;
    // A refusal or the negative-position stop, shown after the writes; empty when all went well.
    QString message;
};
// The boxes of balls 2..65 from Board A of the set in the settings and ball 1's typed position.
Suggestion suggestBoard(const PlayslipConfig& config, BallSet set, const QString& box0,
                        const QString& box1);
