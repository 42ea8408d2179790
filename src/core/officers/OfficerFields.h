#pragma once
// Every field of the 260-byte officer record, described once: where it lies,
// how wide it is, what kind of value it holds and under which names the
// player meets it (the panel's caption and control, the exchange files' key).
// Decoding and encoding the record, the editor panel, the exchange files,
// the check and every listing of changes read this table; nothing else
// knows an offset.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/officers/GameWord.h"
#include "core/officers/OfficerRecord.h"

enum class FieldKind {
  Number,        // u16 or u8, any value of its width
  Enumeration,   // u8 index into `items`
  Relationship,  // u16 roster number 0-831, 0xFFFF for none
  Text,          // zero-terminated text in a fixed-width field
  Skills,        // 48 bits, least significant bit first (SkillLayout)
  Preserved,     // bytes the editor carries through untouched
};

enum class TextCoding {
  Big5,   // stored as Big5, shown in GBK after conversion
  Bytes,  // the reading: stored and shown byte for byte
};

// What a field is to the rules: code that treats one kind of field apart
// asks for its role, never for its key or its control.
enum class FieldRole {
  Other,
  Ability,       // the five abilities (above 99 is unusual)
  Surname,
  GivenName,
  CourtesyName,
  Reading,       // stored and shown byte for byte
  Biography,     // the one text with line breaks
  Type,          // no selection is an empty slot's, not a reminder
  Face,
  Parent,        // father and mother
  DeathYear,
  Skills,
};

// Where the decoded record keeps a field's value.
struct FieldMember {
  std::uint16_t OfficerRecord::*u16 = nullptr;
  std::uint8_t OfficerRecord::*u8 = nullptr;
  // Texts and skills: the field's bytes inside the record.
  std::span<std::uint8_t> (*bytes)(OfficerRecord&) = nullptr;
  std::span<const std::uint8_t> (*constBytes)(const OfficerRecord&) = nullptr;
};

struct OfficerField {
  std::string_view key;      // exchange files; empty for none
  std::string_view label;    // what the panel's caption calls it (UTF-8)
  std::string_view control;  // the panel's control; empty for none
  std::size_t offset = 0;    // in the record
  std::size_t width = 0;     // bytes
  FieldKind kind = FieldKind::Number;
  std::span<const std::string_view> items{};  // enumerations: index = stored value
  std::span<const GameWord> words{};          // enumerations: the items' words (GameVocabulary.h)
  std::size_t textLimit = 0;                  // texts: bytes typed text may take, terminator not counted
  TextCoding coding = TextCoding::Big5;
  FieldRole role = FieldRole::Other;
  FieldMember member{};
  // What the field means to the player, in a few words (UTF-8); the values
  // it may hold are told from the other columns (check/FieldDescriptions.h).
  // Empty for fields the panel does not show.
  std::string_view meaning{};

  bool IsText() const { return kind == FieldKind::Text; }
  // The largest value a number field's width holds.
  unsigned MaxValue() const { return width == 2 ? 0xFFFFu : 0xFFu; }
};

// Input limits in GBK bytes, the terminator not counted. A line break of the
// biography counts as CR LF, two bytes.
constexpr std::size_t kNameByteLimit = 4;    // Xing, Ming, Zi
constexpr std::size_t kYinByteLimit = 10;    // Yin
constexpr std::size_t kStoryByteLimit = 150; // Story (the field's last two bytes stay unused)

constexpr std::size_t kSkillBytes = 6;
constexpr std::size_t kSkillBoxCount = 42;
// Byte 5 of the skills holds six positions without a box (masks 0x80-0x04).
constexpr std::uint8_t kHiddenSkillBits = 0xFC;
// Set to 1 by every save for a slot whose type is chosen; never read.
constexpr std::size_t kSaveMarkOffset = 62;

// Every field in the order of the exchange files' columns: the five texts,
// face, the numbers, the enumerations (in the panel's order), the
// relationships, the skills; then the preserved ranges (save mark included).
const std::vector<OfficerField>& OfficerFields();

// The fields of one kind, in table order.
std::vector<const OfficerField*> FieldsOfKind(FieldKind kind);
// The panel's controls by kind, in the order a confirmation takes them: the
// twelve enumeration pickers (table order), the twelve number boxes (统率 …
// 声望, 头像, the years, the two compatibilities), the seven relationship
// pickers (父亲, 母亲, 配偶, 相同武将, 家族, 兄弟, 仇敌).
constexpr std::size_t kEnumerationCount = 12;
constexpr std::size_t kNumberFieldCount = 12;
constexpr std::size_t kRelationshipCount = 7;
const std::vector<const OfficerField*>& Enumerations();
const std::vector<const OfficerField*>& NumberFields();
// The fields flagged as abilities, in the table's order (统率, 武力, 智力,
// 政治, 魅力: the list's columns and the search boxes follow it).
inline constexpr std::size_t kAbilityCount = 5;
const std::array<const OfficerField*, kAbilityCount>& Abilities();
std::array<std::uint16_t, kAbilityCount> AbilitiesOf(const OfficerRecord& record);
const std::vector<const OfficerField*>& Relationships();
// The stored texts: the Big5 texts of the record that the game shows and
// the Japanese edition may have written in Shift-JIS (姓, 名, 字, 列传), in
// the table's order. The reading is stored byte for byte and is none of them.
inline constexpr std::size_t kStoredTextCount = 4;
const std::array<const OfficerField*, kStoredTextCount>& StoredTextFields();
// Its place in StoredTextFields(); throws std::logic_error for another field.
std::size_t StoredTextIndex(const OfficerField& field);
const OfficerField* FindFieldByKey(std::string_view key);
// The first field of the role (of the table's only one, but for abilities and parents).
const OfficerField& FieldWithRole(FieldRole role);
std::vector<const OfficerField*> FieldsWithRole(FieldRole role);
const OfficerField& FieldByControl(std::string_view control);

// A number, enumeration or relationship as stored (u16 or u8).
unsigned FieldValue(const OfficerRecord& record, const OfficerField& field);
void SetFieldValue(OfficerRecord& record, const OfficerField& field, unsigned value);
// A text or the skills: the field's bytes inside the record.
std::span<const std::uint8_t> FieldBytesOf(const OfficerRecord& record, const OfficerField& field);
std::span<std::uint8_t> FieldBytesOf(OfficerRecord& record, const OfficerField& field);
// A text field up to its first zero, or all of it when it holds none.
std::string FieldText(const OfficerRecord& record, const OfficerField& field);

// The label and the meaning in the program's language (UTF-8), for captions
// and messages; files keep the key, never the label.
std::string FieldLabel(const OfficerField& field);
std::string FieldMeaning(const OfficerField& field);

// One skill box: its position in the skills field and its caption.
struct SkillBox {
  std::string objectName;  // CB_S + byte digit + bit digit (counted from the top bit)
  std::string_view caption;
  int byte;
  std::uint8_t mask;
  const GameWord* word = nullptr;  // the caption's word (GameVocabulary.h)
};

// The skill grid read row by row from the top left, 7 boxes a row: the bits
// of the six skill bytes taken as one little-endian 48-bit number from bit 0
// upwards, leaving out the six positions without a box.
const std::array<SkillBox, kSkillBoxCount>& SkillLayout();

// The six skill bytes for checked boxes (SkillLayout() order); positions
// without a box are zero.
std::array<std::uint8_t, kSkillBytes> SkillsFromBoxes(const std::array<bool, kSkillBoxCount>& checked);
std::array<bool, kSkillBoxCount> BoxesFromSkills(std::span<const std::uint8_t> skills);
