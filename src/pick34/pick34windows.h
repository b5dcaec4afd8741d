#pragma once
// Registers the windows of the Pick 3 and Pick 4 player with the window model.
void registerPick34Windows();
