#include "playslips/logic/boardsuggest.h"

#include "playslips/logic/playslipnumbers.h"

QString suggestRefusal(int currentboard, const QString& box0, const QString& box1) {
    if (currentboard == 1) {
        return QStringLiteral(
            "You cannot suggest Board A co-ordinates, you must enter them manually");
    }
    if (boxNumber(box0) == 0) {
        return QStringLiteral("You do not have an X value for ball 1");
    }
    if (boxNumber(box1) == 0) {
        return QStringLiteral("You do not have a Y value for ball 1");
    }
    return {};
}

Suggestion suggestBoard(const PlayslipConfig& config, BallSet set, const QString& box0,
                        const QString& box1) {
    const auto x1 = static_cast<float>(boxNumber(box0));
    const auto y1 = static_cast<float>(boxNumber(box1));
    const QString game = set == BallSet::Main ? QStringLiteral("Main") : QStringLiteral("Extra");
    const float sx = config.mark(set, 1, 1, Coord::X);
    const float sy = config.mark(set, 1, 1, Coord::Y);
    if (sx == 0) {
        return {
            {},
            QStringLiteral("You don't have a value for X for Ball 1 on Board A %1 Game").arg(game)};
    }
    if (sy == 0) {
        return {
            {},
            QStringLiteral("You don't have a value for Y for Ball 1 on Board A %1 Game").arg(game)};
    }
    Suggestion out;
    // The whole X pass comes first: a stop in the Y pass keeps it.
    for (Coord c : {Coord::X, Coord::Y}) {
        const float d = c == Coord::X ? x1 - sx : y1 - sy;
        for (int b = 2; b <= PlayslipConfig::kBalls; ++b) {
            const float s = config.mark(set, b, 1, c);
            if (!(s > 0)) {
                continue;
            }
            const float v = s + d;
            if (v < 0) {
                out.message = QStringLiteral(
                                  "There is an error in the starting values for Ball 1 as this "
                                  "gives a negative value for the %1 co-ord for Ball %2")
                                  .arg(QChar(c == Coord::X ? u'X' : u'Y'))
                                  .arg(b);
                return out;
            }
            out.writes.emplace_back(2 * b - (c == Coord::X ? 2 : 1), suggestedText(v));
        }
    }
    return out;
}
