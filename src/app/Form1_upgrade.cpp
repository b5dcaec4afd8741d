// Checking whether a newer version of the program exists.
#include "app/Form1.h"

void Form1::mnuUpgrade_Click() {}
