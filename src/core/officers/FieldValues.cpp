// Reading and writing one field of a record, and the field's captions in
// the program's language.
#include <algorithm>

#include "core/language/CoreText.h"
#include "core/officers/OfficerFields.h"

unsigned FieldValue(const OfficerRecord& record, const OfficerField& field) {
  if (field.member.u16) return record.*field.member.u16;
  if (field.member.u8) return record.*field.member.u8;
  return 0;
}

void SetFieldValue(OfficerRecord& record, const OfficerField& field, unsigned value) {
  if (field.member.u16) record.*field.member.u16 = static_cast<std::uint16_t>(value);
  if (field.member.u8) record.*field.member.u8 = static_cast<std::uint8_t>(value);
}

std::span<const std::uint8_t> FieldBytesOf(const OfficerRecord& record, const OfficerField& field) {
  return field.member.constBytes ? field.member.constBytes(record) : std::span<const std::uint8_t>();
}

std::span<std::uint8_t> FieldBytesOf(OfficerRecord& record, const OfficerField& field) {
  return field.member.bytes ? field.member.bytes(record) : std::span<std::uint8_t>();
}

std::string FieldText(const OfficerRecord& record, const OfficerField& field) {
  const std::span<const std::uint8_t> bytes = FieldBytesOf(record, field);
  const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
  return std::string(bytes.begin(), end);
}

std::string FieldLabel(const OfficerField& field) { return CoreText("OfficerFields", field.label); }

std::string FieldMeaning(const OfficerField& field) { return CoreText("OfficerFields", field.meaning); }
