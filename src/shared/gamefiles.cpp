#include "shared/gamefiles.h"

#include <QFileInfo>

#include "shared/textforms.h"

QString dataFile(const QString& datapath, const QString& name) {
    QString n = name;
    n.replace(u'\\', u'/');
    while (n.startsWith(u'/')) {
        n.remove(0, 1);
    }
    return datapath + u'/' + n;
}

QString slotFileName(int slot) {
    return QStringLiteral("game%1.dat").arg(slot);
}

QString resultsFileName(const QString& gamename) {
    return gamename + QStringLiteral(".rtl");
}

QString datedEntryFileName(const QString& gamename, const QDate& date, const QString& dateorder) {
    return gamename + filedate(date, dateorder) + QStringLiteral(".lot");
}

QString standingEntryFileName(const QString& gamename) {
    return QStringLiteral("Stand") + gamename + QStringLiteral(".lot");
}

QString playslipFileName(const QString& gamename) {
    return gamename + QStringLiteral(".dat");
}

QString adjustFileName(const QString& gamename) {
    return gamename + QStringLiteral("adjusts.dat");
}

EntryFileKind entryFileKind(const QString& path, const QString& gamename) {
    if (path.isEmpty()) {
        return EntryFileKind::None;
    }
    QString name = path;
    name.replace(u'\\', u'/');
    name = QFileInfo(name).fileName();
    if (name == standingEntryFileName(gamename)) {
        return EntryFileKind::Standing;
    }
    // Game names hold letters and digits only, so a hyphen after the name marks a wheel file.
    if (name.startsWith(gamename + u'-')) {
        return EntryFileKind::Wheel;
    }
    return EntryFileKind::Dated;
}
