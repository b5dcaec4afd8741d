#pragma once
// Printing lists on the current printer, one job per list.
#include <QStringList>

class QListWidget;

// Prints the lines as one job. A printer failure ends the job with what was printed so far and
// is reported.
void printlines(const QStringList& lines);
// The lines of a printed list: three empty lines, then each text indented by 16 blanks.
QStringList listprintlines(const QStringList& texts);
// Prints the list's lines as listprintlines lays them out; refuses an empty list.
void printlist(const QListWidget& list);
