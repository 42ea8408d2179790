#include "core/document/OfficerDocument.h"

#include "core/document/SlotTools.h"
#include "core/language/CoreText.h"
#include "core/list/OfficerList.h"

OfficerDocument::OfficerDocument(QObject* parent) : QObject(parent) {}

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

std::string OfficerDocument::NameOf(int slot) const {
  return SlotNameUtf8(Record(slot), slot, NameUse::Message, textScript_);
}

void OfficerDocument::SetTextScript(OfficerTextScript script) {
  if (script == textScript_) return;
  textScript_ = script;
  emit textScriptChanged();
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

void OfficerDocument::Change(int slot, const OfficerRecord& record) {
  OfficerRecord& stored = table_[static_cast<std::size_t>(slot)];
  if (stored == record) return;
  stored = record;
  emit recordChanged(slot);
}

void OfficerDocument::ChangeRecords(const std::vector<SlotChange>& changes, std::string stepName) {
  const OfficerTable before = table_;
  for (const SlotChange& change : changes) {
    if (IsSlot(change.slot)) Change(change.slot, change.record);
  }
  Finish(std::move(stepName), before);
}

void OfficerDocument::ReplaceRecord(int slot, const OfficerRecord& record) {
  if (IsSlot(slot))
    ReplaceRecord(slot, record, CoreText("OfficerDocument", QT_TRANSLATE_NOOP("OfficerDocument", "修改 %1"), {NameOf(slot)}));
}

void OfficerDocument::ReplaceRecord(int slot, const OfficerRecord& record, std::string stepName) {
  ChangeRecords({SlotChange{slot, record}}, std::move(stepName));
}

void OfficerDocument::PasteRecord(int targetSlot, const OfficerRecord& copied, int sourceSlot) {
  if (!IsSlot(targetSlot) || !IsSlot(sourceSlot)) return;
  ReplaceRecord(targetSlot, PastedRecord(copied, sourceSlot, targetSlot),
                CoreText("OfficerDocument", QT_TRANSLATE_NOOP("OfficerDocument", "粘贴到 %1"), {NameOf(targetSlot)}));
}

void OfficerDocument::ClearSlot(int slot) {
  if (IsSlot(slot))
    ReplaceRecord(slot, EmptySlotRecord(), CoreText("OfficerDocument", QT_TRANSLATE_NOOP("OfficerDocument", "清空 %1"), {NameOf(slot)}));
}

void OfficerDocument::SetModified(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  emit modifiedChanged(modified);
}
