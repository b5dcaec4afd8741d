// Loading the selected game slot into the module state and laying the window out for it.
#include "app/Form1.h"

void Form1::setupgame() {}
