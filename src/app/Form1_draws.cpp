// The draw of the picked date: looking it up, showing its balls, deleting it, adding one.
#include "app/Form1.h"
#include "app/module1routines.h"

void Form1::DTPicker1_Change() {}
void Form1::Command1_Click() {}
void Form1::Command2_Click() {}

void showball(Form1&, int, int) {}
