#include "core/convert/OfficerTextConversion.h"

#include "core/convert/Jislib.h"
#include "core/convert/StoredEncoding.h"

bool ConvertOfficerTexts(OfficerRecord& record) {
  bool converted = false;
  for (const OfficerField* field : StoredTextFields()) {
    if (StoredEncodingOf(FieldText(record, *field)) != StoredEncoding::ShiftJis) continue;
    const std::span<std::uint8_t> bytes = FieldBytesOf(record, *field);
    ShiftJisToBig5(bytes.data(), bytes.size());
    converted = true;
  }
  return converted;
}

bool HasStoredTexts(const OfficerRecord& record) {
  for (const OfficerField* field : StoredTextFields()) {
    if (!FieldText(record, *field).empty()) return true;
  }
  return false;
}

ShownTextSet ShownTextsOf(const OfficerRecord& record) {
  ShownTextSet shown;
  for (const OfficerField* field : StoredTextFields()) shown.Of(*field) = Big5ToGbk(FieldText(record, *field));
  return shown;
}
