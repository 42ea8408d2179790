#pragma once
// How the record's fields (OfficerFields.h) travel in the exchange formats
// (JSON and CSV): how a field's value is written as text and how a text is
// put back into a record's bytes, by the rule of values.
//
// Values travel as UTF-8 texts in one form for both formats:
//   texts         the text itself (the biography with CR LF line breaks)
//   numbers       unsigned decimal
//   enumerations  "<index> <item>" ("1 猛将"), or only the index when it is
//                 outside the list; on import the index, the item or both,
//                 with any blanks (a full-width space too) around them
//   relationships "<roster number> <name>", empty for none; on import the
//                 number, a name of the game's roster, both, or "无"
//   skills        the skill names separated by blanks
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/officers/OfficerFields.h"
#include "core/officers/OfficerRecord.h"

using RecordBytes = std::array<std::uint8_t, kRecordSize>;
enum class OfficerTextScript;  // core/language/UiLanguage.h
using ExchangeField = OfficerField;

// Every named field in column order (the field table's order, preserved
// ranges left out); the preserved ranges travel as raw bytes under their keys.
const std::vector<std::reference_wrapper<const OfficerField>>& ExchangeFields();
const OfficerField* FindExchangeField(std::string_view key);
const std::vector<std::reference_wrapper<const OfficerField>>& PreservedRanges();
const OfficerField* FindPreservedRange(std::string_view key);
inline constexpr std::string_view kHeaderKey = "header";

// The names of new officers 650-759 in a file, as the roster pickers show
// them (UTF-8, in `script`); relationship values show them beside their
// numbers.
using NewOfficerNames = std::array<std::string, kSlotCount>;
NewOfficerNames NewOfficerNamesOf(std::span<const unsigned char> head);
NewOfficerNames NewOfficerNamesOf(std::span<const unsigned char> head, OfficerTextScript script);
std::string NewOfficerNameOf(std::span<const unsigned char> head, std::size_t slot);
std::string NewOfficerNameOf(std::span<const unsigned char> head, std::size_t slot, OfficerTextScript script);

// The field's value as text; Big5 texts in `script` (the traditional one:
// the stored characters exactly; simplified when not given).
std::string FieldValueText(const OfficerField& field, const RecordBytes& record, const NewOfficerNames& names);
std::string FieldValueText(const OfficerField& field, const RecordBytes& record, const NewOfficerNames& names,
                           OfficerTextScript script);

// The field's value before exchange values apply when an import carries
// the exported bytes: zero, and "none" (0xFFFF) for relationships.
void PutFieldDefault(const OfficerField& field, RecordBytes& record);

// A relationship value that named a new officer beside the number: the
// name is compared once every slot of the import is known.
struct NamedLink {
  unsigned number = 0;  // 650-759
  std::string name;
};

// Puts a value text into the record. A value that means what the record
// already holds keeps the record's bytes (an unchanged text, in either
// script, keeps its bytes, a stored 900 stays for "none"); a text that
// ReadsAsTraditional is decided by DecideTraditionalText, others as typed in
// the simplified script; an edited text keeps the bytes of
// the characters left alone. Returns the reason (UTF-8, without the label)
// when the value is impossible; the record is then unchanged. `link`, when
// given, receives a new officer's number and the name beside it.
std::optional<std::string> PutFieldValue(const OfficerField& field, std::string_view value, RecordBytes& record,
                                         std::optional<NamedLink>* link = nullptr);

// The UTF-8 text without the blanks around it: ASCII blanks and line
// breaks, no-break, full-width (ideographic), typographic and zero-width
// spaces, and the byte order mark.
std::string_view TrimBlanks(std::string_view text);

// Byte helpers shared by the exchange code.
std::string HexOf(std::span<const std::uint8_t> bytes);
std::optional<std::vector<std::uint8_t>> BytesOfHex(std::string_view hex);
// Writes the bytes of `hex` into `out`; false (`out` then undefined) unless
// `hex` is exactly two hex digits for each byte of `out`.
bool PutHex(std::string_view hex, std::span<std::uint8_t> out);
RecordBytes RecordAt(std::span<const unsigned char> head, std::size_t slot);
void PutRecordAt(std::span<unsigned char> head, std::size_t slot, const RecordBytes& record);
unsigned NumberAt(const OfficerField& field, const RecordBytes& record);
