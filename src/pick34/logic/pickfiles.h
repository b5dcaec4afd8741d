#pragma once
// Names of the Pick 3 and Pick 4 files, all in the data folder, built from the Pick window's own
// state (game, draw time, entry date), never taken apart from a path.
#include <QDate>
#include <QString>

enum class PickTime { Day, Night };

inline PickTime otherTime(PickTime t) {
    return t == PickTime::Day ? PickTime::Night : PickTime::Day;
}
// The draw-time word of captions: "Day" or "Evening".
QString pickdrawtimeWord(PickTime time);
// The draw-time word of file names: "Day" or "Night".
QString pickFileTimeWord(PickTime time);
// "Pick 3" or "Pick 4".
QString pickgametitle(int game);
// Digits in a draw or entry of the game: 3 or 4.
inline int pickDigitCount(int game) {
    return game == 4 ? 4 : 3;
}

// "XWPick3Day.rtl" .. "XWPick4Night.rtl".
QString pickResultsFileName(int game, PickTime time);
// "Pick4Night05Mar2012.lot": the date part in the order of dateorder.
QString pickDatedEntryFileName(int game, PickTime time, const QDate& date,
                               const QString& dateorder);
// "Pick3StandDay.lot" .. "Pick4StandNight.lot".
QString pickStandingFileName(int game, PickTime time);

// The date as text of its eight-digit key: the year, then two-digit month and day.
QString getstringdate(int year, int month, int day);
// Whether the path names a folder; a plain file or a missing path is not one.
bool DirExists(const QString& ADir);
