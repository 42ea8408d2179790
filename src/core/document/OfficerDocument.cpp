#include "core/document/OfficerDocument.h"

#include <algorithm>

#include "core/convert/OfficerTextConversion.h"
#include "core/officers/OfficerFile.h"

OfficerDocument::OfficerDocument(QObject* parent) : QObject(parent) { slotVisible_.fill(true); }

void OfficerDocument::Open(const QString& path) {
  // Read first: a file that cannot be loaded leaves the open file and the
  // table as they were, so a later save cannot write the previous officers
  // into it.
  const OfficerTable loaded = LoadOfficerFile(path.toStdU16String());
  filePath_ = path;
  table_ = loaded;
  currentSlot_ = 0;
  hasShownOfficer_ = false;
  slotVisible_.fill(true);
  shownTexts_ = ShownTextSet{};
  SetModified(false);
  emit tableReplaced();
}

void OfficerDocument::Reload() { Open(filePath_); }

void OfficerDocument::Save() {
  SaveOfficerFile(filePath_.toStdU16String(), table_);
  SetModified(false);
}

void OfficerDocument::SelectSlot(int slot) {
  if (!IsSlot(slot)) return;
  currentSlot_ = slot;
  emit currentSlotChanged(slot);
}

PanelValues OfficerDocument::ShowCurrent() {
  const PanelValues panel = PanelFromRecord(Record(currentSlot_));
  shownTexts_ = ShownTextSet{panel.xing, panel.ming, panel.zi, panel.story};
  hasShownOfficer_ = true;
  return panel;
}

void OfficerDocument::Confirm(const PanelValues& panel) {
  if (!hasShownOfficer_ || !IsSlot(currentSlot_)) return;
  // A confirmation that a bad number stops has stored the fields before it.
  SetModified(true);
  ConfirmIntoRecord(panel, shownTexts_, table_[static_cast<std::size_t>(currentSlot_)]);
}

void OfficerDocument::ReplaceRecord(int slot, const OfficerRecord& record) {
  if (!IsSlot(slot)) return;
  table_[static_cast<std::size_t>(slot)] = record;
  SetModified(true);
  emit recordReplaced(slot);
}

void OfficerDocument::Search(const std::array<std::string, 5>& texts) {
  // Every box is read before anything changes.
  const SearchValues values = ParseSearchValues(texts);
  slotVisible_ = SearchVisibleSlots(table_, values);
  emit visibleSlotsChanged();
}

SortState OfficerDocument::SortBy(int column) {
  if (column >= 0 && column < kListColumnCount) sort_ = NextSortState(sort_, column);
  return sort_;
}

std::vector<int> OfficerDocument::SortedSlots(const std::vector<int>& listed) const {
  std::vector<std::pair<ListRowKey, int>> rows;
  rows.reserve(listed.size());
  for (int slot : listed) {
    if (!IsSlot(slot)) continue;
    const OfficerRecord& r = Record(slot);
    rows.push_back({ListRowKey{slot + kFirstNewOfficer, DisplayName(r, slot), {r.Tongshuai, r.Wuli, r.Zhili, r.Zhengzhi, r.Meili}}, slot});
  }
  std::stable_sort(rows.begin(), rows.end(), [this](const auto& a, const auto& b) {
    return CompareListRows(a.first, b.first, sort_.column, sort_.ascending) < 0;
  });
  std::vector<int> sorted;
  sorted.reserve(rows.size());
  for (const auto& row : rows) sorted.push_back(row.second);
  return sorted;
}

void OfficerDocument::ConvertCurrent() {
  if (!IsSlot(currentSlot_)) return;
  ConvertOfficerTexts(table_[static_cast<std::size_t>(currentSlot_)], StorySource::ShiftJis);
  SetModified(true);
}

void OfficerDocument::ConvertAll() {
  for (OfficerRecord& record : table_) ConvertOfficerTexts(record, StorySource::Gbk);
  SetModified(true);
}

ShownTextSet OfficerDocument::ShowCurrentTexts() {
  shownTexts_ = ShownTextsOf(Record(currentSlot_));
  return shownTexts_;
}

void OfficerDocument::SetModified(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  emit modifiedChanged(modified);
}
