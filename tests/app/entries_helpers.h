#pragma once
// Tests of the entries frame: a started main window with a game loaded from its slot file,
// entry files built by hand, and a shown draw.
#include <initializer_list>
#include <vector>

#include "app/app_helpers.h"

struct EntryRow {
    std::vector<int> balls;
    int extra = 0;
};

class EntriesTest : public MainWindowTest {
protected:
    // Starts the main window and loads a game "Lotto" of `balls` from 1..pool, with an extra
    // from its own pool `bonus` (0 = none), every level counted, every day a draw day.
    Form1& startGame(int balls, int pool, int bonus = 0, const QString& name = "Lotto");
    // An entry file: the count in record 1 only.
    static QByteArray entryFile(std::initializer_list<EntryRow> rows);
    // Writes the dated entry file of 5 March 2012 and lists it through the picker's handler.
    void listDated(Form1& form, std::initializer_list<EntryRow> rows);
    // Shows a draw in the ball row.
    static void showDraw(Form1& form, std::initializer_list<int> balls, int extra = 0);
    static QStringList lines(const QListWidget& list);
    static std::vector<int> selectedRows(const QListWidget& list);
    static void select(Form1& form, std::initializer_list<int> rows);
};
