#pragma once
// The editor panel's contents as plain values, and the two directions
// between them and an officer record: what showing an officer puts into the
// controls, and what confirming writes back.
#include <array>
#include <cstdint>
#include <string>

#include "core/check/ValueRules.h"
#include "core/convert/ShownTextSet.h"
#include "core/language/UiLanguage.h"
#include "core/officers/OfficerFields.h"
#include "core/officers/OfficerRecord.h"

struct PanelValues {
  // Selected index of each enumeration picker, -1 = no selection (Enumerations() order).
  std::array<int, kEnumerationCount> enumerations{};
  // Texts of the number fields as typed, UTF-8 (NumberFields() order).
  std::array<std::string, kNumberFieldCount> numbers;
  // Roster numbers the relationship pickers stand for (Relationships() order).
  std::array<std::uint16_t, kRelationshipCount> relationships{};
  // The stored texts as GBK bytes (UTF-8 in the traditional script), the
  // biography with CR LF line breaks.
  ShownTextSet texts;
  // The reading, shown and stored byte for byte.
  std::string yin;
  // Checked flags of the skill boxes (SkillLayout() order).
  std::array<bool, kSkillBoxCount> skills{};

  bool operator==(const PanelValues&) const = default;
};

// The picker index a stored enumeration value selects: -1 (no selection) for
// a value outside the item list.
int EnumerationIndex(const OfficerField& field, unsigned value);

// What the panel shows for a record: enumeration values outside their list
// give no selection, numbers are unsigned decimal, names and biography are
// Big5ToGbk of copies (the record is not touched; ShownTextsOf in `script`),
// the reading as stored.
PanelValues PanelFromRecord(const OfficerRecord& record, OfficerTextScript script = OfficerTextScript::Simplified);

// Writes the panel into the record, all or nothing. Every value is read and
// checked first, in the panel's order (enumerations, numbers, relationships,
// names, reading, biography); the first impossible one throws
// ImpossibleValue naming its field, and the record stays as it was:
//  - a number text that is not an integer: "'abc' is not a valid integer
//    value"; one beyond the field's width or negative: "统率：70000 超出范围
//    0–65535"; an empty number box keeps the stored value;
//  - a name or biography that differs from the text last shown, or a
//    reading that differs from the stored one, and that the rule of values
//    refuses (a character Big5 lacks, a control character, ...).
// Otherwise: enumerations (no selection stores 0xFF), numbers, relationships,
// the edited texts (characters left alone keep their stored bytes; one zero
// byte after the text, the field's later bytes kept), the skills (positions
// without a box cleared). Texts are read in the script they were shown in
// (DecideShownText).
void ConfirmIntoRecord(const PanelValues& panel, const ShownTextSet& shown, OfficerRecord& record,
                       OfficerTextScript script = OfficerTextScript::Simplified);
