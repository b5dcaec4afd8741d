// The menu items and pictures that open the other windows, help and the about box.
#include "app/Form1.h"

void Form1::Image1_Click() {}
void Form1::Image3_Click() {}
void Form1::mnuDelete_Click() {}
void Form1::mnuFilter_Click() {}
void Form1::mnuImport_Click() {}
void Form1::mnuLoadRTLs_Click() {}
void Form1::mnuName1_Click() {}
void Form1::mnuName2_Click() {}
void Form1::mnuName3_Click() {}
void Form1::mnuName4_Click() {}
void Form1::mnuName5_Click() {}
void Form1::mnuOptCreate_Click() {}
void Form1::mnupick3_Click() {}
void Form1::mnupick4_Click() {}
void Form1::mnuprinters_Click() {}
void Form1::mnuResults_Click() {}
void Form1::mnuTicketPrinting_Click() {}
void Form1::mnuWheelCreate_Click() {}
void Form1::mnuHelp_Click() {}
void Form1::mnuAbout_Click() {}
