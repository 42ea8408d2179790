#include "core/convert/OfficerTextConversion.h"

#include "core/convert/GbkText.h"
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

ShownTextSet ShownTextsOf(const OfficerRecord& record, OfficerTextScript script) {
  ShownTextSet shown;
  for (const OfficerField* field : StoredTextFields()) {
    const std::string stored = FieldText(record, *field);
    shown.Of(*field) = script == OfficerTextScript::Traditional ? FromBig5(stored).toStdString() : Big5ToGbk(stored);
  }
  return shown;
}

QString ShownBytesText(OfficerTextScript script, std::string_view bytes) {
  if (script == OfficerTextScript::Traditional) return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  return FromGbk(bytes);
}

std::string ShownTextBytes(OfficerTextScript script, const QString& text) {
  return script == OfficerTextScript::Traditional ? text.toStdString() : ToGbk(text);
}
