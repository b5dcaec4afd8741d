#pragma once
// The four wheel windows (wheel4, Wheel5, wheel6, wheel7) are one window class, registered with
// the window model under each name, replacing their stand-ins.
#include <QString>

// The name of the wheel window for k main balls per entry (4..7); empty for another k.
QString wheelWindowName(int k);

void registerWheelWindows();
