#pragma once
// The numbers of the coordinate boxes: read from typed text, and written back in the forms the
// settings window, the board suggestion and the adjustment use.
#include <QString>

// The longest leading decimal number of the text: leading blanks skipped, optional sign, "." as
// the decimal point, an optional exponent ("1.5E+2"); 0 when there is none or it is not finite.
double boxNumber(const QString& text);

// A stored position as its box shows it: empty for 0 or below; else the shortest form with up
// to 7 significant digits, a point, and no zero before it ("12.5", ".5", "1234.568").
QString markText(float mm);
// A position the suggestion computed: as markText, but 0 is written as "0".
QString suggestedText(float mm);
// A shifted position: up to 15 significant digits, no zero before the point, a minus sign for
// negatives ("12", "-.5").
QString adjustedText(double mm);
