#pragma once
// The number group of a wheel window: what choosing a group size does to the 24 boxes and to
// "Entries Required", without the widgets.
#include <array>

#include <QString>

#include "wheels/logic/wheelranking.h"

namespace wheels {

struct GroupBoxes {
    int numballs = 0;      // n last accepted; 0 until the first
    int visible = kBoxes;  // boxes shown, from the first
    QString entries;       // "Entries Required": E of the type and n
    std::array<QString, kBoxes> texts;
};

// The list's text names a size of the window's type wheeltype: that size is taken, with its
// boxes and E; a text that names no size keeps the previous size. Either way every box is
// emptied and the first n refilled with suggestions 1..n, lowest number first.
void chooseGroupSize(GroupBoxes& group, int k, int wheeltype, const QString& itemText,
                     const Suggestions& suggested);

}  // namespace wheels
