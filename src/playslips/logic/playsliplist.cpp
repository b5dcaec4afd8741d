#include "playslips/logic/playsliplist.h"

#include <algorithm>
#include <initializer_list>

#include "playslips/logic/playslipconfig.h"

bool isWebPage(const QString& reply) {
    return reply.contains(QStringLiteral("DOCTYPE"), Qt::CaseInsensitive);
}

std::vector<PlayslipListRow> parsePlayslipList(const QString& reply) {
    std::vector<PlayslipListRow> rows;
    QString field;
    PlayslipListRow row;
    bool second = false;
    for (const QChar c : reply) {
        if (c == u'\r' || c == u'\n') {
            continue;
        }
        if (c != u'#') {
            field += c;
            continue;
        }
        if (second) {
            row.file = field;
            if (rows.size() < kMaxListRows) {
                rows.push_back(row);
            }
            row = {};
        } else {
            row.text = field;
        }
        second = !second;
        field.clear();
    }
    // A row with only its text ended still shows, without a file name.
    if (second && rows.size() < kMaxListRows) {
        rows.push_back(row);
    }
    return rows;
}

QString installName(const QString& listed) {
    const QString name = listed.trimmed().mid(2);
    if (!name.endsWith(QStringLiteral(".dat"))) {
        return {};
    }
    // The settings file of a game the program could load (letters and digits only, so nothing
    // that leads out of the data folder), and no file the program keeps for something else.
    const QString game = name.chopped(4);
    return playslipNameError(game).isEmpty() ? name : QString();
}

QString downloadProblem(const QByteArray& bytes) {
    if (bytes.size() < kMinDownload || bytes.size() > kMaxDownload) {
        return QStringLiteral("it holds %1 bytes").arg(bytes.size());
    }
    if (bytes.size() < PlayslipConfig::kSize) {
        return QStringLiteral("it is cut off after %1 bytes").arg(bytes.size());
    }
    const PlayslipConfig config = PlayslipConfig::fromBytes(bytes);
    // Only what the settings window can show and save: anything else would replace the game's
    // settings with marks the window cannot display (and a board count it would not print).
    const auto known = [](qint16 v, std::initializer_list<qint16> values) {
        return std::find(values.begin(), values.end(), v) != values.end();
    };
    if (config.boards() < 3 || config.boards() > PlayslipConfig::kBoards) {
        return QStringLiteral("its number of boards is %1").arg(config.boards());
    }
    if (!known(config.width(), {0, 15, 25, 35})) {
        return QStringLiteral("its mark width is %1").arg(config.width());
    }
    if (!known(config.length(), {0, 100, 150, 200})) {
        return QStringLiteral("its mark length is %1 twips").arg(config.length());
    }
    return config.problem();
}
