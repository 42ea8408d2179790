// The seven relationship pickers and their roster entries.
// Placeholder seams until the roster arrives.
#include <QComboBox>

#include "app/TForm_Main.h"

void TForm_Main::BuildRosterPickers() {}
void TForm_Main::RenameRosterEntries() {}
void TForm_Main::RenameRosterEntry(int, const QString&) {}
void TForm_Main::SelectRosterEntry(QComboBox*, std::uint16_t) {}
std::uint16_t TForm_Main::RosterValueOf(const QComboBox*) { return 0xFFFF; }
