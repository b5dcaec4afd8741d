// Adding and editing entries, and printing the two lists.
#include "app/Form1.h"

void Form1::Command4_Click() {}
void Form1::Command6_Click() {}
void Form1::Command9_Click() {}
void Form1::Command10_Click() {}
