#pragma once
// The lines of a wheel's printed cover page.
#include <QString>
#include <QStringList>

#include "wheels/design/wheeltable.h"

namespace wheels {

struct CoverInput {
    QString gamename;
    const wheeldesign::WheelType* type = nullptr;
    QStringList visibleBoxes;  // the texts of the shown number boxes, in box order
    QString groupSize;         // the list's chosen item
    int entries = 0;           // E
};

// The page line by line, an empty text for an empty line. The numbers print in box order as
// typed: a whole number without its leading zeros or blanks, anything else as it stands, and
// an empty box not at all, so the page is always whole.
QStringList coverLines(const CoverInput& input);

}  // namespace wheels
