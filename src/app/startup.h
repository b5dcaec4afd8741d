#pragma once
class QApplication;

// Registers the program's windows, opens the main window and runs until the program ends.
int runProgram(QApplication& application);
