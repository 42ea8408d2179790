#include "core/document/OfficerDocument.h"

#include <algorithm>

#include "core/convert/OfficerTextConversion.h"
#include "core/officers/OfficerFile.h"

OfficerDocument::OfficerDocument(QObject* parent) : QObject(parent) { slotVisible_.fill(true); }

void OfficerDocument::Open(const QString& path) {
  // Read first: a file that cannot be loaded leaves the open file and the
  // table as they were, so a later save cannot write the previous officers
  // into it.
  std::vector<unsigned char> head = LoadOfficerFileHead(path.toStdU16String());
  filePath_ = path;
  table_ = TableOfHead(head);
  head_ = std::move(head);
  currentSlot_ = 0;
  hasShownOfficer_ = false;
  slotVisible_.fill(true);
  shownTexts_ = ShownTextSet{};
  SetModified(false);
  emit tableReplaced();
}

void OfficerDocument::Reload() { Open(filePath_); }

void OfficerDocument::Save() {
  head_ = SaveOfficerFile(filePath_.toStdU16String(), table_, head_);
  SetModified(false);
}

std::vector<unsigned char> OfficerDocument::CurrentHead() const {
  std::vector<unsigned char> head = head_;
  head.resize(kOfficerFileSize, 0);
  for (std::size_t s = 0; s < kSlotCount; ++s) {
    unsigned char* record = head.data() + kHeaderSize + s * kRecordSize;
    const unsigned char mark = record[kSaveMarkOffset];
    EncodeRecordInPlace(table_[s], record);
    record[kSaveMarkOffset] = mark;
  }
  return head;
}

ExchangeDocument OfficerDocument::Export(const std::vector<int>& onlySlots) const {
  return ExportDocument(CurrentHead(), onlySlots);
}

ImportDecision OfficerDocument::DecideImport(const ExchangeDocument& document) const {
  return ::DecideImport(document, CurrentHead(), true);
}

void OfficerDocument::ApplyImport(const ImportDecision& decision) {
  if (!decision.Accepted() || decision.changes.after.size() < kOfficerFileSize) return;
  const OfficerTable after = TableOfHead(decision.changes.after);
  for (const int slot : decision.changes.ChangedSlots()) Change(slot, after[static_cast<std::size_t>(slot)]);
}

void OfficerDocument::Change(int slot, const OfficerRecord& record) {
  OfficerRecord& stored = table_[static_cast<std::size_t>(slot)];
  if (stored == record) return;
  stored = record;
  SetModified(true);
  emit recordChanged(slot);
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
  OfficerRecord record = Record(currentSlot_);
  ConfirmIntoRecord(panel, shownTexts_, record);  // throws before anything changes
  Change(currentSlot_, record);
}

void OfficerDocument::ReplaceRecord(int slot, const OfficerRecord& record) {
  if (IsSlot(slot)) Change(slot, record);
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
  OfficerRecord record = Record(currentSlot_);
  if (ConvertOfficerTexts(record)) Change(currentSlot_, record);
}

OfficerDocument::ConversionCount OfficerDocument::ConvertAll() {
  ConversionCount count;
  for (int slot = 0; slot < static_cast<int>(kSlotCount); ++slot) {
    OfficerRecord record = Record(slot);
    const bool hasTexts = !record.Xing.Text().empty() || !record.Ming.Text().empty() || !record.Zi.Text().empty() ||
                          !record.Story.Text().empty();
    if (ConvertOfficerTexts(record)) {
      ++count.converted;
      Change(slot, record);
    } else if (hasTexts) {
      ++count.alreadyChinese;
    }
  }
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
