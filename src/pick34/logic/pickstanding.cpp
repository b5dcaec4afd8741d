#include "pick34/logic/pickstanding.h"

QString listedEntryFileName(const PickEntryView& view, const QString& dateorder) {
    return view.standing ? pickStandingFileName(view.game, view.time)
                         : pickDatedEntryFileName(view.game, view.time, view.date, dateorder);
}

OtherTimeCopy otherTimeCopy(int game, PickTime source, const QDate& date,
                            const QString& dateorder) {
    const PickTime target = otherTime(source);
    return {pickDatedEntryFileName(game, target, date, dateorder),
            QStringLiteral("A pick %1 %2 entry already exists, do you want to replace it with "
                           "this entry?")
                .arg(pickDigitCount(game))
                .arg(target == PickTime::Day ? QStringLiteral("day") : QStringLiteral("night"))};
}
