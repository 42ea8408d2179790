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
  OfficerRecord& record = table_[static_cast<std::size_t>(currentSlot_)];
  const OfficerRecord before = record;
  try {
    ConfirmIntoRecord(panel, shownTexts_, record);
  } catch (...) {
    // A bad number stops the confirmation with the fields before it stored.
    if (!(record == before)) SetModified(true);
    throw;
  }
  SetModified(true);
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
  if (ConvertOfficerTexts(table_[static_cast<std::size_t>(currentSlot_)])) SetModified(true);
}

OfficerDocument::ConversionCount OfficerDocument::ConvertAll() {
  ConversionCount count;
  for (OfficerRecord& record : table_) {
    const bool hasTexts = !record.Xing.Text().empty() || !record.Ming.Text().empty() || !record.Zi.Text().empty() ||
                          !record.Story.Text().empty();
    if (ConvertOfficerTexts(record)) {
      ++count.converted;
    } else if (hasTexts) {
      ++count.alreadyChinese;
    }
  }
  if (count.converted > 0) SetModified(true);
  return count;
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
