// Finding the game's installation directory on the main window.
// Placeholder seams until the installation directory arrives.
#include "app/TForm_Main.h"

QString TForm_Main::LocateInstallDir() { return QString(); }
void TForm_Main::X1Click() {}
