#include "app/pictureicons.h"

#include <functional>

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 72;
constexpr int kArt = 44;  // the square the drawing sits in, above the label

QPixmap picture(const QString& label, const std::function<void(QPainter&, QRectF)>& art) {
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    art(p, QRectF((kWidth - kArt) / 2.0, 4, kArt, kArt));
    QFont font = p.font();
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x20, 0x30, 0x60));
    p.drawText(QRectF(0, kArt + 6, kWidth, kHeight - kArt - 6), Qt::AlignHCenter | Qt::AlignTop,
               label);
    return pixmap;
}

}  // namespace

QPixmap historyPicture() {
    return picture(QStringLiteral("History"), [](QPainter& p, QRectF r) {
        const QRectF sheet = r.adjusted(6, 0, -6, 0);
        QLinearGradient paper(sheet.topLeft(), sheet.bottomRight());
        paper.setColorAt(0, QColor(0xFF, 0xFF, 0xF4));
        paper.setColorAt(1, QColor(0xE8, 0xE4, 0xD0));
        p.setPen(QPen(QColor(0x70, 0x68, 0x50), 1.2));
        p.setBrush(paper);
        p.drawRoundedRect(sheet, 3, 3);
        p.setPen(QPen(QColor(0x40, 0x60, 0xA0), 1.6));
        for (int i = 0; i < 5; ++i) {
            const double y = sheet.top() + 9 + i * 7;
            p.drawLine(QPointF(sheet.left() + 5, y), QPointF(sheet.right() - 5, y));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xC0, 0x20, 0x20));
        p.drawEllipse(QPointF(sheet.left() + 7, sheet.top() + 9), 2.2, 2.2);
    });
}

QPixmap statsPicture() {
    return picture(QStringLiteral("Stats"), [](QPainter& p, QRectF r) {
        p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1.5));
        p.drawLine(r.bottomLeft() + QPointF(3, -2), r.bottomRight() + QPointF(-3, -2));
        p.drawLine(r.bottomLeft() + QPointF(3, -2), r.topLeft() + QPointF(3, 2));
        const double heights[] = {0.45, 0.8, 0.3, 0.65, 0.95};
        const QColor colours[] = {QColor(0x30, 0x70, 0xC0), QColor(0xC0, 0x30, 0x30),
                                  QColor(0x30, 0xA0, 0x50), QColor(0xE0, 0xA0, 0x20),
                                  QColor(0x80, 0x40, 0xB0)};
        const double bar = (r.width() - 10) / 5.0;
        for (int i = 0; i < 5; ++i) {
            const double h = (r.height() - 6) * heights[i];
            const QRectF column(r.left() + 6 + i * bar + 1, r.bottom() - 3 - h, bar - 2, h);
            QLinearGradient shade(column.topLeft(), column.topRight());
            shade.setColorAt(0, colours[i].lighter(140));
            shade.setColorAt(1, colours[i]);
            p.setPen(Qt::NoPen);
            p.setBrush(shade);
            p.drawRect(column);
        }
    });
}
