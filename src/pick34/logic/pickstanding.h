#pragma once
// Which entry file the Pick window lists, and where its whole-file copies go: the standing file
// of the game and draw time, or the dated file of the other draw time. Every name is built from
// the window's own state, so the data folder's name plays no part.
#include <QDate>
#include <QString>

#include "pick34/logic/pickfiles.h"

struct PickEntryView {
    int game = 3;
    PickTime time = PickTime::Night;
    QDate date;             // the entry date
    bool standing = false;  // the standing file is listed instead of the dated one
};

// The name of the entry file the window lists.
QString listedEntryFileName(const PickEntryView& view, const QString& dateorder);

struct OtherTimeCopy {
    QString target;    // file name in the data folder
    QString question;  // asked when the target holds entries
};
// The dated file of the same game and date for the other draw time.
OtherTimeCopy otherTimeCopy(int game, PickTime source, const QDate& date, const QString& dateorder);
