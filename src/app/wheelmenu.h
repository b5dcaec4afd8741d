#pragma once
// The Wheels > Open items and the names of a game's wheel entry files, both taken from the wheel
// design table so that the menu, the wheel windows and the files never disagree.
#include <array>

#include <QString>

// One Wheels > Open item: the wheel type k-d-m and its type number among the wheels of k balls.
struct WheelMenuItem {
    int k;
    int d;
    int m;
    int openwheeltype;
    QString caption;  // "Guarantee Match 4 if 5 Picked from Group"
};

// Top to bottom: 7-ball wheels first, each ball count in the order of its wheel window's types.
const std::array<WheelMenuItem, 24>& wheelMenuItems();

// "Lotto-6-5-4.lot": the wheel entry file of a game for the wheel type k-d-m.
QString wheelEntryFileName(const QString& gamename, int k, int d, int m);
