#include "wheels/logic/wheelgroup.h"

#include <algorithm>

#include "shared/numbertext.h"
#include "wheels/design/wheeltable.h"

namespace wheels {

void chooseGroupSize(GroupBoxes& group, int k, int wheeltype, const QString& itemText,
                     const Suggestions& suggested) {
    group.texts.fill(QString());
    const int n = textToInteger(itemText.trimmed());
    if (const wheeldesign::WheelType* type = wheeldesign::findWheelType(k, wheeltype)) {
        if (const wheeldesign::WheelSize* size = type->size(n)) {
            group.numballs = n;
            group.visible = n;
            group.entries = QString::number(size->entries);
        }
    }
    const int count = std::clamp(group.numballs, 0, kBoxes);
    for (int i = 0; i < count; ++i) {
        group.texts[static_cast<std::size_t>(i)] =
            QString::number(suggested[static_cast<std::size_t>(i + 1)]);
    }
    std::stable_sort(
        group.texts.begin(), group.texts.begin() + count,
        [](const QString& a, const QString& b) { return leadingNumber(a) < leadingNumber(b); });
}

}  // namespace wheels
