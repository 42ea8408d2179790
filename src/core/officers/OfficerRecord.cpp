#include "core/officers/OfficerRecord.h"

#include <QtEndian>
#include <algorithm>

#include "core/officers/OfficerFields.h"

bool IsRegistered(const OfficerRecord& record) { return !record.Xing.Text().empty() || !record.Ming.Text().empty(); }

unsigned StoredNumber(const std::uint8_t* record, const OfficerField& field) {
  const std::uint8_t* p = record + field.offset;
  return field.width == 2 ? qFromLittleEndian<quint16>(p) : p[0];
}

void StoreNumber(std::uint8_t* record, const OfficerField& field, unsigned value) {
  std::uint8_t* p = record + field.offset;
  if (field.width == 2) qToLittleEndian(static_cast<quint16>(value), p);
  else p[0] = static_cast<std::uint8_t>(value);
}

OfficerRecord DecodeRecord(const std::uint8_t* bytes) {
  OfficerRecord r;
  for (const OfficerField& field : OfficerFields()) {
    const std::uint8_t* p = bytes + field.offset;
    if (field.member.bytes) {
      const std::span<std::uint8_t> into = FieldBytesOf(r, field);
      std::copy(p, p + into.size(), into.begin());
    } else if (field.kind != FieldKind::Preserved) {
      SetFieldValue(r, field, StoredNumber(bytes, field));
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
      StoreNumber(bytes, field, FieldValue(record, field));
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
