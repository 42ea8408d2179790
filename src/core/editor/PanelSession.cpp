#include "core/editor/PanelSession.h"

#include <string>
#include <utility>
#include <vector>

#include "core/convert/OfficerTextConversion.h"
#include "core/document/OfficerDocument.h"
#include "core/language/CoreText.h"

PanelSession::PanelSession(OfficerDocument& document, QObject* parent) : QObject(parent), document_(document) {
  connect(&document_, &OfficerDocument::tableReplaced, this, [this] {
    currentSlot_ = 0;
    hasShownOfficer_ = false;
    shownTexts_ = ShownTextSet{};
    emit sessionReset();
  });
}

void PanelSession::SelectSlot(int slot) {
  if (!OfficerDocument::IsSlot(slot)) return;
  currentSlot_ = slot;
  emit currentSlotChanged(slot);
}

PanelValues PanelSession::ShowCurrent() {
  shownScript_ = document_.TextScript();
  const PanelValues panel = PanelFromRecord(document_.Record(currentSlot_), shownScript_);
  shownTexts_ = panel.texts;
  hasShownOfficer_ = true;
  return panel;
}

void PanelSession::Confirm(const PanelValues& panel) {
  if (!hasShownOfficer_ || !OfficerDocument::IsSlot(currentSlot_)) return;
  OfficerRecord record = document_.Record(currentSlot_);
  ConfirmIntoRecord(panel, shownTexts_, record, shownScript_);  // throws before anything changes
  document_.ReplaceRecord(currentSlot_, record,
                          CoreText("PanelSession", QT_TRANSLATE_NOOP("PanelSession", "确认修改 %1"), {document_.NameOf(currentSlot_)}));
}

void PanelSession::ConvertCurrent() {
  if (!OfficerDocument::IsSlot(currentSlot_)) return;
  OfficerRecord record = document_.Record(currentSlot_);
  if (!ConvertOfficerTexts(record)) return;
  document_.ReplaceRecord(
      currentSlot_, record,
      CoreText("PanelSession", QT_TRANSLATE_NOOP("PanelSession", "此人日文-->中文 %1"), {document_.NameOf(currentSlot_)}));
}

PanelSession::ConversionCount PanelSession::ConvertAll() {
  ConversionCount count;
  std::vector<OfficerDocument::SlotChange> changes;
  for (int slot = 0; slot < static_cast<int>(kSlotCount); ++slot) {
    OfficerRecord record = document_.Record(slot);
    const bool hasTexts = HasStoredTexts(record);
    if (ConvertOfficerTexts(record)) {
      ++count.converted;
      changes.push_back({slot, std::move(record)});
    } else if (hasTexts) {
      ++count.alreadyChinese;
    }
  }
  document_.ChangeRecords(changes, CoreText("PanelSession", QT_TRANSLATE_NOOP("PanelSession", "所有武将日文-->中文（%1 名）"),
                                            {std::to_string(count.converted)}));
  return count;
}

ShownTextSet PanelSession::ShowCurrentTexts() {
  shownTexts_ = ShownTextsOf(document_.Record(currentSlot_), shownScript_);
  return shownTexts_;
}
