// The two Japanese-to-Chinese commands on the main window: "此人日文-->中文"
// converts the officer of CurrentSlot, "所有武将日文-->中文" all 110 slots.
// Both change the table in memory only and refresh what shows the texts.
#include <QTreeWidget>
#include <algorithm>

#include "gui/widgets/GbkText.h"
#include "gui/mainwindow/TForm_Main.h"
#include "core/convert/OfficerTextConversion.h"

namespace {

// Puts the four texts of the record into the panel (converted copies; the
// table is not touched) and takes them as the texts last shown, so that a
// following confirm keeps the converted bytes unless the user edits them.
void ShowConvertedTexts(TForm_Main& w, const OfficerRecord& record) { w.ShowOfficerTexts(ShownTextsOf(record)); }

// The list row that shows a slot, looked for among the rows the list holds:
// after a search some slots have none.
QTreeWidgetItem* RowOfSlot(const QTreeWidget* list, std::size_t slot) {
  const int rows = std::min(list->topLevelItemCount(), static_cast<int>(kSlotCount));
  const int number = static_cast<int>(slot) + kFirstNewOfficer;
  for (int i = 0; i < rows; ++i) {
    QTreeWidgetItem* row = list->topLevelItem(i);
    bool ok = false;
    if (row->text(0).toInt(&ok) == number && ok) return row;
  }
  return nullptr;
}

}  // namespace

void TForm_Main::Button1Click() {
  if (CurrentSlot < 0 || CurrentSlot >= static_cast<int>(kSlotCount)) return;
  OfficerRecord& record = Table[static_cast<std::size_t>(CurrentSlot)];
  ConvertOfficerTexts(record, StorySource::ShiftJis);
  ShowConvertedTexts(*this, record);
  RenameFromPanel();
}

void TForm_Main::Button2Click() {
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    OfficerRecord& record = Table[s];
    ConvertOfficerTexts(record, StorySource::Gbk);
    RenameRosterEntry(static_cast<int>(s), FromGbk(ConvertedRosterName(record)));
    // A slot that a search has hidden is converted all the same; it simply
    // has no row to refresh.
    if (QTreeWidgetItem* row = RowOfSlot(ListView_SelPrsn, s)) {
      SetRowTexts(row, FromGbk(ConvertedDisplayName(record)), record);
    }
  }
  if (SelectedRow() && CurrentSlot >= 0 && CurrentSlot < static_cast<int>(kSlotCount)) {
    ShowConvertedTexts(*this, Table[static_cast<std::size_t>(CurrentSlot)]);
  }
}
