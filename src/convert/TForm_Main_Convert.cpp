// The two Japanese-to-Chinese commands on the main window.
// Placeholder seams until the commands arrive.
#include "app/TForm_Main.h"

void TForm_Main::Button1Click() {}
void TForm_Main::Button2Click() {}
