#pragma once
// The rules of the officer list: row names, the exact-value search and the
// order of rows when a column header is clicked. Names are GBK byte strings.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/officers/OfficerFields.h"

constexpr int kListColumnCount = 7;  // 编号, 姓名, 统率, 武力, 智力, 政治, 魅力

// "新武将" followed by slot + 1, for slots that carry no name.
std::string NewOfficerName(int slot);

// Surname + given name + " " + courtesy name, converted to GBK; a slot with
// none of the three is listed as NewOfficerName(slot).
std::string DisplayName(const OfficerRecord& record, int slot);

// Surname + given name, converted to GBK; NewOfficerName(slot) when both are empty.
std::string RosterName(const OfficerRecord& record, int slot);

// How the program names a slot's officer to the player, UTF-8: the roster
// number and RosterName ("652 雷鸣川", "653 新武将4").
std::string ShownOfficerName(const OfficerRecord& record, int slot);

// The five search values in the order 统, 武, 智, 政, 魅. An empty box gives
// kNoCondition; so does any value of 0 or below once parsed.
constexpr std::int32_t kNoCondition = -1;
using SearchValues = std::array<std::int32_t, kAbilityCount>;

// Parses the five box texts (UTF-8). Throws ConvertError for the first text
// that is not an integer.
SearchValues ParseSearchValues(const std::array<std::string, kAbilityCount>& texts);

// True when every positive value equals the corresponding ability exactly.
bool MatchesSearch(const OfficerRecord& record, const SearchValues& values);

std::array<bool, kSlotCount> SearchVisibleSlots(const OfficerTable& table, const SearchValues& values);

// Byte-wise comparison with a-z taken as A-Z: the difference of the first
// differing (unsigned) bytes, else the difference of the lengths.
int CompareNames(std::string_view a, std::string_view b);

// What a row is sorted by, read from its texts.
struct ListRowKey {
  std::int64_t number = 0;
  std::string name;  // GBK
  std::array<std::int64_t, kAbilityCount> abilities{};
};

// Negative, zero or positive as row a comes before, with or after row b when
// sorting by the column; the sign is inverted for a descending sort.
int CompareListRows(const ListRowKey& a, const ListRowKey& b, int column, bool ascending);

struct SortState {
  int column = 0;
  bool ascending = false;
};

// A click on the sorted column flips the direction; a click on another
// column sorts numbers and names upward and abilities highest first.
SortState NextSortState(SortState current, int clickedColumn);
