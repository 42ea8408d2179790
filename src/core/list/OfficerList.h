#pragma once
// The rules of the officer list: row names, the exact-value search and the
// order of rows when a column header is clicked. Names are GBK byte strings.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/officers/OfficerFields.h"

enum class OfficerTextScript;  // core/language/UiLanguage.h

constexpr int kListColumnCount = 7;  // 编号, 姓名, 统率, 武力, 智力, 政治, 魅力

// Where the program names a slot's officer; each use has its own form.
enum class NameUse {
  ListRow,           // the list's 姓名: surname, given name, " ", courtesy name ("张飞 翼德")
  Roster,            // a roster picker's entry once a file is loaded, relationship values
                     // in exchange files: surname and given name ("张飞")
  RosterBeforeLoad,  // a roster picker's entry before any file is loaded (the record is not read)
  Message,           // the program speaking of the officer: roster number and roster form ("652 张飞")
};

// The slot's officer as `use` names it, in GBK. A slot without the names
// the use shows is 新武将N (N = slot + 1), before a load 新N. In the
// traditional script the names are the stored Big5 bytes themselves and
// 新武將N is written in Big5. Without a script, simplified.
std::string SlotName(const OfficerRecord& record, int slot, NameUse use);
std::string SlotName(const OfficerRecord& record, int slot, NameUse use, OfficerTextScript script);
// The same in UTF-8, for messages and windows.
std::string SlotNameUtf8(const OfficerRecord& record, int slot, NameUse use);
std::string SlotNameUtf8(const OfficerRecord& record, int slot, NameUse use, OfficerTextScript script);

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
  std::string name;  // GBK, or Big5 in the traditional script: sorted by its bytes
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
