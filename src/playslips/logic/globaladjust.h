#pragma once
// The global print adjustment of a game: how far every printed mark is moved, in millimetres,
// kept in the game's adjustments file as one 8-byte record (vertical, then horizontal, each a
// little-endian 32-bit float; positive is Up and Left) and typed into four boxes.
#include <QByteArray>
#include <QString>

struct GlobalAdjustment {
    float vertical = 0;    // mm: > 0 the Up value, < 0 minus the Down value
    float horizontal = 0;  // mm: > 0 the Left value, < 0 minus the Right value
    bool operator==(const GlobalAdjustment&) const = default;
};

inline constexpr int kAdjustRecordSize = 8;
// The largest distance a box may hold: more is no place on a playslip.
inline constexpr double kMaxAdjustMm = 1000.0;

// The adjustments file of a game: the data folder and the game name + "adjusts.dat", joined by
// "/".
QString adjustmentsPath(const QString& datapath, const QString& gamename);

QByteArray adjustRecord(const GlobalAdjustment& a);
// Record 1 of the file's bytes; missing bytes read as zeros, a value that is no number as 0.
GlobalAdjustment adjustmentFromBytes(const QByteArray& bytes);
// The file's adjustment; a missing or unreadable file is no adjustment.
GlobalAdjustment readAdjustments(const QString& path);

// The four boxes as the window shows an adjustment: Up, Down, Left, Right.
struct AdjustBoxes {
    QString up, down, left, right;
};
AdjustBoxes adjustmentBoxes(const GlobalAdjustment& a);

struct TypedAdjustment {
    QString refusal;  // the message when the boxes cannot be used; empty when they can
    GlobalAdjustment mm;
};
// The adjustment the four boxes give. Both boxes of an axis above 0 are refused (Left and
// Right first), and so is a negative or too large distance.
TypedAdjustment typedAdjustment(const AdjustBoxes& boxes);

// The adjustment in twips as the marks are moved by it: x by horizontal, y by vertical.
struct AdjustTwips {
    float horizontal = 0;
    float vertical = 0;
};
AdjustTwips toTwips(const GlobalAdjustment& a);
