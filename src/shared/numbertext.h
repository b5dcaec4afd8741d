#pragma once
// Numbers typed into boxes or read from text lines.
#include <QString>

// The value of the leading decimal number of the text (leading blanks skipped, optional sign,
// a point as the decimal separator); 0 when the text does not start with a number.
double leadingNumber(const QString& text);
// Rounded to the nearest integer, halves to even, held within the 16-bit range.
qint16 toInteger16(double value);
// leadingNumber stored in a 16-bit integer: the one conversion every box uses.
qint16 textToInteger(const QString& text);
