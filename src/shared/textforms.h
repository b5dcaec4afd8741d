#pragma once
// The text forms built from records: entry lines, dated file names, date keys, card codes.
#include <array>

#include <QDate>
#include <QString>

inline const QString kWildCardGame = QStringLiteral("WildCard2");

// The card code of card n (1..16), empty for any other n.
QString cardname(int n);
// Upper-cases s in place, then gives its card number 1..16, or -1 when it is no card code.
int cardnumber(QString& s);

// One entry or draw as a line: "01 05 12 23 34 45 PB 07"; without extra it ends in a blank.
QString entryline(const std::array<qint16, 7>& balls, qint16 extra, const QString& extraballid,
                  const QString& gamename);

// "DDMMYY", "MMDDYY", "YYMMDD" from the short-date text of 31 December 3299; else empty.
QString dateOrderFromShortDate(const QString& shortDateOf31Dec3299);

// The date pickers' custom format in the order of dateorder ("yyy" is the full year).
QString pickerFormat(const QString& dateorder);

// The date part of a dated entry file name in the order of dateorder: "05Mar2012".
QString filedate(const QDate& date, const QString& dateorder);

// The date as the number yyyymmdd, by which draws are ordered.
qint32 datekey(int year, int month, int day);

// The system's abbreviated month name ("mmm").
QString monthAbbreviation(int month);
