#include "playslips/logic/boardadjust.h"

#include "playslips/logic/playslipnumbers.h"

std::vector<std::pair<int, QString>> adjustBoxes(const std::array<QString, 130>& boxes,
                                                 Vertical vertical, const QString& verticalMm,
                                                 Horizontal horizontal,
                                                 const QString& horizontalMm) {
    std::vector<std::pair<int, QString>> writes;
    const auto shift = [&](int first, double by) {
        if (by == 0) {
            return;
        }
        for (int i = first; i < static_cast<int>(boxes.size()); i += 2) {
            const double v = boxNumber(boxes[static_cast<std::size_t>(i)]);
            if (v > 0) {
                writes.emplace_back(i, adjustedText(v + by));
            }
        }
    };
    const double d = boxNumber(verticalMm);
    const double e = boxNumber(horizontalMm);
    shift(1, vertical == Vertical::Up ? d : -d);
    shift(0, horizontal == Horizontal::Left ? e : -e);
    return writes;
}
