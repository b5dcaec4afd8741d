#pragma once
// The name of every window of the program, by subsystem. A window's kName, its launcher and
// the tests' stand-ins all use these constants, so a misspelt window name does not compile.
#include <QString>

namespace windownames {

// The main window and its own windows.
inline const QString Form1 = QStringLiteral("Form1");
inline const QString Form2 = QStringLiteral("Form2");
inline const QString Form3 = QStringLiteral("Form3");
inline const QString Form14 = QStringLiteral("Form14");
inline const QString editEntry = QStringLiteral("editEntry");
inline const QString frmAbout = QStringLiteral("frmAbout");

// Entry tools, history check, statistics and optimiser.
inline const QString Form4 = QStringLiteral("Form4");
inline const QString Form5 = QStringLiteral("Form5");
inline const QString Form6 = QStringLiteral("Form6");
inline const QString Form8 = QStringLiteral("Form8");
inline const QString Form12 = QStringLiteral("Form12");
inline const QString Form26 = QStringLiteral("Form26");
inline const QString Form30 = QStringLiteral("Form30");
inline const QString LinkProcess = QStringLiteral("LinkProcess");

// Wheels.
inline const QString wheel4 = QStringLiteral("wheel4");
inline const QString Wheel5 = QStringLiteral("Wheel5");
inline const QString wheel6 = QStringLiteral("wheel6");
inline const QString wheel7 = QStringLiteral("wheel7");

// Pick 3 and Pick 4.
inline const QString Pick3 = QStringLiteral("Pick3");
inline const QString p34history = QStringLiteral("p34history");
inline const QString AddEntriesP34 = QStringLiteral("AddEntriesP34");
inline const QString Deletepick34 = QStringLiteral("Deletepick34");
inline const QString p34stats = QStringLiteral("p34stats");

// Playslips.
inline const QString PrintManager = QStringLiteral("PrintManager");
inline const QString configure = QStringLiteral("configure");
inline const QString adjust = QStringLiteral("adjust");
inline const QString Form11 = QStringLiteral("Form11");

// Internet updates.
inline const QString RDL = QStringLiteral("RDL");
inline const QString Form10 = QStringLiteral("Form10");

}  // namespace windownames
