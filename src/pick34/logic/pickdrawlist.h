#pragma once
// The draw history as the history window lists it: one fixed-column line per draw, in file order.
#include <QString>
#include <QStringList>

#include "pick34/logic/pickrecord.h"

// "00001  05  03 2012 123": the ordinal in five digits, the date in the order of dateorder (day
// and month each a blank and two digits), then the digits run together. Empty when dateorder is
// none of "DDMMYY", "MMDDYY", "YYMMDD".
QString p34historyline(const PickRecord& draw, int game, const QString& dateorder);
// The lines of the counted draws; none for an unknown date order.
QStringList p34historylines(const PickImage& draws, int game, const QString& dateorder);
