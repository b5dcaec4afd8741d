#pragma once
// Wheel tests: shipped wheel data files and hand-made ones in the temporary data folder.
#include <array>
#include <functional>
#include <initializer_list>
#include <vector>

#include <QByteArray>
#include <QString>

#include "support/kestrovatest.h"

class WheelTest : public KestrovaTest {
protected:
    // Copies data/wheels/<name> into the data folder's wheels folder.
    void shipWheel(const QString& name) const;
    // Writes a wheel data file of this text into the data folder's wheels folder.
    void writeWheel(const QString& name, const QByteArray& text) const;
};

// The 24 box texts: the given ones first, the rest empty.
std::array<QString, 24> boxTexts(const std::vector<const char*>& texts);

// Gives the listed values in turn; asking for more fails the test.
std::function<double()> scriptedRandom(std::vector<double> values);
