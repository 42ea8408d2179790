#pragma once
// The editor panel's contents as plain values, and the two directions
// between them and an officer record: what showing an officer puts into the
// controls, and what confirming writes back.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "core/editor/EditorFields.h"
#include "core/editor/ShownTextSet.h"
#include "core/officers/OfficerRecord.h"

struct PanelValues {
  // Selected index of each enumeration picker, -1 = no selection (Enumerations() order).
  std::array<int, kEnumerationCount> enumerations{};
  // Texts of the number fields as typed, UTF-8 (NumberFields() order).
  std::array<std::string, kNumberFieldCount> numbers;
  // Roster numbers the relationship pickers stand for (Relationships() order).
  std::array<std::uint16_t, kRelationshipCount> relationships{};
  // Texts as GBK bytes; the biography with CR LF line breaks. The reading is
  // shown and stored byte for byte.
  std::string xing, ming, zi, yin, story;
  // Checked flags of the skill boxes (SkillLayout() order).
  std::array<bool, kSkillBoxCount> skills{};

  bool operator==(const PanelValues&) const = default;
};

// What the panel shows for a record: enumeration values outside their list
// give no selection, numbers are unsigned decimal, names and biography are
// Big5ToGbk of copies (the record is not touched), the reading as stored.
PanelValues PanelFromRecord(const OfficerRecord& record);

// An edited text that the file cannot hold (a character without a Big5
// form); the message (UTF-8) names the field and the characters.
class UnstorableTextError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes the panel into the record, in this order: enumerations (no selection
// stores 0xFF), numbers (empty keeps the stored value, otherwise the low 16
// or 8 bits of the integer), relationships, the names that differ from the
// texts last shown, the reading, the biography if it
// differs, the skills (positions without a box cleared).
//
// A number text that is not an integer throws ConvertError; everything before
// that field is already stored and nothing after it is.
//
// An edited text keeps the stored bytes of every character the player left
// alone; only new characters go through GbkToBig5. Before anything is
// written, an edited text with a character Big5 lacks throws
// UnstorableTextError and the record stays as it was.
// A text is written with one zero byte from the field's start, keeping the
// later bytes, and never longer than the field's width minus the terminator.
void ConfirmIntoRecord(const PanelValues& panel, const ShownTextSet& shown, OfficerRecord& record);
