#pragma once
// Processing pending events, the 10 ms wait loops on a flag, and ending the program.
namespace platform {

void doEvents();
// Processes events and sleeps 10 ms per turn until the flag is true or the program ends.
void waitUntil(const bool& flag);
// Stops the program: every window closes, every wait is released, the event loop quits.
void endProgram();
bool programEnded();
// Tests start each case with a live program again.
void resetProgramEnded();

}  // namespace platform
