#include "app/startup.h"

#include <QApplication>

int runProgram(QApplication& application) { return application.exec(); }
