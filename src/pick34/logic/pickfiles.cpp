#include "pick34/logic/pickfiles.h"

#include <QFileInfo>

#include "shared/textforms.h"

QString pickdrawtimeWord(PickTime time) {
    return time == PickTime::Day ? QStringLiteral("Day") : QStringLiteral("Evening");
}

QString pickFileTimeWord(PickTime time) {
    return time == PickTime::Day ? QStringLiteral("Day") : QStringLiteral("Night");
}

QString pickgametitle(int game) {
    return QStringLiteral("Pick %1").arg(pickDigitCount(game));
}

namespace {
QString gameWord(int game) {
    return QStringLiteral("Pick%1").arg(pickDigitCount(game));
}
}  // namespace

QString pickResultsFileName(int game, PickTime time) {
    return QStringLiteral("XW") + gameWord(game) + pickFileTimeWord(time) + QStringLiteral(".rtl");
}

QString pickDatedEntryFileName(int game, PickTime time, const QDate& date,
                               const QString& dateorder) {
    return gameWord(game) + pickFileTimeWord(time) + filedate(date, dateorder) +
           QStringLiteral(".lot");
}

QString pickStandingFileName(int game, PickTime time) {
    return gameWord(game) + QStringLiteral("Stand") + pickFileTimeWord(time) +
           QStringLiteral(".lot");
}

QString getstringdate(int year, int month, int day) {
    return QStringLiteral("%1%2%3")
        .arg(year)
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

bool DirExists(const QString& ADir) {
    return QFileInfo(ADir).isDir();
}
