#include "shared/winninglines.h"

QString winningLineLabel(int level, const QString& extraballid) {
    if (level < 1 || level > 15) {
        return {};
    }
    if (level == 1) {
        return QStringLiteral("(7)");
    }
    // Even levels are the matches with the extra ball, each before its plain level.
    if (level % 2 == 0) {
        return QStringLiteral("(%1+%2)").arg((14 - level) / 2).arg(extraballid);
    }
    return QStringLiteral("(%1)").arg((15 - level) / 2);
}

bool playsFanfare(int level, int ballsdrawn, int bonuspool) {
    switch (level) {
        case 1:
            return true;
        case 2:
        case 4:
        case 6:
        case 8:
            return ballsdrawn == (14 - level) / 2;
        case 3:
        case 5:
        case 7:
            return ballsdrawn == (15 - level) / 2 && bonuspool == 0;
        default:
            return false;
    }
}
