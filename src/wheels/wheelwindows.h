#pragma once
// Registers the four wheel windows (wheel4, Wheel5, wheel6, wheel7) with the window model,
// replacing their stand-ins.
void registerWheelWindows();
