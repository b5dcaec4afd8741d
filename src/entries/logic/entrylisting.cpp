#include "entries/logic/entrylisting.h"

#include <vector>

#include <QtEndian>

#include "shared/drawrecord.h"
#include "shared/textforms.h"

namespace {

void appendTwoDigits(QString& line, int n) {
    if (n >= 0 && n < 10) {
        line += u'0';
    }
    line += QString::number(n);
    line += u' ';
}

QString lottoLine(const DrawRecord& r, bool wild) {
    QString line;
    for (int i = 0; i < 7; ++i) {
        const int b = r.balls[static_cast<std::size_t>(i)];
        if (i < 3 || b > 0) {
            appendTwoDigits(line, b);
        }
    }
    if (r.extra > 0) {
        if (wild) {
            line += QStringLiteral("WC ") + cardname(r.extra);
        } else {
            line += QStringLiteral("BB ");
            appendTwoDigits(line, r.extra);
            line.chop(1);
        }
    }
    return line;
}

}  // namespace

std::vector<PickEntry> pickEntries(const QByteArray& bytes) {
    const qint64 held = bytes.size() / kPickRecordSize;
    const qint32 stored = held > 0 ? qFromLittleEndian<qint32>(bytes.constData()) : 0;
    const int n = narrowCount(stored, held);
    std::vector<PickEntry> entries(static_cast<std::size_t>(n));
    for (int r = 0; r < n; ++r) {
        const char* p = bytes.constData() + qsizetype(r) * kPickRecordSize;
        for (int d = 0; d < 4; ++d) {
            entries[static_cast<std::size_t>(r)].digits[d] =
                qFromLittleEndian<qint16>(p + 12 + 2 * d);
        }
    }
    return entries;
}

bool isPickFileName(const QString& fileName) {
    return fileName.contains(QStringLiteral("Pick3")) || fileName.contains(QStringLiteral("Pick4"));
}

QStringList entryFileLines(const QString& fileName, const QByteArray& bytes) {
    QStringList lines;
    if (isPickFileName(fileName)) {
        const int digits = fileName.contains(QStringLiteral("Pick3")) ? 3 : 4;
        for (const PickEntry& e : pickEntries(bytes)) {
            QStringList parts;
            for (int d = 0; d < digits; ++d) {
                parts << QString::number(e.digits[d]);
            }
            lines << parts.join(u' ');
        }
        return lines;
    }
    const DrawImage image(bytes);
    const int n = image.count();
    const bool wild = fileName.startsWith(QStringLiteral("Wil"));
    lines.reserve(n);
    for (int r = 1; r <= n; ++r) {
        lines << lottoLine(image.read(r), wild);
    }
    return lines;
}
