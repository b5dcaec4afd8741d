#pragma once
class QApplication;

// Opens the main window and runs until the program ends. The windows are registered first.
int runProgram(QApplication& application);
