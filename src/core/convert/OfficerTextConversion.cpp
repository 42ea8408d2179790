#include "core/convert/OfficerTextConversion.h"

#include "core/convert/Jislib.h"

namespace {

template <std::size_t Width>
void ShiftJisFieldToBig5(TextField<Width>& field) {
  ShiftJisToBig5(field.bytes.data(), Width);
}

template <std::size_t Width>
void GbkFieldToBig5(TextField<Width>& field) {
  GbkToBig5(field.bytes.data(), Width);
}

}  // namespace

void ConvertOfficerTexts(OfficerRecord& record, StorySource story) {
  ShiftJisFieldToBig5(record.Xing);
  ShiftJisFieldToBig5(record.Ming);
  ShiftJisFieldToBig5(record.Zi);
  if (story == StorySource::ShiftJis) {
    ShiftJisFieldToBig5(record.Story);
  } else {
    GbkFieldToBig5(record.Story);
  }
}

ShownTextSet ShownTextsOf(const OfficerRecord& record) {
  return {Big5ToGbk(record.Xing.Text()), Big5ToGbk(record.Ming.Text()), Big5ToGbk(record.Zi.Text()),
          Big5ToGbk(record.Story.Text())};
}

std::string ConvertedRosterName(const OfficerRecord& record) {
  return Big5ToGbk(record.Xing.Text()) + Big5ToGbk(record.Ming.Text());
}

std::string ConvertedDisplayName(const OfficerRecord& record) {
  return ConvertedRosterName(record) + ' ' + Big5ToGbk(record.Zi.Text());
}
