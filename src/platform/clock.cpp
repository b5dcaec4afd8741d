#include "platform/clock.h"

#include <random>

namespace platform {
namespace {
std::function<QDateTime()> clock;
std::mt19937& generator() {
    static std::mt19937 g(std::random_device{}());
    return g;
}
}  // namespace

void setClock(std::function<QDateTime()> c) {
    clock = std::move(c);
}
QDateTime now() {
    return clock ? clock() : QDateTime::currentDateTime();
}
QDate today() {
    return now().date();
}

double rnd() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator());
}
void randomize(quint32 seed) {
    generator().seed(seed);
}

}  // namespace platform
