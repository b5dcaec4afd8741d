#pragma once
// Saving a wheel: the player's numbers checked, the wheel data file of the guarantee and group
// size read through the strict parser, and the whole wheel entry file built in memory, so the
// window writes it in one go or not at all.
#include <array>
#include <functional>

#include <QByteArray>
#include <QString>

#include "wheels/logic/wheelranking.h"
#include "wheels/logic/wheelvariant.h"

namespace wheels {

// Elements 1..24 hold the numbers of the 24 boxes; element 0 is not used.
using TheBalls = std::array<qint16, kBoxes + 1>;

// Each box's text as the number it starts with (an empty box is 0).
TheBalls readTheBalls(const std::array<QString, kBoxes>& boxes);
// Elements 1..n in ascending order.
void ordertheballs(TheBalls& theballs, int n);

enum class SaveProblem {
    None,
    Same,             // two of the n numbers are equal
    OutOfRange,       // a number below 1 or above the pool
    DataFileMissing,  // no wheel data file of this guarantee and size can be read
    TooFewDraws,      // "Optimized" needs 3 draws with an extra ball
    DataFileCorrupt,  // the data file is not a well-formed wheel of this size
};

// The numbers check: repeats first, then the range 1..pool; elements 1..n are used sorted.
SaveProblem checkTheBalls(const TheBalls& theballs, int n, int pool);

struct WheelSaveInput {
    QString datapath;
    QString wheelgamename;  // names the entry file
    QString gamename;       // names the results file that "Optimized" draws from
    int k = 0;
    int wheeltype = 0;
    int numballs = 0;
    std::array<QString, kBoxes> boxes;
    int poolsize = 0;
    ExtraRule rule = ExtraRule::None;
    int bonuspool = 0;
};

struct PreparedWheel {
    SaveProblem problem = SaveProblem::None;
    QString detail;     // what the parser found, for a corrupt data file
    QString dataFile;   // the wheel data file read
    QString entryFile;  // the wheel entry file to write
    QByteArray bytes;   // the whole new entry file, E records
    int entries = 0;    // E
};

// Everything a save does before it writes: nothing on disk changes. rnd gives the uniform
// [0, 1) numbers of the "Random" and "Optimized" extras.
PreparedWheel prepareWheel(const WheelSaveInput& input, const std::function<double()>& rnd);

// The message shown for a problem (None gives an empty text).
QString saveProblemMessage(const PreparedWheel& prepared);

// The count in record 1 of an entry file, read without creating it; 0 when missing.
qint32 storedEntryCount(const QString& path);

// The extras 1..bonuspool of the counted draws of a results history image, in draw order:
// the draws "Optimized" picks from, since a draw without an extra has none to give.
std::vector<qint16> drawnExtras(const QByteArray& history, int bonuspool);

}  // namespace wheels
