#include "entries/logic/entrylisting.h"

#include <vector>


#include "pick34/logic/pickrecord.h"
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

bool isPickFileName(const QString& fileName) {
    return fileName.contains(QStringLiteral("Pick3")) || fileName.contains(QStringLiteral("Pick4"));
}

QStringList entryFileLines(const QString& fileName, const QByteArray& bytes) {
    QStringList lines;
    if (isPickFileName(fileName)) {
        const int digits = fileName.contains(QStringLiteral("Pick3")) ? 3 : 4;
        const PickImage image(bytes);
        for (int r = 1; r <= image.count(); ++r) {
            const PickRecord entry = image.record(r);
            QStringList parts;
            for (int d = 0; d < digits; ++d) {
                parts << QString::number(entry.digits[static_cast<std::size_t>(d)]);
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
