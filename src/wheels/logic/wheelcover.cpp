#include "wheels/logic/wheelcover.h"

#include "wheels/logic/wheelvariant.h"

namespace wheels {

namespace {

QString coverNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    bool whole = false;
    const int value = trimmed.toInt(&whole);
    return whole ? QString::number(value) : trimmed;
}

}  // namespace

QStringList coverLines(const CoverInput& input) {
    QStringList lines;
    lines << QString() << QString();
    lines << QStringLiteral("Wheel for ") + input.gamename;
    lines << QString(44, u'-');
    if (input.type != nullptr) {
        lines << guaranteeLine(*input.type);
    } else {
        lines << QString();
    }
    lines << QString();
    QString group;
    for (const QString& box : input.visibleBoxes) {
        const QString number = coverNumber(box);
        if (!number.isEmpty()) {
            group += number + u' ';
        }
    }
    lines << group;
    lines << QString(60, u'-');
    lines << QString();
    lines << QStringLiteral("Number of Balls is ") + input.groupSize.trimmed();
    lines << QString();
    lines << QStringLiteral("Number of game entries required for coverage is ") +
                 QString::number(input.entries);
    lines << QString();
    QString name;
    if (input.type != nullptr) {
        name = wheelEntryFileName(input.gamename, *input.type);
    }
    lines << QStringLiteral("File Maintenance Name: ") + name;
    return lines;
}

}  // namespace wheels
