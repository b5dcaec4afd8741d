#include "playslips/logic/printerchoice.h"

#include <QFile>

#include "shared/ansitext.h"

QString readPrinterChoice(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return trimBlanks(fromAnsi(file.read(kPrinterRecordSize)));
}

QByteArray printerRecord(const QString& deviceName) {
    return toAnsi(deviceName, kPrinterRecordSize);
}

int printerIndex(const QStringList& deviceNames, const QString& remembered) {
    const qsizetype last = deviceNames.lastIndexOf(remembered);
    return last < 0 ? 0 : static_cast<int>(last);
}
