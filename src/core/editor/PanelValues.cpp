#include "core/editor/PanelValues.h"

#include <algorithm>
#include <optional>

#include "core/convert/GbkText.h"
#include "core/convert/TypedText.h"
#include "core/convert/Jislib.h"
#include "core/convert/OfficerTextConversion.h"
#include "core/officers/IntegerText.h"

int EnumerationIndex(const OfficerField& field, unsigned value) {
  return value < field.items.size() ? static_cast<int>(value) : -1;
}

PanelValues PanelFromRecord(const OfficerRecord& record, OfficerTextScript script) {
  PanelValues panel;
  for (std::size_t i = 0; i < kEnumerationCount; ++i) {
    panel.enumerations[i] = EnumerationIndex(*Enumerations()[i], FieldValue(record, *Enumerations()[i]));
  }
  for (std::size_t i = 0; i < kNumberFieldCount; ++i) panel.numbers[i] = std::to_string(FieldValue(record, *NumberFields()[i]));
  for (std::size_t i = 0; i < kRelationshipCount; ++i) {
    panel.relationships[i] = static_cast<std::uint16_t>(FieldValue(record, *Relationships()[i]));
  }
  panel.texts = ShownTextsOf(record, script);
  panel.yin = record.Yin.Text();
  panel.skills = BoxesFromSkills(record.Skills);
  return panel;
}

namespace {

unsigned NumberOfBox(const OfficerField& field, const std::string& text) {
  std::int32_t value = 0;
  try {
    value = ParseInteger(text);
  } catch (const ConvertError& e) {
    throw ImpossibleValue(field, ImpossibleValue::Unlabelled{e.what()});
  }
  if (auto problem = NumberProblem(field, value)) throw ImpossibleValue(field, *problem);
  return static_cast<unsigned>(value);
}

// Writes an edited text into the record's field when it differs from what
// the player was shown (bytes of the script's ShownTextSet; the reading GBK);
// the rule of values decides its bytes.
void PutEditedText(OfficerRecord& record, const OfficerField& field, const std::string& typed, const std::string& shown,
                   OfficerTextScript script) {
  if (typed == shown) return;
  const QString text = field.coding == TextCoding::Big5 ? ShownBytesText(script, typed) : FromGbk(typed);
  const TextDecision decision = DecideShownText(field, text, FieldText(record, field), script);
  if (decision.problem) throw ImpossibleValue(field, *decision.problem);
  const std::span<std::uint8_t> bytes = FieldBytesOf(record, field);
  std::copy(decision.bytes.begin(), decision.bytes.end(), bytes.begin());
  bytes[decision.bytes.size()] = 0;  // the later bytes stay
}

}  // namespace

void ConfirmIntoRecord(const PanelValues& panel, const ShownTextSet& shown, OfficerRecord& record,
                       OfficerTextScript script) {
  OfficerRecord next = record;
  for (std::size_t i = 0; i < kEnumerationCount; ++i) {
    const int index = panel.enumerations[i];
    SetFieldValue(next, *Enumerations()[i], index < 0 ? kNoSelection : static_cast<unsigned>(index));
  }
  for (std::size_t i = 0; i < kNumberFieldCount; ++i) {
    if (panel.numbers[i].empty()) continue;  // an empty box keeps the stored value
    SetFieldValue(next, *NumberFields()[i], NumberOfBox(*NumberFields()[i], panel.numbers[i]));
  }
  for (std::size_t i = 0; i < kRelationshipCount; ++i) SetFieldValue(next, *Relationships()[i], panel.relationships[i]);
  for (const OfficerField* field : FieldsOfKind(FieldKind::Text)) {
    // The reading is compared with what is stored, not with what was shown.
    const bool reading = field->coding != TextCoding::Big5;
    PutEditedText(next, *field, reading ? panel.yin : panel.texts.Of(*field),
                  reading ? FieldText(record, *field) : shown.Of(*field), script);
  }
  next.Skills = SkillsFromBoxes(panel.skills);
  record = next;
}
