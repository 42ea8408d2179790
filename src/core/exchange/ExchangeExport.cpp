#include "core/exchange/ExchangeExport.h"

#include <algorithm>

#include "core/check/ValueRules.h"
#include "core/exchange/ExchangeFields.h"
#include "core/language/UiLanguage.h"

namespace {

// Whether the value alone gives the field's bytes back. The cheap answers
// first: a field of random bytes is told apart without converting its text.
bool ValueGivesBytes(const ExchangeField& field, const RecordBytes& record, const std::string& value) {
  const std::uint8_t* p = record.data() + field.offset;
  switch (field.kind) {
    case FieldKind::Number:
      return true;
    case FieldKind::Enumeration:
      // A value no panel stores travels with its bytes, which an import
      // takes as already held.
      return !EnumerationProblem(field, p[0]);
    case FieldKind::Relationship:
      return IsRelationshipValue(StoredNumber(record.data(), field));
    case FieldKind::Skills:
      return (p[kSkillBytes - 1] & kHiddenSkillBits) == 0;
    case FieldKind::Preserved:
      return true;
    case FieldKind::Text: {
      const std::uint8_t* end = p + field.width;
      const std::uint8_t* zero = std::find(p, end, 0);
      if (zero == end || std::any_of(zero, end, [](std::uint8_t b) { return b != 0; })) return false;
      RecordBytes rebuilt = record;
      PutFieldDefault(field, rebuilt);
      return !PutFieldValue(field, value, rebuilt) && std::equal(p, end, rebuilt.data() + field.offset);
    }
  }
  return false;
}

}  // namespace

ExchangeDocument ExportDocument(const std::vector<unsigned char>& head, const std::vector<int>& onlySlots) {
  return ExportDocument(head, onlySlots, OfficerTextScript::Simplified);
}

ExchangeDocument ExportDocument(const std::vector<unsigned char>& head, const std::vector<int>& onlySlots,
                                OfficerTextScript script) {
  ExchangeDocument document;
  document.header = HexOf(std::span(head.data(), kHeaderSize));
  const NewOfficerNames names = NewOfficerNamesOf(head, script);
  std::vector<int> chosen = onlySlots;
  if (chosen.empty()) {
    for (int s = 0; s < static_cast<int>(kSlotCount); ++s) chosen.push_back(s);
  }
  for (const int slot : chosen) {
    const RecordBytes record = RecordAt(head, static_cast<std::size_t>(slot));
    ExchangeSlot entry;
    entry.slot = slot;
    entry.raw.emplace();
    for (const OfficerField& range : PreservedRanges()) {
      entry.raw->emplace_back(std::string(range.key), HexOf(std::span(record.data() + range.offset, range.width)));
    }
    for (const ExchangeField& field : ExchangeFields()) {
      std::string value = FieldValueText(field, record, names, script);
      // The raw bytes stand beside a value that does not give them back.
      if (!ValueGivesBytes(field, record, value)) {
        entry.raw->emplace_back(std::string(field.key), HexOf(std::span(record.data() + field.offset, field.width)));
      }
      entry.values.push_back({std::string(field.key), std::move(value), {}});
    }
    document.officers.push_back(std::move(entry));
  }
  return document;
}
