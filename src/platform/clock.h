#pragma once
// The time of day and the random numbers, behind one seam so tests are repeatable.
#include <functional>

#include <QDate>
#include <QDateTime>

namespace platform {

QDate today();
QDateTime now();
// Tests fix the clock; an empty function restores the system clock.
void setClock(std::function<QDateTime()> clock);

// Uniform in [0, 1).
double rnd();
// Reseeds the generator.
void randomize(quint32 seed);

}  // namespace platform
