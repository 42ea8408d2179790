#pragma once
// The named fields of the exchange formats (JSON and CSV) and the one rule
// both directions share: how a field's value is written as text and how a
// text is put back into a record's bytes.
//
// Values travel as UTF-8 texts in one form for both formats:
//   texts         the text itself (the biography with CR LF line breaks)
//   numbers       unsigned decimal
//   enumerations  "<index> <item>" ("1 猛将"), or only the index when it is
//                 outside the list; on import the index, the item or both
//   relationships "<roster number> <name>", empty for none; on import the
//                 number, a name of the game's roster, both, or "无"
//   skills        the skill names separated by blanks
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/officers/OfficerRecord.h"

using RecordBytes = std::array<std::uint8_t, kRecordSize>;

enum class FieldKind { Text, Reading, Number, Enumeration, Relationship, Skills };

struct ExchangeField {
  std::string_view key;  // column and member name in both formats
  FieldKind kind;
  std::size_t offset;    // in the 260-byte record
  std::size_t width;     // bytes
  int enumeration = -1;  // index into Enumerations() for enumerations
  std::size_t textLimit = 0;  // bytes an edited text may take, terminator not counted
};

// Every named field in column order: the five texts, face, the numbers,
// the enumerations, the relationships, the skills.
const std::vector<ExchangeField>& ExchangeFields();
const ExchangeField* FindExchangeField(std::string_view key);

// The names of new officers 650-759 in a file, as the roster pickers show
// them; relationship values show them beside their numbers.
using NewOfficerNames = std::array<std::string, kSlotCount>;
NewOfficerNames NewOfficerNamesOf(std::span<const unsigned char> head);

// The field's value as text.
std::string FieldValueText(const ExchangeField& field, const RecordBytes& record, const NewOfficerNames& names);

// The field's value before exchange values apply when an import carries
// the exported bytes: zero, and "none" (0xFFFF) for relationships.
void PutFieldDefault(const ExchangeField& field, RecordBytes& record);

// Puts a value text into the record. A value that means what the record
// already holds keeps the record's bytes (an unchanged text keeps its
// bytes, a stored 900 stays for "none"); an edited text keeps the bytes of
// the characters left alone. Returns the reason (UTF-8) when the text is
// not a value of the field; the record is then unchanged.
std::optional<std::string> PutFieldValue(const ExchangeField& field, std::string_view value, RecordBytes& record);

// Byte 5 of the skills holds six positions without a box (masks 0x80-0x04).
inline constexpr std::uint8_t kHiddenSkillBits = 0xFC;

// The record's bytes that no named field covers, save mark (62) included;
// they travel as raw bytes under these keys.
struct PreservedRange {
  std::string_view key;
  std::size_t offset;
  std::size_t width;
};
inline constexpr std::array<PreservedRange, 4> kPreservedRanges{{
    {"bytes32", 32, 3}, {"bytes53", 53, 11}, {"bytes66", 66, 4}, {"bytes72", 72, 9}}};
inline constexpr std::string_view kHeaderKey = "header";

// Byte helpers shared by the exchange code.
std::string HexOf(std::span<const std::uint8_t> bytes);
std::optional<std::vector<std::uint8_t>> BytesOfHex(std::string_view hex);
RecordBytes RecordAt(std::span<const unsigned char> head, std::size_t slot);
void PutRecordAt(std::span<unsigned char> head, std::size_t slot, const RecordBytes& record);
