#pragma once
// Games, scripted random numbers and record lists for the entry logic tests.
#include <deque>
#include <initializer_list>
#include <vector>

#include "entries/logic/entrygame.h"
#include "shared/drawrecord.h"

namespace testgame {

// k main numbers from 1..pool; an extra from its own pool `bonus` (0 = none).
entries::EntryGame lotto(int k, int pool, int bonus = 0);
// k main numbers from 1..pool and an extra drawn from the main pool, carried by each entry.
entries::EntryGame extraFromMain(int k, int pool);
PrizeLevels levels(std::initializer_list<int> counted);
PrizeLevels allLevels();

DrawRecord draw(int day, int month, int year, std::initializer_list<int> balls, int extra = 0);
DrawRecord entry(std::initializer_list<int> balls, int extra = 0);

// A random source that plays the given values in turn and fails the test when it runs out.
struct ScriptedRandom {
    std::deque<double> values;
    double operator()();
};

}  // namespace testgame
