// The main shared by the benchmarks that drive windows: Qt offscreen, English (UK), a temporary
// data folder, a fixed clock and a player who answers every message Yes or OK.
#pragma once

#include <QString>

namespace benchsupport {

// The run's temporary data folder, already the program's data path when setUpBenchmarks() runs.
QString dataFolder();

}  // namespace benchsupport

// Each benchmark file defines this: its fixture data, its own seams and its window registration.
// It runs once, after Qt has started and before the first benchmark.
void setUpBenchmarks();
