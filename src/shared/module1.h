#pragma once
// The state that more than one window reads: the current game, the data folder, the file open
// in the main window, the wait flags and the values a window hands to the child it opens.
// Everything starts at zero, false or empty and lives for the whole run.
#include <array>

#include <QString>

struct Module1 {
    // Current game, loaded by setupgame from the slot's game record.
    qint16 gamenumber = 0;
    QString gamefile;  // "game1.dat" .. "game5.dat", blank-padded to 12
    QString gamename;
    qint16 ballsdrawn = 0;
    qint16 bonusdrawn = 0;
    qint16 mainpool = 0;
    qint16 bonusfrommain = 0;
    qint16 bonuspool = 0;
    qint16 mainperentry = 0;
    qint16 bonusperentry = 0;
    std::array<qint16, 16> prizelevels{};
    std::array<qint16, 8> drawdays{};
    qint16 ballcolour = 0;
    QString extraballid;
    QString extraballname;

    // Main window state.
    QString datapath;
    QString dateorder;
    QString selectionfile;
    qint16 openwheeltype = 0;
    bool printeravailable = false;
    QString resultsfile;
    qint16 drawday = 0;
    qint16 drawmonth = 0;
    qint16 drawyear = 0;
    qint16 drawrecordno = 0;
    std::array<qint16, 9> drawnumbers{};
    qint16 editrecordno = 0;

    // Wait flags and hand-back values.
    bool dialogdone = false;
    bool windowdone = false;
    bool linkclosed = false;
    bool historyopen = false;
    bool historypicked = false;
    bool entriesimported = false;
    bool linkfilechanged = false;
    bool linkentriesmade = false;
    bool linkprocessed = false;
    bool cancelflag = false;
    double historylinecount = 0;
    bool historylimitreached = false;
    qint16 statsball = 0;
    QString statsballcaption;
    qint16 statsmode = 0;

    // Values for the wheel, Pick, playslip and printer windows.
    QString wheelgamename;
    QString wheelresultsfile;
    qint16 wheelpoolsize = 0;
    qint16 wheelbonusmode = 0;
    QString wheellotteryname;
    qint16 pickgame = 0;
    QString pickgametitle;
    QString pickdrawtime;
    QString pickresultsfile;
    QString pickentryfile;
    qint16 pickdrawcount = 0;
    QString pickdrawcounttext;
    QString statsresultsfile;
    QString statsdrawtime;
    QString keptdrawtime;  // the Pick window's draw time over a game switch and a reopening
    QString configgamename;
    QString slipmode;
    QString boardname;
    qint32 currentboard = 0;
    qint16 boardcount = 0;
    qint16 markwidth = 0;
    qint16 marklength = 0;
    float adjusthorizontal = 0;
    float adjustvertical = 0;
    bool adjustdone = false;
    bool printersfrommain = false;
};

// The one instance of the program's shared state.
Module1& m1();
// Back to the start-of-run state (tests start each case from here).
void resetModule1();

// Deletes the entry file open in the main window when it holds no entries.
void deleteemptyselection();
