#include "core/editor/PanelValues.h"

#include <optional>
#include <stdexcept>

#include "core/convert/EditedText.h"
#include "core/convert/GbkText.h"
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

// The bytes an edited text is stored as, decided before anything of the
// record changes; nullopt for a text the player left alone.
template <std::size_t Width>
std::optional<std::string> DecideEditedText(const std::string& text, const std::string& shown, const TextField<Width>& field,
                                            const char* caption) {
  if (text == shown) return std::nullopt;
  // No byte budget here: a text too long for the field is cut by the write,
  // which keeps what fits, never half a character.
  EditedTextResult result = StoreEditedText(shown, field.Text(), text, std::string::npos);
  if (!result.unstorable.empty()) {
    throw UnstorableTextError(std::string(caption) + "：无法以繁体中文(Big5)保存的字：" +
                              FromGbk(JoinCharacters(result.unstorable)).toStdString());
  }
  return result.big5;
}

template <std::size_t Width>
void WriteIfEdited(const std::optional<std::string>& big5, TextField<Width>& field) {
  if (big5) field.Write(*big5);
}

}  // namespace

void ConfirmIntoRecord(const PanelValues& panel, const ShownTextSet& shown, OfficerRecord& record) {
  // Every edited text is decided first: one that Big5 cannot store stops the
  // confirmation before anything of the slot changes.
  const auto xing = DecideEditedText(panel.xing, shown.Xing, record.Xing, "姓");
  const auto ming = DecideEditedText(panel.ming, shown.Ming, record.Ming, "名");
  const auto zi = DecideEditedText(panel.zi, shown.Zi, record.Zi, "字");
  const auto story = DecideEditedText(panel.story, shown.Story, record.Story, "列传");

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

  WriteIfEdited(xing, record.Xing);
  WriteIfEdited(ming, record.Ming);
  WriteIfEdited(zi, record.Zi);
  // The reading is rewritten every time. Writing back the text the field
  // already holds changes nothing, except for a reading that fills all
  // eleven bytes without a terminator, which is kept whole.
  if (panel.yin != record.Yin.Text()) record.Yin.Write(panel.yin);
  WriteIfEdited(story, record.Story);

  record.Skills = SkillsFromBoxes(panel.skills);
}
