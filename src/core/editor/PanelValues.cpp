#include "core/editor/PanelValues.h"

#include "core/convert/Jislib.h"
#include "core/officers/IntegerText.h"

PanelValues PanelFromRecord(const OfficerRecord& record) {
  PanelValues panel;
  const auto& enumerations = Enumerations();
  for (std::size_t i = 0; i < kEnumerationCount; ++i) {
    panel.enumerations[i] = EnumerationIndex(enumerations[i], record.*enumerations[i].field);
  }
  const auto& numbers = NumberFields();
  for (std::size_t i = 0; i < kNumberFieldCount; ++i) {
    const unsigned value = numbers[i].wide ? record.*numbers[i].wide : record.*numbers[i].narrow;
    panel.numbers[i] = std::to_string(value);
  }
  const auto& relationships = Relationships();
  for (std::size_t i = 0; i < kRelationshipCount; ++i) panel.relationships[i] = record.*relationships[i].field;
  panel.xing = Big5ToGbk(record.Xing.Text());
  panel.ming = Big5ToGbk(record.Ming.Text());
  panel.zi = Big5ToGbk(record.Zi.Text());
  panel.yin = record.Yin.Text();
  panel.story = Big5ToGbk(record.Story.Text());
  panel.skills = BoxesFromSkills(record.Skills);
  return panel;
}

namespace {

template <std::size_t Width>
void WriteIfEdited(const std::string& text, const std::string& shown, TextField<Width>& field) {
  if (text == shown) return;
  field.Write(GbkToBig5(text));
}

}  // namespace

void ConfirmIntoRecord(const PanelValues& panel, const ShownTextSet& shown, OfficerRecord& record) {
  const auto& enumerations = Enumerations();
  for (std::size_t i = 0; i < kEnumerationCount; ++i) {
    record.*enumerations[i].field = static_cast<std::uint8_t>(panel.enumerations[i]);
  }

  const auto& numbers = NumberFields();
  for (std::size_t i = 0; i < kNumberFieldCount; ++i) {
    if (panel.numbers[i].empty()) continue;
    const auto bits = static_cast<std::uint32_t>(ParseInteger(panel.numbers[i]));
    if (numbers[i].wide) {
      record.*numbers[i].wide = static_cast<std::uint16_t>(bits);
    } else {
      record.*numbers[i].narrow = static_cast<std::uint8_t>(bits);
    }
  }

  const auto& relationships = Relationships();
  for (std::size_t i = 0; i < kRelationshipCount; ++i) record.*relationships[i].field = panel.relationships[i];

  WriteIfEdited(panel.xing, shown.Xing, record.Xing);
  WriteIfEdited(panel.ming, shown.Ming, record.Ming);
  WriteIfEdited(panel.zi, shown.Zi, record.Zi);
  // The reading is rewritten every time. Writing back the text the field
  // already holds changes nothing, except for a reading that fills all
  // eleven bytes without a terminator, which is kept whole.
  if (panel.yin != record.Yin.Text()) record.Yin.Write(panel.yin);
  WriteIfEdited(panel.story, shown.Story, record.Story);

  record.Skills = SkillsFromBoxes(panel.skills);
}
