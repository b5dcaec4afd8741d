#pragma once
// The fixed-column line of one draw in the draw history list, and reading its date back.
#include <QDate>
#include <QString>

#include "shared/drawrecord.h"

// "00012 15 03 2012: 05 12 23 34 45 PB 07" for the order DDMMYY.
QString historyline(const DrawRecord& draw, const QString& dateorder, const QString& extraballid,
                    const QString& gamename);
// The date written in a history line; an invalid date when the line holds none.
QDate historyLineDate(const QString& line, const QString& dateorder);
