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

class Form1;
class WheelForm;

// The main window started on one game, and the wheel window it opens through Wheels > Create.
class WheelWindowTest : public WheelTest {
protected:
    void SetUp() override;

    // Writes game 1 (k main balls of 1..pool, its own extra pool when bonuspool > 0, extra ball
    // named "Powerball") and starts the main window on it.
    Form1& startGame(int k, int pool, int bonuspool);
    // Opens the wheel window of the game as the main window's Wheels > Create does.
    WheelForm& openWheel();
    // Results history draws with these main numbers, each with this extra.
    void writeHistory(const std::vector<std::vector<int>>& draws, int extra = 0) const;
    // Types the numbers into the first boxes.
    static void typeNumbers(WheelForm& form, const std::vector<const char*>& numbers);
};

// The 24 box texts: the given ones first, the rest empty.
std::array<QString, 24> boxTexts(const std::vector<const char*>& texts);

// Gives the listed values in turn; asking for more fails the test.
std::function<double()> scriptedRandom(std::vector<double> values);
