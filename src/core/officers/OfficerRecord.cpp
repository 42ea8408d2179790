#include "core/officers/OfficerRecord.h"

#include <algorithm>

#include "core/officers/OfficerFields.h"

OfficerRecord DecodeRecord(const std::uint8_t* bytes) {
  OfficerRecord r;
  for (const OfficerField& field : OfficerFields()) {
    const std::uint8_t* p = bytes + field.offset;
    if (field.member.bytes) {
      const std::span<std::uint8_t> into = FieldBytesOf(r, field);
      std::copy(p, p + into.size(), into.begin());
    } else if (field.kind != FieldKind::Preserved) {
      SetFieldValue(r, field, field.width == 2 ? static_cast<unsigned>(p[0] | (p[1] << 8)) : p[0]);
    }
  }
  return r;
}

void EncodeRecordInPlace(const OfficerRecord& record, std::uint8_t* bytes) {
  for (const OfficerField& field : OfficerFields()) {
    std::uint8_t* p = bytes + field.offset;
    if (field.member.constBytes) {
      const std::span<const std::uint8_t> from = FieldBytesOf(record, field);
      std::copy(from.begin(), from.end(), p);
    } else if (field.kind != FieldKind::Preserved) {
      const unsigned value = FieldValue(record, field);
      p[0] = static_cast<std::uint8_t>(value & 0xFF);
      if (field.width == 2) p[1] = static_cast<std::uint8_t>(value >> 8);
    }
  }
  if (record.Type != kNoType) bytes[kSaveMarkOffset] = 1;
}

OfficerTable TableOfHead(const std::vector<unsigned char>& head) {
  OfficerTable table;
  for (std::size_t s = 0; s < kSlotCount && head.size() >= kOfficerFileSize; ++s) {
    table[s] = DecodeRecord(head.data() + kHeaderSize + s * kRecordSize);
  }
  return table;
}
