// The entry file shown in the main window: dated, standing and wheel files, and deleting entries.
#include "app/Form1.h"
#include "app/module1routines.h"

void Form1::DTPicker2_Change() {}
void Form1::mnustandcreate_Click() {}
void Form1::mnuStandOpen_Click() {}
void Form1::openwheel(const QString&) {}
void Form1::mnuWheelItem_Click(int) {}
void Form1::Command3_Click() {}
void Form1::Command5_Click() {}

void setwheelmenus(Form1&, qint16) {}
