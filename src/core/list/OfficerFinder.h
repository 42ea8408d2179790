#pragma once
// 查找武将: the slots whose officers match a part of a name, ranges of the
// five abilities and a slot state, all criteria together.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/officers/IntegerText.h"
#include "core/officers/OfficerRecord.h"

enum class SlotState { All, OnlyEmpty, OnlyRegistered };

// An ability between `min` and `max`, both included; an absent bound holds
// no condition.
struct AbilityRange {
  std::optional<std::int32_t> min;
  std::optional<std::int32_t> max;
};

struct FindCriteria {
  // Part of the name as the list shows it (surname, given name, a space,
  // courtesy name), UTF-8, simplified or traditional; blanks around it do
  // not count; empty for no condition.
  std::string name;
  std::array<AbilityRange, 5> abilities{};  // 统率 武力 智力 政治 魅力
  SlotState state = SlotState::All;
};

// The ≥ and ≤ box texts of each ability (UTF-8), in the order 统率 … 魅力.
using AbilityRangeTexts = std::array<std::array<std::string, 2>, 5>;

// A box that holds no integer; the message names it ("统率 ≥ 的框中“abc”不是整数").
class AbilityBoxError : public ConvertError {
 public:
  AbilityBoxError(std::size_t ability, std::size_t bound, const std::string& message)
      : ConvertError(message), ability_(ability), bound_(bound) {}
  std::size_t Ability() const { return ability_; }
  std::size_t Bound() const { return bound_; }  // 0 for ≥, 1 for ≤

 private:
  std::size_t ability_;
  std::size_t bound_;
};

// Reads the ten boxes; an empty box (blanks only) is no bound. Throws
// AbilityBoxError for the first box that holds no integer.
std::array<AbilityRange, 5> ParseAbilityRanges(const AbilityRangeTexts& texts);

// A slot the game would not show an officer for: never filled or cleared
// (no type chosen) or without surname and given name.
bool IsEmptySlot(const OfficerRecord& record);

// Whether the record's names hold the typed text: as the list shows them
// (simplified; 赵云 finds a stored 趙雲, whose 云 the table keeps as 云), or
// as the game shows them (traditional) holding the typed text converted to
// traditional character by character (張飞 finds 張飛). A record without
// names holds no name at all.
bool NameMatches(const OfficerRecord& record, const std::string& typed);

bool MatchesCriteria(const OfficerRecord& record, const FindCriteria& criteria);

std::array<bool, kSlotCount> FindSlots(const OfficerTable& table, const FindCriteria& criteria);
