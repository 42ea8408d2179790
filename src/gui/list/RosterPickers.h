#pragma once
// The seven relationship pickers (父亲 … 仇敌 and 相同武将): each holds the
// game's 833 roster entries, of which 650-759 carry the names of the
// registration file's officers.
#include <QObject>
#include <array>
#include <cstdint>

#include "core/language/UiLanguage.h"
#include "core/officers/OfficerFields.h"

class OfficerDocument;
class QComboBox;
class QWidget;

class RosterPickers : public QObject {
  Q_OBJECT

 public:
  // Takes the pickers named in the field table from `form` and fills them;
  // entries 650-759 follow the document's names from then on.
  RosterPickers(QWidget* form, const OfficerDocument& document, QObject* parent);

  // Entries 650-759 take the names of the document's slots.
  void RenameRosterEntries();
  // Replaces entry slot + 650 of all seven pickers, keeping their selections.
  void RenameRosterEntry(int slot, const QString& name);

  // The game's entries (all but 650-759) in the script, in place: the
  // selections and the new officers' names stay.
  void ShowRosterIn(OfficerTextScript script);

  // Stored roster numbers (Relationships() order) -> pickers: 832 and above
  // show "无"; and back: "无" or no choice give 0xFFFF.
  void Select(const std::array<std::uint16_t, kRelationshipCount>& values);
  std::array<std::uint16_t, kRelationshipCount> Values() const;
  // No entry selected in any picker.
  void ClearSelection();

 private:
  const OfficerDocument& document_;
  std::array<QComboBox*, kRelationshipCount> pickers_{};
};
