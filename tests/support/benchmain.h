// The main shared by the benchmarks that drive windows: Qt offscreen, English (UK), a temporary
// data folder, a fixed clock and a player who answers every message Yes or OK.
#pragma once

#include <QByteArray>
#include <QString>

namespace benchsupport {

// The run's temporary data folder, already the program's data path when setUpBenchmarks() runs.
QString dataFolder();

// Writes a fixture file into the data folder; a run on partial data would time the wrong thing,
// so a failed write stops it.
void writeDataFile(const QString& name, const QByteArray& bytes);

}  // namespace benchsupport

// Each benchmark file defines this: its fixture data, its own seams and its window registration.
// It runs once, after Qt has started and before the first benchmark.
void setUpBenchmarks();
