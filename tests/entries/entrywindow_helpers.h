#pragma once
// The entry tool windows over a started main window: the real Form5 and Form6 registered, a
// results history and entry files written by hand.
#include <initializer_list>

#include "app/entries_helpers.h"

class EntryWindowTest : public EntriesTest {
protected:
    void SetUp() override;

    // Writes the game's results history: one draw per row, dated as given, oldest first.
    struct Draw {
        int day;
        int month;
        int year;
        std::vector<int> balls;
        int extra = 0;
    };
    void writeHistory(std::initializer_list<Draw> draws);
    void writeHistory(const std::vector<Draw>& draws);
};
