#include "core/document/OfficerDocument.h"

#include <algorithm>

#include "core/convert/OfficerTextConversion.h"
#include "core/document/SlotTools.h"
#include "core/officers/OfficerFile.h"
#include "core/officers/OfficerFields.h"

OfficerDocument::OfficerDocument(QObject* parent) : QObject(parent) { slotVisible_.fill(true); }

void OfficerDocument::Undo() {
  if (history_.CanUndo()) Restore(history_.Undo());
}

void OfficerDocument::Redo() {
  if (history_.CanRedo()) Restore(history_.Redo());
}

void OfficerDocument::Restore(const OfficerTable& table) {
  for (int slot = 0; slot < static_cast<int>(kSlotCount); ++slot) Change(slot, table[static_cast<std::size_t>(slot)]);
  SetModified(!history_.AtSavedState());
  emit historyChanged();
}

void OfficerDocument::Finish(std::string stepName, const OfficerTable& before) {
  if (table_ == before) return;
  // A restored copy whose step was undone is gone once a new step follows.
  if (restored_ && history_.Position() < restored_->position) restored_.reset();
  history_.Record(std::move(stepName), before, table_);
  SetModified(!history_.AtSavedState());
  emit historyChanged();
}

std::string OfficerDocument::NameOf(int slot) const { return SlotNameUtf8(Record(slot), slot, NameUse::Message); }

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

void OfficerDocument::ApplyImport(const ImportDecision& decision, const std::string& sourceName) {
  if (!decision.Accepted() || decision.changes.after.size() < kOfficerFileSize) return;
  const OfficerTable before = table_;
  const OfficerTable after = TableOfHead(decision.changes.after);
  for (const int slot : decision.changes.ChangedSlots()) Change(slot, after[static_cast<std::size_t>(slot)]);
  Finish("导入 " + sourceName + "（" + std::to_string(decision.changes.changes.size()) + " 处）", before);
}

void OfficerDocument::Change(int slot, const OfficerRecord& record) {
  OfficerRecord& stored = table_[static_cast<std::size_t>(slot)];
  if (stored == record) return;
  stored = record;
  emit recordChanged(slot);
}

void OfficerDocument::SelectSlot(int slot) {
  if (!IsSlot(slot)) return;
  currentSlot_ = slot;
  emit currentSlotChanged(slot);
}

PanelValues OfficerDocument::ShowCurrent() {
  const PanelValues panel = PanelFromRecord(Record(currentSlot_));
  shownTexts_ = panel.texts;
  hasShownOfficer_ = true;
  return panel;
}

void OfficerDocument::Confirm(const PanelValues& panel) {
  if (!hasShownOfficer_ || !IsSlot(currentSlot_)) return;
  OfficerRecord record = Record(currentSlot_);
  ConfirmIntoRecord(panel, shownTexts_, record);  // throws before anything changes
  const OfficerTable before = table_;
  Change(currentSlot_, record);
  Finish("确认修改 " + NameOf(currentSlot_), before);
}

void OfficerDocument::ReplaceRecord(int slot, const OfficerRecord& record) {
  if (IsSlot(slot)) ReplaceRecord(slot, record, "修改 " + NameOf(slot));
}

void OfficerDocument::ReplaceRecord(int slot, const OfficerRecord& record, std::string stepName) {
  if (!IsSlot(slot)) return;
  const OfficerTable before = table_;
  Change(slot, record);
  Finish(std::move(stepName), before);
}

void OfficerDocument::PasteRecord(int targetSlot, const OfficerRecord& copied, int sourceSlot) {
  if (!IsSlot(targetSlot) || !IsSlot(sourceSlot)) return;
  ReplaceRecord(targetSlot, PastedRecord(copied, sourceSlot, targetSlot), "粘贴到 " + NameOf(targetSlot));
}

void OfficerDocument::ClearSlot(int slot) {
  if (IsSlot(slot)) ReplaceRecord(slot, EmptySlotRecord(), "清空 " + NameOf(slot));
}

void OfficerDocument::Search(const std::array<std::string, 5>& texts) {
  // Every box is read before anything changes.
  const SearchValues values = ParseSearchValues(texts);
  slotVisible_ = SearchVisibleSlots(table_, values);
  emit visibleSlotsChanged();
}

int OfficerDocument::Find(const FindCriteria& criteria) {
  slotVisible_ = FindSlots(table_, criteria);
  emit visibleSlotsChanged();
  return static_cast<int>(std::count(slotVisible_.begin(), slotVisible_.end(), true));
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
    ListRowKey key{slot + kFirstNewOfficer, SlotName(r, slot, NameUse::ListRow), {}};
    const auto abilities = AbilitiesOf(r);
    std::copy(abilities.begin(), abilities.end(), key.abilities.begin());
    rows.push_back({std::move(key), slot});
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
  if (!ConvertOfficerTexts(record)) return;
  const OfficerTable before = table_;
  Change(currentSlot_, record);
  Finish("此人日文-->中文 " + NameOf(currentSlot_), before);
}

OfficerDocument::ConversionCount OfficerDocument::ConvertAll() {
  ConversionCount count;
  const OfficerTable before = table_;
  for (int slot = 0; slot < static_cast<int>(kSlotCount); ++slot) {
    OfficerRecord record = Record(slot);
    const bool hasTexts = HasStoredTexts(record);
    if (ConvertOfficerTexts(record)) {
      ++count.converted;
      Change(slot, record);
    } else if (hasTexts) {
      ++count.alreadyChinese;
    }
  }
  Finish("所有武将日文-->中文（" + std::to_string(count.converted) + " 名）", before);
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
