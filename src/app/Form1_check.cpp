// Checking the listed entries against the shown draw, and the history check's preliminaries.
#include "app/Form1.h"

void Form1::Command14_Click() {}
void Form1::Command12_Click() {}
