#include "app/ballpictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "shared/textforms.h"

namespace {

constexpr int kBallCount = 65;
constexpr int kCardWidth = 24;
constexpr int kCardHeight = 34;

struct BallColours {
    QColor light;
    QColor body;
    QColor edge;
    QColor text;
};

QPixmap paintBall(int number, const BallColours& c) {
    QPixmap pixmap(kBallPictureSize, kBallPictureSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ball(1.0, 1.0, kBallPictureSize - 2.0, kBallPictureSize - 2.0);

    // Lit from the upper left, so the ball reads as round rather than as a flat disc.
    QRadialGradient shade(ball.center(), ball.width() / 2.0,
                          ball.center() - QPointF(ball.width() / 5.0, ball.height() / 5.0));
    shade.setColorAt(0.0, c.light);
    shade.setColorAt(0.55, c.body);
    shade.setColorAt(1.0, c.edge);
    p.setPen(QPen(c.edge.darker(130), 1.0));
    p.setBrush(shade);
    p.drawEllipse(ball);

    // A pale disc behind the digits keeps them legible on either colour.
    const QRectF face = ball.adjusted(8.0, 8.0, -8.0, -8.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, c.text == Qt::white ? 0 : 150));
    p.drawEllipse(face);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(number < 10 ? 15 : 13);
    font.setBold(true);
    p.setFont(font);
    if (c.text == Qt::white) {
        p.setPen(QColor(0, 0, 0, 110));
        p.drawText(ball.translated(1.0, 1.0), Qt::AlignCenter, QString::number(number));
    }
    p.setPen(c.text);
    p.drawText(ball, Qt::AlignCenter, QString::number(number));
    return pixmap;
}

std::vector<QPixmap> balls(const BallColours& colours) {
    std::vector<QPixmap> out;
    out.reserve(kBallCount);
    for (int k = 1; k <= kBallCount; ++k) {
        out.push_back(paintBall(k, colours));
    }
    return out;
}

QPainterPath suitPath(int suit, const QRectF& r) {
    // 0 spades, 1 hearts, 2 diamonds, 3 clubs, in card-code order.
    QPainterPath path;
    const double cx = r.center().x();
    const double w = r.width();
    const double h = r.height();
    switch (suit) {
        case 0:
            path.moveTo(cx, r.top());
            path.cubicTo(cx + w * 0.15, r.top() + h * 0.25, r.right(), r.top() + h * 0.4,
                         r.right() - w * 0.05, r.top() + h * 0.65);
            path.cubicTo(r.right() - w * 0.15, r.top() + h * 0.85, cx + w * 0.1, r.top() + h * 0.8,
                         cx, r.top() + h * 0.65);
            path.cubicTo(cx - w * 0.1, r.top() + h * 0.8, r.left() + w * 0.15, r.top() + h * 0.85,
                         r.left() + w * 0.05, r.top() + h * 0.65);
            path.cubicTo(r.left(), r.top() + h * 0.4, cx - w * 0.15, r.top() + h * 0.25, cx,
                         r.top());
            path.addRect(cx - w * 0.06, r.top() + h * 0.6, w * 0.12, h * 0.4);
            break;
        case 1:
            path.moveTo(cx, r.bottom());
            path.cubicTo(r.left() + w * 0.1, r.top() + h * 0.6, r.left() - w * 0.05,
                         r.top() + h * 0.15, cx - w * 0.25, r.top() + h * 0.05);
            path.cubicTo(cx - w * 0.1, r.top(), cx, r.top() + h * 0.15, cx, r.top() + h * 0.25);
            path.cubicTo(cx, r.top() + h * 0.15, cx + w * 0.1, r.top(), cx + w * 0.25,
                         r.top() + h * 0.05);
            path.cubicTo(r.right() + w * 0.05, r.top() + h * 0.15, r.right() - w * 0.1,
                         r.top() + h * 0.6, cx, r.bottom());
            break;
        case 2:
            path.moveTo(cx, r.top());
            path.lineTo(r.right() - w * 0.1, r.center().y());
            path.lineTo(cx, r.bottom());
            path.lineTo(r.left() + w * 0.1, r.center().y());
            path.closeSubpath();
            break;
        default: {
            const double d = w * 0.42;
            path.addEllipse(QRectF(cx - d / 2.0, r.top(), d, d));
            path.addEllipse(QRectF(r.left(), r.top() + h * 0.32, d, d));
            path.addEllipse(QRectF(r.right() - d, r.top() + h * 0.32, d, d));
            path.addRect(cx - w * 0.07, r.top() + h * 0.45, w * 0.14, h * 0.55);
            path.setFillRule(Qt::WindingFill);
            break;
        }
    }
    return path;
}

QPixmap paintCard(int number) {
    QPixmap pixmap(kCardWidth, kCardHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card(0.5, 0.5, kCardWidth - 1.0, kCardHeight - 1.0);
    p.setPen(QPen(QColor(90, 90, 90), 1.0));
    p.setBrush(QColor(252, 252, 248));
    p.drawRoundedRect(card, 3.0, 3.0);

    const QString code = cardname(number);
    const int suit = (number - 1) / 4;
    const QColor ink = (suit == 1 || suit == 2) ? QColor(200, 20, 30) : QColor(20, 20, 20);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(0.0, 1.0, kCardWidth, 15.0), Qt::AlignCenter, code.left(1));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(suitPath(suit, QRectF(5.0, 16.0, kCardWidth - 10.0, 14.0)));
    return pixmap;
}

}  // namespace

QPixmap ImageList::picture(int k) const {
    return k >= 1 && k <= count() ? pictures_[static_cast<std::size_t>(k - 1)] : QPixmap();
}

const ImageList& ImageList1() {
    static const ImageList list(balls(
        {QColor(255, 255, 255), QColor(236, 236, 236), QColor(150, 150, 158), QColor(20, 20, 20)}));
    return list;
}

const ImageList& ImageList2() {
    static const ImageList list(
        balls({QColor(255, 140, 140), QColor(214, 24, 32), QColor(110, 0, 8), QColor(Qt::white)}));
    return list;
}

const ImageList& ImageList3() {
    static const ImageList list([] {
        std::vector<QPixmap> out;
        for (int k = 1; k <= 16; ++k) {
            out.push_back(paintCard(k));
        }
        return out;
    }());
    return list;
}
