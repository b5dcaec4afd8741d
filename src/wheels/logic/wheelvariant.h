#pragma once
// What sets the four wheel windows apart, as data: balls per entry, the guarantee options in
// their columns, the extra-ball options and how a save clears the main window. One window
// class reads these tables; wheeldesign's table holds the guarantees and their sizes.
#include <array>
#include <vector>

#include <QString>
#include <QStringList>

#include "wheels/design/wheeltable.h"

namespace wheels {

enum class ExtraRule { None, Spread, Random, Optimized };

struct WheelVariant {
    int k = 0;
    bool hasBonusFrame = true;
    // Object names of the "Spread", "Random" and "Optimized" options, top to bottom.
    std::array<QString, 3> extraOptions;
    // wheel4 selects "Optimized" even when the game has no extra pool and the frame is off.
    bool optimizedWhenUnused = false;
    // wheel4 clears the main window with its ball pictures; the others leave the pictures.
    bool resetHidesBalls = false;
};

// The variant of k = 4..7, or nullptr.
const WheelVariant* wheelVariant(int k);
const std::vector<WheelVariant>& wheelVariants();

// One column of guarantee options under its heading ("Any 5 from Group Picked"), as the
// window lays them out: columns by d, highest first; options in type order.
struct GuaranteeColumn {
    int d = 0;
    QString heading;
    std::vector<const wheeldesign::WheelType*> types;
};
std::vector<GuaranteeColumn> guaranteeColumns(int k);

// The group sizes of a type as the list shows them: "7", "8", ...
QStringList groupSizeItems(const wheeldesign::WheelType& type);

// "Lotto-6-5-4.lot": the game's wheel entry file of the type.
QString wheelEntryFileName(const QString& gamename, const wheeldesign::WheelType& type);

// "Guarantee Match 5 if any 6 drawn from the following number group:"
QString guaranteeLine(const wheeldesign::WheelType& type);

}  // namespace wheels
