#include "support/pdfpages.h"
#include "support/waits.h"

#include <deque>

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

QString tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(kChildProcessWaitMs) || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: "
                      << QString::fromLocal8Bit(p.readAllStandardError()).toStdString();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pageCount(const QString& pdf) {
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                       .match(tool(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

std::vector<Box> darkShapes(const QString& pdf, int page) {
    QTemporaryDir dir;
    tool(QStringLiteral("pdftoppm"),
         {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-gray"),
          QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
          QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    QImage image(dir.filePath(QStringLiteral("page.pgm")));
    image = image.convertToFormat(QImage::Format_Grayscale8);
    std::vector<Box> boxes;
    std::vector<bool> seen(static_cast<size_t>(image.width()) * image.height(), false);
    const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const size_t at = static_cast<size_t>(y) * image.width() + x;
            if (seen[at] || !dark(x, y)) {
                continue;
            }
            int x0 = x, x1 = x, y0 = y, y1 = y;
            std::deque<QPoint> todo{QPoint(x, y)};
            seen[at] = true;
            while (!todo.empty()) {
                const QPoint p = todo.front();
                todo.pop_front();
                x0 = std::min(x0, p.x()), x1 = std::max(x1, p.x());
                y0 = std::min(y0, p.y()), y1 = std::max(y1, p.y());
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = p + d;
                    if (n.x() < 0 || n.y() < 0 || n.x() >= image.width() ||
                        n.y() >= image.height()) {
                        continue;
                    }
                    const size_t nat = static_cast<size_t>(n.y()) * image.width() + n.x();
                    if (!seen[nat] && dark(n.x(), n.y())) {
                        seen[nat] = true;
                        todo.push_back(n);
                    }
                }
            }
            boxes.push_back({x0 / 10.0, y0 / 10.0, (x1 + 1) / 10.0, (y1 + 1) / 10.0});
        }
    }
    return boxes;
}
