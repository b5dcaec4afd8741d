#include "playslips/logic/playsliplist.h"

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
    return PlayslipConfig::fromBytes(bytes).problem();
}
