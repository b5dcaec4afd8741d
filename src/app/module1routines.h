#pragma once
// The shared routines that several windows call: building entry lines into lists, clearing the
// main window, the printer, the date order, calendar colours and the internet check.
#include <array>

#include <QString>

class Form1;
class QListWidget;
namespace platform {
class DTPicker;
}

using Balls = std::array<qint16, 7>;

// Empties the main window: no wheel type, no ball pictures, no entries, no winning lines,
// count 0, no entry file.
void cleardisplay(Form1& form);
// Adds the entry line of these numbers to the list.
void addentryline(QListWidget& list, const Balls& balls, qint16 extra);
// Adds the entry line directly followed by the label.
void adddrawline(QListWidget& list, const Balls& balls, qint16 extra, const QString& label);
// Adds the entry line, one blank more when it has an extra number, and the label: the result
// lines of the history check, on the page list the caller passes.
void addhistoryline(QListWidget& list, const Balls& balls, qint16 extra, const QString& label);
// Shows the number in ball picture `position` (0..6 main balls, 7 the extra ball).
void showball(Form1& form, int position, int number);
// Shows the Wheels > Open items of this ball count only; other counts change nothing.
void setwheelmenus(Form1& form, qint16 balls);

// The current printer's font becomes Courier New 10; errors are ignored.
void setprinterfont();
// Selects the printer named in print.dat, else the last one listed; false (after telling the
// player) when there is none.
bool loadprinter();

// Sets dateorder from the system's short date of 31 December 3299; the picker keeps that date
// as its maximum.
void getdateorder(platform::DTPicker& picker);
void setcalendarcolours(platform::DTPicker& picker);

// Whether an internet session can be opened; ok tells the callers whether to go on.
bool isconnected(bool& ok);
