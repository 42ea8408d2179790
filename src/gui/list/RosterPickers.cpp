#include "gui/list/RosterPickers.h"

#include <QComboBox>
#include <QStringList>
#include <QStringListModel>

#include "core/document/OfficerDocument.h"
#include "core/list/OfficerList.h"
#include "core/list/OfficerRoster.h"
#include "gui/widgets/FormControls.h"

namespace {

// The entries as every picker starts with them. Each picker gets its own
// model holding its own copy (shared until the picker renames an entry).
const QStringList& InitialRosterTexts() {
  static const QStringList texts = [] {
    QStringList list;
    list.reserve(kRosterSize);
    for (const std::string& entry : OfficerRosterEntries()) list.append(QString::fromStdString(entry));
    return list;
  }();
  return texts;
}

// A new officer's entry: the slot's name in the document's script.
QString RosterNameOf(const OfficerDocument& document, int slot) {
  return QString::fromStdString(SlotNameUtf8(document.Record(slot), slot, NameUse::Roster, document.TextScript()));
}

}  // namespace

RosterPickers::RosterPickers(QWidget* form, const OfficerDocument& document, QObject* parent)
    : QObject(parent), document_(document) {
  setObjectName(QStringLiteral("RosterPickers"));
  for (std::size_t i = 0; i < kRelationshipCount; ++i) {
    QComboBox* picker = FormControl<QComboBox>(form, Relationships()[i]->control);
    picker->setModel(new QStringListModel(InitialRosterTexts(), picker));
    picker->setCurrentIndex(-1);
    pickers_[i] = picker;
  }
  connect(&document_, &OfficerDocument::tableReplaced, this, &RosterPickers::RenameRosterEntries);
  connect(&document_, &OfficerDocument::recordChanged, this, [this](int slot) {
    RenameRosterEntry(slot, RosterNameOf(document_, slot));
  });
  connect(&document_, &OfficerDocument::textScriptChanged, this, [this] {
    if (document_.HasFile()) RenameRosterEntries();  // before a load they stay 新N
  });
}

void RosterPickers::RenameRosterEntries() {
  for (int slot = 0; slot < static_cast<int>(kSlotCount); ++slot) {
    RenameRosterEntry(slot, RosterNameOf(document_, slot));
  }
}

void RosterPickers::RenameRosterEntry(int slot, const QString& name) {
  if (!OfficerDocument::IsSlot(slot)) return;
  // Only the text changes: positions stay, and a picker whose selected entry
  // is renamed keeps that entry selected.
  for (QComboBox* picker : pickers_) picker->setItemText(slot + kFirstNewOfficer, name);
}

void RosterPickers::ShowRosterIn(OfficerTextScript script) {
  const auto& entries = OfficerRosterEntries(script);
  for (int entry = 0; entry < kRosterSize; ++entry) {
    if (entry >= kFirstNewOfficer && entry < kFirstNewOfficer + kRosterNewOfficerCount) continue;
    const QString text = QString::fromStdString(entries[static_cast<std::size_t>(entry)]);
    for (QComboBox* picker : pickers_) picker->setItemText(entry, text);
  }
}

void RosterPickers::Select(const std::array<std::uint16_t, kRelationshipCount>& values) {
  for (std::size_t i = 0; i < kRelationshipCount; ++i) pickers_[i]->setCurrentIndex(RosterEntryForValue(values[i]));
}

std::array<std::uint16_t, kRelationshipCount> RosterPickers::Values() const {
  std::array<std::uint16_t, kRelationshipCount> values{};
  for (std::size_t i = 0; i < kRelationshipCount; ++i) values[i] = StoredValueForEntry(pickers_[i]->currentIndex());
  return values;
}

void RosterPickers::ClearSelection() {
  for (QComboBox* picker : pickers_) picker->setCurrentIndex(-1);
}
