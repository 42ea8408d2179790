#pragma once
// What the editor panel shows of an officer record: the item lists of the
// enumeration pickers, the number fields, the relationship pickers and the
// layout of the 42 skill boxes.
//
// Captions are UTF-8; they never reach the file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/officers/OfficerRecord.h"

constexpr std::size_t kEnumerationCount = 12;
constexpr std::size_t kNumberFieldCount = 12;
constexpr std::size_t kRelationshipCount = 7;
constexpr std::size_t kSkillBoxCount = 42;
constexpr std::size_t kSkillBytes = 6;

// Input limits in GBK bytes, the terminator not counted. A line break of the
// biography counts as CR LF, two bytes.
constexpr int kNameByteLimit = 4;    // Xing, Ming, Zi
constexpr int kYinByteLimit = 10;    // Yin
constexpr int kStoryByteLimit = 150; // Story (the field's last two bytes stay unused)

struct EnumerationPicker {
  std::string_view objectName;  // ComboBox_...
  std::uint8_t OfficerRecord::*field;
  std::vector<std::string_view> items;  // the picker's item list, index = stored value
};

struct NumberField {
  std::string_view objectName;  // Edit_...
  std::uint16_t OfficerRecord::*wide = nullptr;   // u16 fields: the low 16 bits are stored
  std::uint8_t OfficerRecord::*narrow = nullptr;  // u8 fields: the low 8 bits are stored
};

struct RelationshipPicker {
  std::string_view objectName;  // ComboBox_...
  std::uint16_t OfficerRecord::*field;
};

struct SkillBox {
  std::string objectName;  // CB_S + byte digit + bit digit (counted from the top bit)
  std::string_view caption;
  int byte;
  std::uint8_t mask;
};

// In the order in which the panel shows and confirms them: Type, Belief,
// Character, Drink, Care, Desire, Gender, Yili, Qiyong, Han, Stratagem, Task.
const std::array<EnumerationPicker, kEnumerationCount>& Enumerations();

// Tongshuai, Wuli, Zhili, Zhengzhi, Meili, Shengwang, Face, BornYear,
// EnterYear, DeadYear (16 bits), Xiangxing, Touyuan (8 bits).
const std::array<NumberField, kNumberFieldCount>& NumberFields();

// Father, Mother, Another, SameOfficer (ComboBox_Xiangxing), Family, Brother, Enemy.
const std::array<RelationshipPicker, kRelationshipCount>& Relationships();

// The skill grid read row by row from the top left, 7 boxes a row: the bits
// of the six skill bytes taken as one little-endian 48-bit number from bit 0
// upwards, leaving out the six positions without a box (byte 5, masks
// 0x80 ... 0x04).
const std::array<SkillBox, kSkillBoxCount>& SkillLayout();

// The picker index a stored enumeration value selects: -1 (no selection) for
// a value outside the item list.
int EnumerationIndex(const EnumerationPicker& picker, std::uint8_t value);

// The six skill bytes for checked boxes (SkillLayout() order); positions
// without a box are zero.
std::array<std::uint8_t, kSkillBytes> SkillsFromBoxes(const std::array<bool, kSkillBoxCount>& checked);
std::array<bool, kSkillBoxCount> BoxesFromSkills(const std::array<std::uint8_t, kSkillBytes>& skills);
