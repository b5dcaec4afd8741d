#include "playslips/logic/globaladjust.h"

#include <cmath>

#include <QFile>

#include "playslips/logic/playslipconfig.h"
#include "playslips/logic/playslipnumbers.h"
#include "shared/gamefiles.h"
#include "shared/littleendian.h"

namespace {

float finiteOrZero(float v) {
    return std::isfinite(v) ? v : 0.0F;
}

// A float as a box shows it: up to seven significant digits, no point for a whole number.
QString boxText(float v) {
    return QString::number(static_cast<double>(v), 'g', 7);
}

}  // namespace

QString adjustmentsPath(const QString& datapath, const QString& gamename) {
    return datapath + u'/' + adjustFileName(gamename);
}

QByteArray adjustRecord(const GlobalAdjustment& a) {
    QByteArray b(kAdjustRecordSize, '\0');
    putSingle(b, 0, a.vertical);
    putSingle(b, 4, a.horizontal);
    return b;
}

GlobalAdjustment adjustmentFromBytes(const QByteArray& bytes) {
    QByteArray b = bytes.left(kAdjustRecordSize);
    b.append(QByteArray(kAdjustRecordSize - b.size(), '\0'));
    return {finiteOrZero(getSingle(b, 0)), finiteOrZero(getSingle(b, 4))};
}

GlobalAdjustment readAdjustments(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return adjustmentFromBytes(file.read(kAdjustRecordSize));
}

AdjustBoxes adjustmentBoxes(const GlobalAdjustment& a) {
    const QString zero = QStringLiteral("0");
    AdjustBoxes boxes{zero, zero, zero, zero};
    if (a.vertical > 0) {
        boxes.up = boxText(a.vertical);
    } else if (a.vertical < 0) {
        boxes.down = boxText(-a.vertical);
    }
    if (a.horizontal > 0) {
        boxes.left = boxText(a.horizontal);
    } else if (a.horizontal < 0) {
        boxes.right = boxText(-a.horizontal);
    }
    return boxes;
}

TypedAdjustment typedAdjustment(const AdjustBoxes& boxes) {
    const double up = boxNumber(boxes.up);
    const double down = boxNumber(boxes.down);
    const double left = boxNumber(boxes.left);
    const double right = boxNumber(boxes.right);
    if (left > 0 && right > 0) {
        return {QStringLiteral("You cannot have a value in both Left and Right, please make one "
                               "or more zero."),
                {}};
    }
    if (up > 0 && down > 0) {
        return {QStringLiteral(
                    "You cannot have a value in both Up and Down, please make one or more zero."),
                {}};
    }
    for (double v : {up, down, left, right}) {
        if (v < 0 || v > kMaxAdjustMm) {
            return {QStringLiteral("Each adjustment is a distance from 0 to %1 mm: type it in "
                                   "the box of the direction to move, and 0 in the other.")
                        .arg(kMaxAdjustMm),
                    {}};
        }
    }
    // Both boxes 0 is +0, never a stored -0.
    const auto axis = [](double plus, double minus) {
        return static_cast<float>(plus > 0 ? plus : minus > 0 ? -minus : 0.0);
    };
    return {{}, {axis(up, down), axis(left, right)}};
}

AdjustTwips toTwips(const GlobalAdjustment& a) {
    return {static_cast<float>(a.horizontal * kMmToTwips),
            static_cast<float>(a.vertical * kMmToTwips)};
}
