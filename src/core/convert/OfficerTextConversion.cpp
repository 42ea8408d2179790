#include "core/convert/OfficerTextConversion.h"

#include "core/convert/Jislib.h"
#include "core/convert/StoredEncoding.h"

namespace {

template <std::size_t Width>
bool ConvertIfShiftJis(TextField<Width>& field) {
  if (StoredEncodingOf(field.Text()) != StoredEncoding::ShiftJis) return false;
  ShiftJisToBig5(field.bytes.data(), Width);
  return true;
}

}  // namespace

bool ConvertOfficerTexts(OfficerRecord& record) {
  bool converted = ConvertIfShiftJis(record.Xing);
  converted |= ConvertIfShiftJis(record.Ming);
  converted |= ConvertIfShiftJis(record.Zi);
  converted |= ConvertIfShiftJis(record.Story);
  return converted;
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
